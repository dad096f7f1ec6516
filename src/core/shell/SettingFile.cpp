#include "core/shell/SettingFile.h"

#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

#include <limits>

int readSettingFile(const QString& path, int fallback)
{
    const auto lines = linefile::read(path);
    if (!lines || lines->isEmpty() || lines->first().isEmpty())
        return fallback;
    const long long value = numberform::readWhole(lines->first().trimmed());
    constexpr long long kMax = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(-kMax, value, kMax));
}
