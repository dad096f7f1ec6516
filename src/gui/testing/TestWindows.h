#pragma once

#include "core/testing/RandomDraw.h"

class AppContext;
class QWidget;
class PICview;
class QRadioButton;
class QString;

// What the testing windows do to one another: they find each other by name in
// the context's window registry, since each may be closed while others live.
namespace testwindows {

// The program's one generator for the shuffles.
const UniformDraw& shuffleDraw();

// The test choice window comes back after every test, finished or not.
void showTestChoice(AppContext& context);

// Closes the introduction and the runner of the current run, if open.
void closeRun(AppContext& context);

// The picture viewer beside `owner` for the context's pictureName; closing it
// first when one is open.
PICview* openPicture(AppContext& context, QWidget* owner);
void closePicture(AppContext& context);

// Stores the run's grade into the user's slots and the user base; tells the
// user when the user base could not take it.
void storeMark(AppContext& context);

// Rewrites the live test state and the answer log from the current run.
void writeLiveTestState(AppContext& context);
void writeAnswerLog(AppContext& context);

// Puts an answer on its option button, in a smaller type when a long answer
// would not fit on the line.
void showAnswer(QRadioButton* option, const QString& text);

} // namespace testwindows
