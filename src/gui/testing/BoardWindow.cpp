#include "gui/testing/BoardWindow.h"

#include "core/testing/Grading.h"
#include "core/testing/TestCatalogue.h"
#include "gui/common/Backdrop.h"
#include "gui/common/PictureButton.h"
#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWidth = 599;  // 8985 twips
constexpr int kHeight = 433; // 6495 twips
constexpr int kTitleBand = 30;

const QString kListStyle = QStringLiteral(
    "QListWidget{background:#0f1c31;color:#e8eef8;border:1px solid #8aa0c0;font-size:10pt;}"
    "QListWidget::item{height:20px;}"
    "QListWidget::item:selected{background:#35507a;color:#ffd54a;}");

} // namespace

frmDOSTIG::frmDOSTIG(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmDOSTIG"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);

    const AppState& state = context_.state;
    const QString who = state.userSurname + QStringLiteral("  ") + state.userFirstName;
    setWindowTitle(QStringLiteral("Доска почета пользователя: ") + who);

    auto* title = new QLabel(windowTitle(), this);
    title->setObjectName(QStringLiteral("labTitle"));
    title->setGeometry(14, 0, kWidth - 80, kTitleBand);
    title->setStyleSheet(QStringLiteral("color:#e8eef8;font-weight:bold;"));
    title->setAttribute(Qt::WA_TransparentForMouseEvents);

    metka2 = new QLabel(QStringLiteral("Результаты пользователя: ") + who, this);
    metka2->setObjectName(QStringLiteral("Метка2"));
    metka2->setStyleSheet(QStringLiteral("color:#ffd54a;font-size:13pt;font-weight:bold;"));
    metka2->setGeometry(20, kTitleBand + 8, kWidth - 40, 30);

    SpiS1 = new QListWidget(this);
    SpiS1->setObjectName(QStringLiteral("SpiS1"));
    SpiS2 = new QListWidget(this);
    SpiS2->setObjectName(QStringLiteral("SpiS2"));
    for (QListWidget* list : {SpiS1, SpiS2}) {
        list->setStyleSheet(kListStyle);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    const int listTop = kTitleBand + 46;
    const int listHeight = 14 * 20 + 6;
    SpiS1->setGeometry(20, listTop, 410, listHeight);
    SpiS2->setGeometry(438, listTop, kWidth - 458, listHeight);
    for (int slot = 1; slot <= knowntests::kCount; ++slot) {
        SpiS1->addItem(QString::fromUtf16(knowntests::at(slot).boardRow));
        SpiS2->addItem(markWord(state.userScores[slot]));
    }
    // The name and its mark are highlighted together.
    connect(SpiS1, &QListWidget::currentRowChanged, SpiS2, [this](int row) { SpiS2->setCurrentRow(row); });
    connect(SpiS2, &QListWidget::currentRowChanged, SpiS1, [this](int row) { SpiS1->setCurrentRow(row); });

    comEXIT = new SkinButton(state.skinFolder, QStringLiteral("DOSTIG"), QStringLiteral("return"),
                             QStringLiteral("Вернуться"), this);
    comEXIT->setObjectName(QStringLiteral("comEXIT"));
    auto* skins = new SkinSet(this);
    skins->add(comEXIT);
    comEXIT->showNormalBitmap();
    comEXIT->move(kWidth - comEXIT->width() - 20, kHeight - comEXIT->height() - 14);
    connect(comEXIT, &SkinButton::clicked, this, &frmDOSTIG::leave);

    const CornerButtons corner = CornerButtons::attach(this);
    connect(corner.minimise, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Click);
        showMinimized();
    });
    connect(corner.close, &PictureButton::clicked, this, [this] {
        context_.sounds.play(Effect::Close);
        leave();
    });
    new WindowDrag(this, {metka2});

    TIMer = new QTimer(this);
    TIMer->setObjectName(QStringLiteral("TIMer"));
    TIMer->setSingleShot(true);
    TIMer->setInterval(1000);
    connect(TIMer, &QTimer::timeout, this, &frmDOSTIG::startTune);
    TIMer->start();

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmDOSTIG::startTune()
{
    TIMer->stop();
    context_.sounds.play(Effect::Board);
}

void frmDOSTIG::leave()
{
    context_.sounds.play(Effect::Close);
    close();
}

void frmDOSTIG::closeEvent(QCloseEvent* event)
{
    TIMer->stop();
    context_.sounds.play(Effect::Click); // ends the looping tune
    context_.showMainMenu();
    event->accept();
}

void frmDOSTIG::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paint(painter, rect(), kTitleBand);
}
