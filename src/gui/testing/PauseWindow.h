#pragma once

#include <QDialog>

class AppContext;
class QLabel;
class SkinButton;

// The breather between two questions: the countdown is stopped meanwhile.
class frmPAUSE : public QDialog {
    Q_OBJECT
public:
    explicit frmPAUSE(AppContext& context);

    QLabel* metka1;
    QLabel* metka2;
    QLabel* metka3;
    SkinButton* komanda1;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void reject() override {} // only the button ends the pause

private:
    AppContext& context_;
};
