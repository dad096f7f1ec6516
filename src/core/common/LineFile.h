#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Data files are windows-1251 text, one value per line, CR LF line ends.
// Reading also accepts lone LF and a last line without an end; writing always
// produces CR LF and replaces the file atomically, so a reader on another
// computer sees either the old or the new file, never a torn one.
namespace linefile {

// The file's lines, or nothing when it cannot be opened; `error` then says why.
std::optional<QStringList> read(const QString& path, QString* error = nullptr);

// The file's raw bytes, for readers that decode only the lines they keep.
std::optional<QByteArray> readBytes(const QString& path, QString* error = nullptr);

// The lines of `bytes` (still windows-1251), without their line ends.
QList<QByteArrayView> splitLines(const QByteArray& bytes);

QByteArray encode(const QStringList& lines);

// Appends one encoded line and its CR LF.
void appendLine(QByteArray& bytes, QStringView line);

// Writes all lines through a temporary file in the same folder and swaps it in.
bool write(const QString& path, const QStringList& lines, QString* error = nullptr);

// The same for content already encoded (large files built without a list).
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace linefile
