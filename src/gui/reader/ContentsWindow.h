#pragma once

#include "core/reader/ContentsFile.h"

#include <QWidget>

class AppContext;
class QLabel;
class QTreeWidget;
class SkinButton;
class SkinSet;

// The course's table of contents as a tree: the course, its sections and
// their chapters and paragraphs. Opens the reader on the chosen page or on
// the bookmark. Handing over to the reader only hides it, so the tree keeps
// its expanded nodes; closing it discards the tree.
class frmChGlava : public QWidget {
    Q_OBJECT
public:
    explicit frmChGlava(AppContext& context);

    // Reads the contents file and builds the tree. False when the file cannot
    // be read; lines the table has no room for are reported and left out.
    bool load();

    QLabel* Рисунок1;
    QTreeWidget* tv1;
    SkinButton* btnOpen;
    SkinButton* btnZaklad;
    SkinButton* btnCancel;
    QLabel* labDown;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTree();
    void openSelected();
    void openBookmark();
    void cancel();
    void handOverToReader();

    AppContext& context_;
    SkinSet* skins_;
    ContentsFile contents_;
};
