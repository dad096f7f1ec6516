#include "core/reader/CoursePage.h"

#include "core/common/DataPath.h"

std::optional<QString> coursePagePath(const DataRoot& data, const QString& title)
{
    const QString name = title.trimmed();
    if (!datapath::staysInside(name))
        return std::nullopt;
    return data.file(QStringLiteral("htm\\") + name + QStringLiteral(".htm"));
}
