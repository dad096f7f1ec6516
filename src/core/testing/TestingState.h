#pragma once

#include "core/testing/AnswerLog.h"
#include "core/testing/QuestionBank.h"

#include <QString>

// The test being prepared, run and graded.
struct TestRun {
    QString bankFile;       // relative to data\jpg, from the catalogue
    QString testName;       // the bank's "name"; finds the score slot
    int questionNumber = 0; // questions shown so far = 1-based number of the one on screen
    int correctCount = 0;
    int grade = 0;          // 0 while running; 2..5 once ended
    QString percentText;    // "66.7", set when the run ends
    int elapsedSeconds = 0; // starts at the bank's "time", one per countdown tick
    QString timeSpentText;  // "3 мин", set when the run ends
    int pausesTaken = 0;    // presses of the pause button; 4 once the third pause was shown
    bool pausePending = false;
    QString pictureName;    // what the picture viewer shows
    bool pictureViewerOpen = false;
};

// What the testing windows share while a test is prepared, run and graded.
struct TestingState {
    TestRun run;
    QuestionBank bank;
    AnswerLog answerLog;
};
