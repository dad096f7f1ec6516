#include "gui/shell/Modes.h"

namespace modes {

QWidget* openAdministration(AppContext&)
{
    return nullptr;
}

} // namespace modes
