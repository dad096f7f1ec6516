#include "gui/reader/ContentsWindow.h"

#include "gui/common/Backdrop.h"
#include "gui/common/PictureButton.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowDrag.h"
#include "gui/reader/ReaderModes.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/MessageWindows.h"
#include "platform/SoundEffects.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTreeWidget>

namespace {

constexpr int kWidth = twips(11445);
constexpr int kHeight = twips(6255);
const QRect kTreeArea(twips(2760), twips(840), twips(8310), twips(4555));
constexpr int kTitleStrip = twips(840) - 8;
constexpr int kBottomStrip = 34;

const QString kNeutralHint =
    QStringLiteral("Выберите двойным щелчком мыши раздел, главу или параграф и нажмите кнопку \"выбрать\".");

QString unplacedLinesText(const QString& path, const QList<int>& lines)
{
    constexpr int kListed = 10;
    QStringList numbers;
    for (int k = 0; k < lines.size() && k < kListed; ++k)
        numbers.append(QString::number(lines[k]));
    if (lines.size() > kListed)
        numbers.append(QStringLiteral("…"));
    return QStringLiteral("Оглавление %1 не поместилось целиком (не больше 25 разделов по 35 записей "
                          "после названия курса). Не показаны строки: %2.")
        .arg(QDir::toNativeSeparators(path), numbers.join(QStringLiteral(", ")));
}

} // namespace

frmChGlava::frmChGlava(AppContext& context)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window)
    , context_(context)
{
    setObjectName(QStringLiteral("frmChGlava"));
    setWindowTitle(QStringLiteral("Содержание"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    Рисунок1 = new QLabel(windowTitle(), this);
    Рисунок1->setObjectName(QStringLiteral("Рисунок1"));
    Рисунок1->setGeometry(0, 0, kWidth - 60, kTitleStrip);
    Рисунок1->setIndent(20);
    Рисунок1->setStyleSheet(QStringLiteral("color:#e8eef8;font-size:16pt;font-weight:bold;"));

    tv1 = new QTreeWidget(this);
    tv1->setObjectName(QStringLiteral("tv1"));
    tv1->setGeometry(kTreeArea);
    tv1->setHeaderHidden(true);
    // Long paragraph titles scroll sideways instead of being cut short.
    tv1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tv1->header()->setStretchLastSection(false);
    tv1->setStyleSheet(QStringLiteral("QTreeWidget{background:#f4f6fa;color:#14233c;font-size:10pt;}"));

    labDown = new QLabel(kNeutralHint, this);
    labDown->setObjectName(QStringLiteral("labDown"));
    labDown->setGeometry(12, kHeight - kBottomStrip, kWidth - 24, kBottomStrip);
    labDown->setStyleSheet(QStringLiteral("color:#ffd54a;font-size:10pt;"));

    skins_ = new SkinSet(this, labDown, kNeutralHint);
    const auto addButton = [this](const char* name, const QString& bitmap, const QString& caption, const QString& hint) {
        auto* button = new SkinButton(context_.state.skinFolder, QStringLiteral("soderj"), bitmap, caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setHint(hint);
        skins_->add(button);
        button->showNormalBitmap();
        return button;
    };
    btnOpen = addButton("btnOpen", QStringLiteral("select"), QStringLiteral("выбрать"),
                        QStringLiteral("Нажми чтобы перейти к чтению"));
    btnZaklad = addButton("btnZaklad", QStringLiteral("zak"), QStringLiteral("закладка"),
                          QStringLiteral("Нажми чтобы читать параграф на котором закладка"));
    btnCancel = addButton("btnCancel", QStringLiteral("cancel"), QStringLiteral("назад"),
                          QStringLiteral("Нажми чтобы вернуться в предыдушее меню"));
    int top = kTreeArea.top() + 10;
    for (SkinButton* button : {btnOpen, btnZaklad, btnCancel}) {
        button->move((kTreeArea.left() - button->width()) / 2, top);
        top += button->height() + 16;
    }
    skins_->addPlainArea(Рисунок1);

    const CornerButtons corner = CornerButtons::attach(this);
    connect(corner.minimise, &PictureButton::clicked, this, &QWidget::showMinimized);
    connect(corner.close, &PictureButton::clicked, this, &QWidget::close);
    new WindowDrag(this, {Рисунок1});

    connect(btnOpen, &SkinButton::clicked, this, &frmChGlava::openSelected);
    connect(btnZaklad, &SkinButton::clicked, this, &frmChGlava::openBookmark);
    connect(btnCancel, &SkinButton::clicked, this, &frmChGlava::cancel);
}

bool frmChGlava::load()
{
    const QString path = context_.data().file(QStringLiteral("soderjanie.txt"));
    if (!contents_.load(path))
        return false;
    if (!contents_.unplacedLines().isEmpty())
        showWarning(context_, unplacedLinesText(path, contents_.unplacedLines()));
    btnZaklad->setVisible(!context_.state.userBookmark.isEmpty());
    buildTree();
    return true;
}

void frmChGlava::buildTree()
{
    tv1->clear();
    const ContentsTree tree = ContentsTree::build(contents_);
    auto* root = new QTreeWidgetItem(tv1, {tree.root});
    for (const ContentsTree::Section& section : tree.sections) {
        auto* sectionItem = new QTreeWidgetItem(root, {section.title});
        for (const QString& entry : section.entries)
            new QTreeWidgetItem(sectionItem, {entry});
    }
}

void frmChGlava::showEvent(QShowEvent* event)
{
    // Every showing refreshes the pictures and the bookmark button; the tree
    // stays as the student left it.
    skins_->resetToNeutral();
    btnZaklad->setVisible(!context_.state.userBookmark.isEmpty());
    QWidget::showEvent(event);
}

void frmChGlava::openSelected()
{
    // The tree's current item alone is no choice: the view sets one itself
    // when it takes the focus.
    const QList<QTreeWidgetItem*> selected = tv1->selectedItems();
    const QString page = selected.isEmpty() ? QString() : contents_.pageFor(selected.first()->text(0));
    if (page.isEmpty())
        return; // nothing chosen yet: the hint line already says what to do
    context_.sounds.play(Effect::Click);
    context_.state.reader.currentPage = page;
    handOverToReader();
}

void frmChGlava::openBookmark()
{
    context_.sounds.play(Effect::Click);
    context_.state.reader.currentPage = context_.state.userBookmark;
    handOverToReader();
}

void frmChGlava::cancel()
{
    if (context_.state.reader.contentsFromReader)
        handOverToReader();
    else
        close();
    context_.sounds.play(Effect::Cancel);
}

void frmChGlava::handOverToReader()
{
    ReaderState& reader = context_.state.reader;
    reader.leavingForContents = false;
    reader.contentsFromReader = false;
    readerwindows::showReader(context_);
    hide();
}

void frmChGlava::closeEvent(QCloseEvent* event)
{
    context_.state.reader.contentsFromReader = false;
    context_.windows.remove(objectName());
    context_.showMainMenu();
    event->accept();
}

void frmChGlava::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleStrip);
    painter.fillRect(QRect(1, height() - kBottomStrip - 4, width() - 2, kBottomStrip + 3), QColor(0x0b, 0x15, 0x26));
}
