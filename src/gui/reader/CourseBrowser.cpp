#include "gui/reader/CourseBrowser.h"

#include "core/common/Cp1251.h"
#include "core/common/DataPath.h"
#include "core/common/LineFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString namedCharset(const QByteArray& bytes)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(QString::fromLatin1(bytes.left(2048)));
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// A local file named with other letter case than it has on disk, as pages
// written on Windows link their pictures.
QString existingPath(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    return datapath::resolve(existingPath(info.path()), info.fileName());
}

QString messageHtml(const QString& text)
{
    return QStringLiteral("<p style=\"margin:24px;font-size:13pt;\">%1</p>").arg(text.toHtmlEscaped());
}

} // namespace

QString decodePage(const QByteArray& bytes)
{
    const QString charset = namedCharset(bytes);
    if (!charset.isEmpty() && charset != QLatin1String("windows-1251") && charset != QLatin1String("cp1251")) {
        QStringDecoder decoder(qPrintable(charset));
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return cp1251::decode(bytes);
}

QString missingPageText(const QString& path)
{
    return QStringLiteral("Страница не найдена: %1").arg(QFileInfo(path).fileName());
}

CourseBrowser::CourseBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

void CourseBrowser::showFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        showMessage(missingPageText(path));
        return;
    }
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        setPlainText(linefile::read(path).value_or(QStringList()).join(QLatin1Char('\n')));
        return;
    }
    setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

void CourseBrowser::showMessage(const QString& text)
{
    setHtml(messageHtml(text));
}

QVariant CourseBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    const QString path = existingPath(url.toLocalFile());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (type == QTextDocument::HtmlResource)
            return messageHtml(missingPageText(path));
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (type == QTextDocument::HtmlResource)
        return decodePage(bytes);
    return bytes;
}
