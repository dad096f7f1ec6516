#include "core/common/LineFile.h"

#include "core/common/Cp1251.h"

#include <QFile>
#include <QSaveFile>
#include <QThread>

namespace linefile {

std::optional<QByteArray> readBytes(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

QList<QByteArrayView> splitLines(const QByteArray& bytes)
{
    const QByteArrayView view(bytes);
    QList<QByteArrayView> lines;
    lines.reserve(bytes.count('\n') + 1);
    qsizetype start = 0;
    while (start < view.size()) {
        qsizetype end = view.indexOf('\n', start);
        if (end < 0)
            end = view.size();
        qsizetype length = end - start;
        if (length > 0 && view[end - 1] == '\r')
            --length;
        lines.append(view.sliced(start, length));
        start = end + 1;
    }
    return lines;
}

std::optional<QStringList> read(const QString& path, QString* error)
{
    const auto bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    QStringList lines;
    const QList<QByteArrayView> raw = splitLines(*bytes);
    lines.reserve(raw.size());
    for (QByteArrayView line : raw)
        lines.append(cp1251::decode(line));
    return lines;
}

QByteArray encode(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& line : lines)
        appendLine(bytes, line);
    return bytes;
}

void appendLine(QByteArray& bytes, QStringView line)
{
    cp1251::encodeInto(line, bytes);
    bytes.append("\r\n", 2);
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    return writeBytes(path, encode(lines), error);
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    // On Windows a reader holding the file open can make the swap fail for a
    // moment; a few quick retries ride that out.
    constexpr int kAttempts = 5;
    QString lastError;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            return true;
        lastError = file.errorString();
        file.cancelWriting();
        QThread::msleep(20);
    }
    if (error)
        *error = lastError;
    return false;
}

} // namespace linefile
