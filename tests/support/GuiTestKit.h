#pragma once

#include "core/shell/AppState.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"
#include "support/TempDataFolder.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

// One program's worth of state over a temporary data folder, with modal
// windows answered by the test instead of a user.
class GuiTestKit {
public:
    GuiTestKit();

    TempDataFolder data;
    AppState state;
    std::unique_ptr<SoundEffects> sounds;
    std::unique_ptr<AppContext> context;

    // The next modal window is handed to the next answer; with none queued
    // it is closed as a plain accept. Every modal window is recorded.
    using ModalAnswer = std::function<void(QDialog&)>;
    void answerNextModal(ModalAnswer answer) { answers_.append(std::move(answer)); }
    QStringList modalsShown; // objectName of each modal window run

private:
    QList<ModalAnswer> answers_;
};

// A left click in the middle of a widget.
void clickOn(QWidget* widget);

// The child of `window` with this objectName, failing the test when missing.
template <typename Widget>
Widget* child(QObject* window, const QString& name)
{
    auto* found = window->findChild<Widget*>(name);
    if (!found)
        qWarning("no child named %s", qPrintable(name));
    return found;
}
