#include "core/common/DataPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace datapath {

namespace {

QString matchEntry(const QString& folder, const QString& name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString resolve(const QString& base, const QString& tail)
{
    QString path = QDir::fromNativeSeparators(base);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
    const QStringList parts = tail.split(separators, Qt::SkipEmptyParts);
    for (const QString& part : parts)
        path += QLatin1Char('/') + matchEntry(path, part);
    return QDir::toNativeSeparators(path);
}

bool staysInside(const QString& name)
{
    if (name.contains(QLatin1Char(':')) || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        return false;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = name.split(separators);
    for (const QString& part : parts) {
        if (part.trimmed() == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace datapath

DataRoot::DataRoot(QString programFolder)
    : programFolder_(std::move(programFolder))
{
}

QString DataRoot::file(const QString& tail) const
{
    return datapath::resolve(programFolder_, QStringLiteral("data\\") + tail);
}

QString DataRoot::folder() const
{
    return datapath::resolve(programFolder_, QStringLiteral("data"));
}
