#include "gui/shell/StartUp.h"

#include "core/common/DataFiles.h"
#include "core/shell/AppState.h"
#include "core/shell/SettingFile.h"
#include "core/users/UserBase.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MainMenu.h"
#include "gui/shell/Splash.h"
#include "gui/users/IdReader.h"
#include "platform/Platform.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

namespace {

// One clear word about a file the program cannot start without.
int failToStart(AppContext& context, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lumora"),
                    message + QStringLiteral("\n\nПрограмма будет закрыта."));
    box.setObjectName(QStringLiteral("startFailure"));
    context.runModal(box);
    return 1;
}

} // namespace

int runStartUp(AppContext& context, const std::function<int()>& eventLoop)
{
    AppState& state = context.state;
    state.soundOn = true;
    state.skinFolder = context.data().file(QStringLiteral("jpg\\skin"));
    state.switchingUser = false;
    state.reader.contentsFromReader = false;

    const QString userBase = context.data().file(datafiles::userBase());
    if (readUserCount(userBase) < 0)
        return failToStart(context, QStringLiteral("Не найдена база пользователей:\n%1").arg(userBase));

    {
        id_reader identification(context);
        context.runModal(identification);
        if (identification.cancelledAtStartUp())
            return 0;
        identification.closeStep();
    }

    state.showErrorsMode = readSettingFile(context.data().file(datafiles::errorDisplay())).valueOr(1);

    frmSplash splash(context);
    splash.show();
    splash.repaint();

    frmMain menu(context);
    if (!menu.loadFailure().isEmpty())
        return failToStart(context, menu.loadFailure());
    context.mainMenu = &menu;
    const int exitCode = eventLoop();
    context.mainMenu = nullptr;
    for (const auto& window : std::as_const(context.windows))
        delete window.data();
    return exitCode;
}

int runLumora(QApplication& application)
{
    AppState state;
    state.programFolder = platform::programFolder();
    SoundEffects sounds(DataRoot(state.programFolder).file(QStringLiteral("wav")), state.soundOn);
    sounds.setBeep(&QApplication::beep);
    AppContext context(state, sounds);
    return runStartUp(context, [&application] { return application.exec(); });
}
