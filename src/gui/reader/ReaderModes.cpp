#include "gui/shell/Modes.h"

namespace modes {

QWidget* openContents(AppContext&)
{
    return nullptr;
}

QWidget* openHelp(AppContext&)
{
    return nullptr;
}

QWidget* openAbout(AppContext&)
{
    return nullptr;
}

} // namespace modes
