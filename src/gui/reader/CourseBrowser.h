#pragma once

#include <QTextBrowser>

// The embedded browser of the reader, help and about windows. Course pages
// are windows-1251 unless they name another charset, which Qt's own
// detection would garble; names below the page's folder match regardless of
// letter case, like the rest of the data folder. A missing page shows a
// plain message instead of an empty view.
class CourseBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit CourseBrowser(QWidget* parent = nullptr);

    // An HTML page, or a plain text file (".txt") shown as it is.
    void showFile(const QString& path);
    void showMessage(const QString& text);

    QVariant loadResource(int type, const QUrl& name) override;
};

// Decodes an HTML page: the charset it names, windows-1251 otherwise.
QString decodePage(const QByteArray& bytes);

// The text shown in place of a page that does not exist.
QString missingPageText(const QString& path);
