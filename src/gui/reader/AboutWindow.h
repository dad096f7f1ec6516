#pragma once

#include <QWidget>

class AppContext;
class CourseBrowser;
class QTimer;
class SkinButton;

// About the program and its makers: two fixed pages, and a tune that starts
// a few seconds after the window opens and repeats until it closes.
class frmWebABOUT : public QWidget {
    Q_OBJECT
public:
    explicit frmWebABOUT(AppContext& context);

    CourseBrowser* brOUser2;
    CourseBrowser* brOUser3;
    SkinButton* Комманда1;
    QTimer* TIMer;

public slots:
    // TIMer's tick: starts the repeating tune, once per opening.
    void startTune();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
};
