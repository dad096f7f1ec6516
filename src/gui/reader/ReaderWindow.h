#pragma once

#include "gui/reader/ReaderFaces.h"

#include <QHash>
#include <QWidget>

class AppContext;
class CourseBrowser;
class QPushButton;
class QStatusBar;

// The reader: one course page at a time, stepping through the paragraphs in
// the order of the contents, with the student's bookmark. Loaded anew each
// time it is shown; closing it brings back the main menu unless it is
// handing over to the contents window.
class frmReadLearn : public QWidget {
    Q_OBJECT
public:
    explicit frmReadLearn(AppContext& context);

    QPushButton* btnPrev;
    QPushButton* btnNext;
    QPushButton* btnZaklad1;
    QPushButton* btnZaklad2;
    QPushButton* btnChGlava;
    QPushButton* btnExit;
    CourseBrowser* WebBrowser1;
    QStatusBar* sbStatusBar;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const char* name, int leftTwips, int widthTwips, readerfaces::Face face,
                           const QString& toolTip, const QString& hint);
    void layOut(bool atLoad);
    void showCurrentPage();
    void step(bool forward);
    void layBookmark();
    void goToBookmark();
    void openContents();

    AppContext& context_;
    QHash<QObject*, QString> hints_;
};
