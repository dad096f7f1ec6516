#pragma once

class AppContext;
class QWidget;
class frmChGlava;
class frmReadLearn;

// Openers of the course reader's windows for windows outside the main menu
// (whose openers are in gui/shell/Modes.h). Each returns the window shown.
namespace modes {

// The network help, from the network console: the help window hides the
// console while it is open and shows it again when it closes.
QWidget* openConsoleHelp(AppContext& context, QWidget* console);

// The results history, from the results report after it copied the history
// to htm\history.txt: the help window shows the copy, returns to the report
// and deletes the copy when it closes.
QWidget* openResultsHistory(AppContext& context, QWidget* report);

} // namespace modes

// How the contents window and the reader hand over to each other.
namespace readerwindows {

// Shows the contents window, loading it unless it is only hidden. Nothing
// when the contents file cannot be read; the student has been told.
frmChGlava* showContents(AppContext& context);

// Shows a new reader on the program state's current page.
frmReadLearn* showReader(AppContext& context);

} // namespace readerwindows
