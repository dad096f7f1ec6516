#include "gui/shell/AppContext.h"

#include <QDialog>

AppContext::AppContext(AppState& appState, SoundEffects& soundEffects)
    : state(appState)
    , sounds(soundEffects)
    , runModal([](QDialog& dialog) { return dialog.exec(); })
{
}

void AppContext::showMainMenu() const
{
    if (mainMenu) {
        mainMenu->show();
        mainMenu->activateWindow();
    }
}
