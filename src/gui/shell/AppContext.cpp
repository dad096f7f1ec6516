#include "gui/shell/AppContext.h"

#include <QApplication>
#include <QDialog>

AppContext::AppContext(AppState& appState, SoundEffects& soundEffects)
    : state(appState)
    , sounds(soundEffects)
    , runModal([](QDialog& dialog) { return dialog.exec(); })
    , endProgram([](int exitCode) { QApplication::exit(exitCode); })
{
}

void AppContext::showMainMenu() const
{
    if (mainMenu) {
        mainMenu->show();
        mainMenu->activateWindow();
    }
}
