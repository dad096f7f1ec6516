#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder of its own for one test, with an empty data folder laid
// out as the program expects it. Files are written the way the data files
// are stored: windows-1251, CR LF.
class TempDataFolder {
public:
    TempDataFolder();

    QString programFolder() const { return dir_.path(); }
    // `tail` below data, with '/' separators: "jpg/2_17.jpg".
    QString path(const QString& tail) const;

    void writeLines(const QString& tail, const QStringList& lines) const;
    void writeBytes(const QString& tail, const QByteArray& bytes) const;
    QStringList readLines(const QString& tail) const;
    QByteArray readBytes(const QString& tail) const;
    bool exists(const QString& tail) const;

    // The catalogue of the 14 shipped tests.
    void writeStandardCatalogue() const;

private:
    QTemporaryDir dir_;
};
