#include "core/common/LineFile.h"

#include "core/common/Cp1251.h"

#include <QFile>
#include <QSaveFile>
#include <QThread>

namespace linefile {

std::optional<QStringList> read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool lastLine = end < 0;
        if (lastLine)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes[end - 1] == '\r')
            --length;
        lines.append(cp1251::decode(bytes.mid(start, length)));
        start = end + 1;
    }
    return lines;
}

QByteArray encode(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes.append(cp1251::encode(line));
        bytes.append("\r\n");
    }
    return bytes;
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    const QByteArray bytes = encode(lines);
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
