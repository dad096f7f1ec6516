#include "core/testing/TestRunRules.h"

#include "core/shell/AppState.h"
#include "core/testing/Grading.h"

namespace testrun {

BankLoad prepare(TestingState& testing, const QString& bankPath, const UniformDraw& draw)
{
    TestRun& run = testing.run;
    run.elapsedSeconds = 0;
    run.questionNumber = 0;
    run.correctCount = 0;
    run.grade = 0;
    run.pausesTaken = 0;
    run.pausePending = false;
    testing.answerLog.clear();
    const BankLoad load = loadQuestionBank(bankPath, testing.bank, draw);
    if (load.ok) {
        run.testName = testing.bank.testName;
        run.elapsedSeconds = testing.bank.startSeconds;
    }
    return load;
}

const Question& nextQuestion(TestingState& testing)
{
    const Question& question = testing.bank.asked(testing.run.questionNumber);
    ++testing.run.questionNumber;
    return question;
}

bool recordAnswer(TestingState& testing, int chosen)
{
    TestRun& run = testing.run;
    const Question& question = testing.bank.asked(run.questionNumber - 1);
    if (chosen == question.rightAnswer)
        ++run.correctCount;
    AnswerEntry& entry = testing.answerLog.entry(run.questionNumber);
    entry.tema = question.topic;
    entry.vop = question.text;
    for (int k = 0; k < 5; ++k)
        entry.otv[k] = question.answers[k];
    entry.ris = question.picture;
    entry.otvUser = QString::number(chosen);
    entry.otvVer = QString::number(question.rightAnswer);
    return run.questionNumber == testing.bank.count();
}

void finish(TestRun& run)
{
    run.grade = gradeFor(run.correctCount, run.questionNumber);
    run.percentText = percentText(run.correctCount, run.questionNumber);
    run.timeSpentText = timeSpentText(run.elapsedSeconds);
}

LiveHeader liveHeader(const AppState& state)
{
    const TestingState& testing = state.testing;
    return {state.userFirstName, state.userSurname,        testing.run.testName,
            testing.bank.count(), testing.run.correctCount, testing.run.grade};
}

bool pauseDue(const TestRun& run)
{
    return run.pausePending && run.pausesTaken >= 1 && run.pausesTaken <= 3;
}

QString pausesLeftText(int pausesTaken)
{
    switch (pausesTaken) {
    case 1:
        return QStringLiteral("У Вас есть еще 2 паузы");
    case 2:
        return QStringLiteral("У вас осталась только 1 пауза");
    case 3:
        return QStringLiteral("Это ваша последняя пауза");
    default:
        return {};
    }
}

QString questionFrameCaption(int number, int count)
{
    // The caption mixes Latin and Cyrillic letters; kept as the classroom knows it.
    const QString word = number == count ? QString::fromUtf16(u"  Bo\u043fpoc \u043domep  ")
                                         : QString::fromUtf16(u"  Bo\u043fpoc \u043domep   ");
    return word + QLatin1Char(' ') + QString::number(number) + QStringLiteral("  ");
}

QString questionWindowCaption(int number)
{
    return QStringLiteral("  Вопрос № ") + QString::number(number);
}

} // namespace testrun
