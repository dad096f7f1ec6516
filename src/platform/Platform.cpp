#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString viewerFolder(QString* parent)
{
#ifdef Q_OS_WIN
    const QString base = QStringLiteral("c:\\Program Files");
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    if (parent)
        *parent = base;
    return QDir::toNativeSeparators(base + QStringLiteral("/ZorView"));
}

void storeMainWindowPlacement(const QRect& geometryInTwips)
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Lumora"));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("MainLeft"), QString::number(geometryInTwips.left()));
    settings.setValue(QStringLiteral("MainTop"), QString::number(geometryInTwips.top()));
    settings.setValue(QStringLiteral("MainWidth"), QString::number(geometryInTwips.width()));
    settings.setValue(QStringLiteral("MainHeight"), QString::number(geometryInTwips.height()));
}

} // namespace platform
