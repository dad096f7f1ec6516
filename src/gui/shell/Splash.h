#pragma once

#include <QWidget>

class AppContext;
class QTimer;

// The splash: top-most for 1.5 s after sign-in, then it gives way to the
// main menu with a word of thanks.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(AppContext& context);

    QTimer* Часы1;

    // What the timer does when it fires: close, show the menu, say thanks.
    void finish();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppContext& context_;
    bool finished_ = false;
};
