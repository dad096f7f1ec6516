#include "core/shell/ViewerInstall.h"

#include "core/common/LineFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("[T01]");

void ensureFolder(const QString& folder, QStringList& failures)
{
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        failures.append(QStringLiteral("не удалось создать папку %1").arg(folder));
}

void ensureCopy(const QString& source, const QString& target, QStringList& failures)
{
    if (QFileInfo::exists(target))
        return; // an installed copy is never replaced
    if (!QFile::copy(source, target))
        failures.append(QStringLiteral("не удалось скопировать %1 в %2").arg(source, target));
}

} // namespace

std::optional<QStringList> rewriteViewerIni(const QStringList& lines, const QString& dataFolder)
{
    QStringList rewritten;
    bool found = false;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const QString& section = lines[i];
        const QString value = i + 1 < lines.size() ? lines[i + 1] : QString();
        if (section == kSection && value == dataFolder)
            return std::nullopt;
        rewritten << section << (section == kSection ? dataFolder : value);
        found = found || section == kSection;
    }
    if (!found)
        rewritten << kSection << dataFolder;
    return rewritten;
}

QStringList installViewer(const ViewerInstallation& installation)
{
    QStringList failures;
    ensureFolder(installation.parentFolder, failures);
    ensureFolder(installation.viewerFolder, failures);
    if (!failures.isEmpty())
        return failures;
    for (const QString& program : {QStringLiteral("zor_view2.exe"), QStringLiteral("htm_view.exe")})
        ensureCopy(installation.dataFolder + QDir::separator() + program,
                   installation.viewerFolder + QDir::separator() + program, failures);

    const QString ini = installation.viewerFolder + QDir::separator() + QStringLiteral("zor.ini");
    QStringList content{kSection, installation.dataFolder};
    if (QFileInfo::exists(ini)) {
        QString error;
        const auto lines = linefile::read(ini, &error);
        if (!lines) {
            failures.append(QStringLiteral("не удалось прочитать %1: %2").arg(ini, error));
            return failures;
        }
        const auto rewritten = rewriteViewerIni(*lines, installation.dataFolder);
        if (!rewritten)
            return failures;
        content = *rewritten;
    }
    if (!linefile::write(ini, content))
        failures.append(QStringLiteral("не удалось записать %1").arg(ini));
    return failures;
}
