#include "gui/shell/Modes.h"

namespace modes {

QWidget* openTestChoice(AppContext&)
{
    return nullptr;
}

QWidget* openBoard(AppContext&)
{
    return nullptr;
}

} // namespace modes
