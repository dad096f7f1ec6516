#include "gui/reader/ReaderModes.h"

#include "gui/reader/AboutWindow.h"
#include "gui/reader/ContentsWindow.h"
#include "gui/reader/HelpWindow.h"
#include "gui/reader/ReaderWindow.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "gui/shell/Modes.h"

#include <QDir>

namespace readerwindows {

frmChGlava* showContents(AppContext& context)
{
    const QString name = QStringLiteral("frmChGlava");
    auto* contents = context.window<frmChGlava>(name);
    if (!contents) {
        contents = new frmChGlava(context);
        if (!contents->load()) {
            delete contents;
            showWarning(context, QStringLiteral("Не удалось открыть оглавление курса %1.")
                                     .arg(QDir::toNativeSeparators(context.data().file(QStringLiteral("soderjanie.txt")))));
            return nullptr;
        }
        context.windows.insert(name, contents);
    }
    contents->show();
    contents->activateWindow();
    return contents;
}

frmReadLearn* showReader(AppContext& context)
{
    auto* reader = new frmReadLearn(context);
    reader->showMaximized();
    reader->activateWindow();
    return reader;
}

} // namespace readerwindows

namespace modes {

namespace {

QWidget* showHelp(AppContext& context, QWidget* opener)
{
    auto* help = new frmHELP(context, opener);
    help->showMaximized();
    help->activateWindow();
    return help;
}

} // namespace

QWidget* openContents(AppContext& context)
{
    return readerwindows::showContents(context);
}

QWidget* openHelp(AppContext& context)
{
    context.state.helpFromConsole = false;
    return showHelp(context, nullptr);
}

QWidget* openConsoleHelp(AppContext& context, QWidget* console)
{
    context.state.helpFromConsole = true;
    return showHelp(context, console);
}

QWidget* openResultsHistory(AppContext& context, QWidget* report)
{
    context.state.reader.showResultsHistory = true;
    return showHelp(context, report);
}

QWidget* openAbout(AppContext& context)
{
    auto* about = new frmWebABOUT(context);
    about->show();
    about->activateWindow();
    return about;
}

} // namespace modes
