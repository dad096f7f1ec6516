#include "gui/reader/AboutWindow.h"

#include "gui/common/SkinButton.h"
#include "gui/common/Twips.h"
#include "gui/reader/CourseBrowser.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

namespace {

const QColor kBackground(39, 38, 43);
constexpr int kTuneDelayMs = 3000;

CourseBrowser* addPage(QWidget* window, const char* name, const QRect& twipsArea)
{
    auto* browser = new CourseBrowser(window);
    browser->setObjectName(QString::fromLatin1(name));
    browser->setFrameShape(QFrame::NoFrame);
    browser->setGeometry(twips(twipsArea.x()), twips(twipsArea.y()), twips(twipsArea.width()),
                         twips(twipsArea.height()));
    return browser;
}

} // namespace

frmWebABOUT::frmWebABOUT(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmWebABOUT"));
    setWindowTitle(QStringLiteral("О программе и создателях"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(7680), twips(8370));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    // Both pages stand partly outside the window: only the lower part of the
    // upper page and the middle of the lower one show.
    brOUser2 = addPage(this, "brOUser2", QRect(-180, -2430, 8340, 9420));
    brOUser3 = addPage(this, "brOUser3", QRect(-2475, 5265, 12165, 2400));

    Комманда1 = new SkinButton(context_.state.skinFolder, QStringLiteral("help"), QStringLiteral("return"),
                               QStringLiteral("Вернуться"), this);
    Комманда1->setObjectName(QStringLiteral("Комманда1"));
    Комманда1->move(twips(1298), twips(7730));
    connect(Комманда1, &SkinButton::clicked, this, &QWidget::close);

    TIMer = new QTimer(this);
    TIMer->setObjectName(QStringLiteral("TIMer"));
    TIMer->setInterval(kTuneDelayMs);
    connect(TIMer, &QTimer::timeout, this, &frmWebABOUT::startTune);

    // Loading.
    Комманда1->showNormalBitmap();
    brOUser2->showFile(context_.data().file(QStringLiteral("htm\\about\\about.htm")));
    brOUser3->showFile(context_.data().file(QStringLiteral("htm\\about\\1\\about.htm")));
    TIMer->start();
}

void frmWebABOUT::startTune()
{
    context_.sounds.play(Effect::Pause);
    TIMer->stop();
}

void frmWebABOUT::closeEvent(QCloseEvent* event)
{
    TIMer->stop();
    context_.sounds.play(Effect::Close);
    context_.showMainMenu();
    event->accept();
}
