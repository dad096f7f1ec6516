// lumora-datagen SAMPLEDATA OUTPUT
//
// Lays out the program's data folder OUTPUT from the sources in SAMPLEDATA:
//   data/**            texts (UTF-8, any line ends) -> windows-1251, CR LF
//   render/**/X.ext.svg -> X.ext rendered at the SVG's size (jpg, png or bmp)
//   skins/<area>.txt   "name|caption|width|height" -> jpg/skin/<area>/name.bmp, name_move.bmp
//   sounds.txt         "file.wav|freq:ms freq:ms ..." -> wav/file.wav
// Any text that windows-1251 cannot hold stops the layout with its file named.

#include "SkinPainter.h"
#include "SoundSynth.h"

#include "core/common/Cp1251.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        err() << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every line ends in CR LF, the last one included.
QByteArray toDataText(const QString& source, bool* lossless)
{
    QString text = source;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text.append(QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return cp1251::encode(text, lossless);
}

bool convertTexts(const QString& from, const QString& to)
{
    bool ok = true;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        bool lossless = true;
        const QByteArray bytes = toDataText(QString::fromUtf8(readFile(source)), &lossless);
        if (!lossless) {
            err() << source << ": characters outside windows-1251\n";
            ok = false;
            continue;
        }
        ok = writeFile(to + QLatin1Char('/') + QDir(from).relativeFilePath(source), bytes) && ok;
    }
    return ok;
}

bool renderPictures(const QString& from, const QString& to)
{
    bool ok = true;
    QDirIterator it(from, {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        QSvgRenderer renderer(source);
        if (!renderer.isValid()) {
            err() << source << ": not a valid SVG\n";
            ok = false;
            continue;
        }
        QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        target.chop(4); // ".svg"
        QImage image(renderer.defaultSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        QDir().mkpath(QFileInfo(target).path());
        if (!image.save(target, nullptr, 92)) {
            err() << "cannot write " << target << "\n";
            ok = false;
        }
    }
    return ok;
}

bool drawSkins(const QString& from, const QString& to)
{
    bool ok = true;
    const QFileInfoList manifests = QDir(from).entryInfoList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QFileInfo& manifest : manifests) {
        const QString area = manifest.completeBaseName();
        const QStringList lines = QString::fromUtf8(readFile(manifest.filePath())).split(QLatin1Char('\n'));
        for (const QString& raw : lines) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList fields = line.split(QLatin1Char('|'));
            const int width = fields.value(2).toInt();
            const int height = fields.value(3).toInt();
            if (fields.size() != 4 || width <= 0 || height <= 0) {
                err() << manifest.filePath() << ": bad line \"" << line << "\"\n";
                ok = false;
                continue;
            }
            const QString base = to + QLatin1Char('/') + area + QLatin1Char('/') + fields[0];
            QDir().mkpath(QFileInfo(base).path());
            ok = paintSkinButton(fields[1], width, height, false).save(base + QStringLiteral(".bmp"), "BMP") && ok;
            ok = paintSkinButton(fields[1], width, height, true).save(base + QStringLiteral("_move.bmp"), "BMP") && ok;
        }
    }
    return ok;
}

bool synthesiseSounds(const QString& manifest, const QString& to)
{
    bool ok = true;
    const QStringList lines = QString::fromUtf8(readFile(manifest)).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        QList<Note> notes;
        for (const QString& note : fields.value(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = note.split(QLatin1Char(':'));
            notes.append({parts.value(0).toDouble(), parts.value(1).toInt()});
        }
        if (fields.size() != 2 || notes.isEmpty()) {
            err() << manifest << ": bad line \"" << line << "\"\n";
            ok = false;
            continue;
        }
        ok = writeFile(to + QLatin1Char('/') + fields[0], synthesiseWav(notes)) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        err() << "usage: lumora-datagen SAMPLEDATA OUTPUT\n";
        return 2;
    }
    const QString from = QString::fromLocal8Bit(argv[1]);
    const QString to = QString::fromLocal8Bit(argv[2]);
    bool ok = convertTexts(from + QStringLiteral("/data"), to);
    ok = renderPictures(from + QStringLiteral("/render"), to) && ok;
    ok = drawSkins(from + QStringLiteral("/skins"), to + QStringLiteral("/jpg/skin")) && ok;
    ok = synthesiseSounds(from + QStringLiteral("/sounds.txt"), to + QStringLiteral("/wav")) && ok;
    return ok ? 0 : 1;
}
