#pragma once

#include "core/common/DataPath.h"
#include "core/shell/AppState.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QDialog;
class SoundEffects;

// What every window of the program is given: the program state, the data
// folder, the sound channel and the seams tests use to answer modal windows.
class AppContext {
public:
    AppContext(AppState& state, SoundEffects& sounds);

    AppState& state;
    SoundEffects& sounds;

    DataRoot data() const { return DataRoot(state.programFolder); }

    // Runs a modal window to its end and returns its result. Tests replace it
    // to answer the window as a user would, without a nested event loop.
    std::function<int(QDialog&)> runModal;

    // Ends the program at once, closing every window without its closing
    // step and writing nothing. Tests replace it to observe the end.
    std::function<void(int exitCode)> endProgram;

    // The main menu, shown again by every mode window when it closes.
    QPointer<QWidget> mainMenu;
    void showMainMenu() const;

    // Windows that are hidden rather than closed keep living here by name
    // ("frmChGlava", "frmTestCh", ...) until they are closed.
    QHash<QString, QPointer<QWidget>> windows;

    template <typename Window>
    Window* window(const QString& name) const
    {
        return qobject_cast<Window*>(windows.value(name).data());
    }
};
