#pragma once

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// The question and its five answers, laid out alike in the runner and in the
// error review so that a student recognises the question he answered.
struct QuestionFrames {
    QGroupBox* questionFrame; // Frame2
    QLabel* question;         // QESTION
    QGroupBox* answerFrame;   // Frame3
    QButtonGroup* answerGroup;
    std::array<QRadioButton*, 5> answers; // OTVET(1)..OTVET(5), group ids 1..5

    // `windowWidth` in pixels; `questionTop` places the text inside its frame;
    // `answerWidth` is each answer's width.
    static QuestionFrames build(QWidget* window, int windowWidth, int questionTop, int answerWidth);
};
