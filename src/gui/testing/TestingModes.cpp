#include "gui/shell/AppContext.h"
#include "gui/shell/Modes.h"
#include "gui/testing/BoardWindow.h"
#include "gui/testing/TestChoiceWindow.h"

namespace modes {

QWidget* openTestChoice(AppContext& context)
{
    auto* choice = context.window<frmTestCh>(QStringLiteral("frmTestCh"));
    if (!choice) {
        choice = new frmTestCh(context);
        context.windows.insert(QStringLiteral("frmTestCh"), choice);
    }
    choice->show();
    choice->activateWindow();
    return choice;
}

QWidget* openBoard(AppContext& context)
{
    auto* board = new frmDOSTIG(context);
    context.windows.insert(QStringLiteral("frmDOSTIG"), board);
    board->show();
    return board;
}

} // namespace modes
