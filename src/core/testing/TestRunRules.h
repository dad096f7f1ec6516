#pragma once

#include "core/testing/QuestionBank.h"
#include "core/testing/TestingState.h"

#include <QString>

struct AppState;

// The steps of one test run, in the order the runner takes them. Files are
// written by the caller through the live-file writers, from `liveHeader`.
namespace testrun {

// Resets the counters, empties the answer log, loads and shuffles the bank.
BankLoad prepare(TestingState& testing, const QString& bankPath, const UniformDraw& draw);

// Moves on to the next question and returns it; `questionNumber` becomes its 1-based number.
const Question& nextQuestion(TestingState& testing);

// Records answer `chosen` (1..5) to the question on screen in the answer log;
// returns true when it was the last question.
bool recordAnswer(TestingState& testing, int chosen);

// Grade, percent and time spent of the finished run.
void finish(TestRun& run);

LiveHeader liveHeader(const AppState& state);

// Whether a pause is due before the question about to be shown.
bool pauseDue(const TestRun& run);
// The pause window's message for the pause being taken.
QString pausesLeftText(int pausesTaken);

// Frame caption over the question: the last question has one space less.
QString questionFrameCaption(int number, int count);
// Window caption of the runner.
QString questionWindowCaption(int number);

} // namespace testrun
