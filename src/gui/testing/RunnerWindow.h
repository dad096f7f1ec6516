#pragma once

#include "core/testing/AnswerTime.h"

#include <QWidget>

#include <array>
#include <functional>

class AppContext;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTimer;
class SkinButton;

// The test runner: one question at a time against the countdown, up to three
// pauses, the live files rewritten at every step.
class fullTST : public QWidget {
    Q_OBJECT
public:
    explicit fullTST(AppContext& context);

    // The load step: shows the window and the first question.
    void start();

    // Shows the next question (a pending pause first).
    void NEWQESTION();
    // Grades the run and opens the result window.
    void ENDTEST();

    // Closes the window without abandoning the run (the run is over or left).
    void dismiss();

    QGroupBox* Frame2;
    QLabel* QESTION;
    QLabel* lblTitle1;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 5> OTVET;
    SkinButton* OKKEY;
    QGroupBox* Frame1;
    QLabel* lblTime;
    QLabel* metka1;
    SkinButton* btnPAUSE;
    QTimer* Timer2;

    // The system beep of a time-out; tests listen to it.
    std::function<void()> systemBeep;

    int selectedAnswer() const;

signals:
    // The close box was used before the last answer.
    void abandoned();

public slots:
    void countdownTick();
    void giveAnswer();
    void askForPause();
    void selectAnswer(int number);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readAnswerTimeSetting();
    void colourAnswers(int chosen);
    void takePause();

    AppContext& context_;
    QButtonGroup* answers_;
    Countdown countdown_;
    QString currentPicture_;
    bool over_ = false; // ended or dismissed: closing no longer abandons
};
