#pragma once

class AppContext;
class QWidget;

// The modes the main menu opens. Each opener shows its window (creating it
// when it does not exist) and returns it; nullptr means nothing was opened and
// the main menu stays. Each subsystem defines its own openers.
namespace modes {

QWidget* openContents(AppContext& context);       // reader
QWidget* openHelp(AppContext& context);           // reader
QWidget* openAbout(AppContext& context);          // reader
QWidget* openTestChoice(AppContext& context);     // testing
QWidget* openBoard(AppContext& context);          // testing
QWidget* openAdministration(AppContext& context); // admin

} // namespace modes
