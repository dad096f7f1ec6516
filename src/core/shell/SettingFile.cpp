#include "core/shell/SettingFile.h"

#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

#include <limits>

SettingFileValue readSettingFile(const QString& path)
{
    const auto lines = linefile::read(path);
    if (!lines)
        return {};
    if (lines->isEmpty() || lines->first().isEmpty())
        return {SettingFileValue::State::Empty, 0};
    const long long value = numberform::readWhole(lines->first().trimmed());
    constexpr long long kMax = std::numeric_limits<int>::max();
    return {SettingFileValue::State::Number, static_cast<int>(qBound(-kMax, value, kMax))};
}
