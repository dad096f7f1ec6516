#include "gui/testing/QuestionFrames.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

QuestionFrames QuestionFrames::build(QWidget* window, int windowWidth, int questionTop, int answerWidth)
{
    QuestionFrames frames{};
    frames.questionFrame = new QGroupBox(window);
    frames.questionFrame->setObjectName(QStringLiteral("Frame2"));
    frames.questionFrame->setGeometry(8, 6, windowWidth - 16, 118);
    frames.question = new QLabel(frames.questionFrame);
    frames.question->setObjectName(QStringLiteral("QESTION"));
    frames.question->setWordWrap(true);
    frames.question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    frames.question->setStyleSheet(QStringLiteral("font-size:11pt;font-weight:bold;"));
    frames.question->setGeometry(10, questionTop, windowWidth - 36, 70);

    frames.answerFrame = new QGroupBox(QStringLiteral("Варианты ответов"), window);
    frames.answerFrame->setObjectName(QStringLiteral("Frame3"));
    frames.answerFrame->setGeometry(8, 128, windowWidth - 16, 196);
    frames.answerGroup = new QButtonGroup(window);
    for (int i = 0; i < 5; ++i) {
        auto* answer = new QRadioButton(frames.answerFrame);
        answer->setObjectName(QStringLiteral("OTVET(%1)").arg(i + 1));
        answer->setGeometry(10, 22 + i * 34, answerWidth, 32);
        frames.answerGroup->addButton(answer, i + 1);
        frames.answers[static_cast<std::size_t>(i)] = answer;
    }
    return frames;
}
