#include "support/TempDataFolder.h"

#include "core/common/LineFile.h"
#include "core/testing/TestCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDataFolder::TempDataFolder()
{
    QDir root(dir_.path());
    for (const char* folder : {"data/jpg/skin", "data/jpg/main", "data/wav", "data/htm"})
        root.mkpath(QString::fromLatin1(folder));
}

QString TempDataFolder::path(const QString& tail) const
{
    return dir_.path() + QStringLiteral("/data/") + tail;
}

void TempDataFolder::writeLines(const QString& tail, const QStringList& lines) const
{
    writeBytes(tail, linefile::encode(lines));
}

void TempDataFolder::writeBytes(const QString& tail, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path(tail)).path());
    QFile file(path(tail));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QStringList TempDataFolder::readLines(const QString& tail) const
{
    return linefile::read(path(tail)).value_or(QStringList());
}

QByteArray TempDataFolder::readBytes(const QString& tail) const
{
    QFile file(path(tail));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempDataFolder::exists(const QString& tail) const
{
    return QFileInfo::exists(path(tail));
}

void TempDataFolder::writeStandardCatalogue() const
{
    QStringList lines{QStringLiteral("Каталог тестов"), QStringLiteral("start")};
    for (int k = 1; k <= TestCatalogue::kEntries; ++k) {
        lines.append(QStringLiteral("тест %1").arg(k));
        if (k <= knowntests::kCount) {
            lines.append(QString::fromUtf16(knowntests::at(k).title));
            lines.append(QString::fromUtf16(knowntests::at(k).bankFile));
        } else {
            lines.append(QString());
            lines.append(QString());
        }
    }
    writeLines(QStringLiteral("jpg/14_15.jpg"), lines);
}
