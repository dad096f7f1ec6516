#include "gui/reader/HelpWindow.h"

#include "gui/common/SkinButton.h"
#include "gui/common/SkinSet.h"
#include "gui/common/Twips.h"
#include "gui/reader/CourseBrowser.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QCloseEvent>
#include <QFile>
#include <QPainter>
#include <QScreen>

namespace {

const QColor kBackground(54, 61, 69);

QString historyCopyPath(const AppContext& context)
{
    return context.data().file(QStringLiteral("htm\\history.txt"));
}

} // namespace

frmHELP::frmHELP(AppContext& context, QWidget* opener)
    : QWidget(nullptr, Qt::Window)
    , context_(context)
    , opener_(opener)
{
    setObjectName(QStringLiteral("frmHELP"));
    setWindowTitle(QStringLiteral("Помощь"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twips(9660), twips(5190));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    WebBrowser2 = new CourseBrowser(this);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    Комманда1 = new SkinButton(context_.state.skinFolder, QStringLiteral("help"), QStringLiteral("return"),
                               QStringLiteral("Вернуться"), this);
    Комманда1->setObjectName(QStringLiteral("Комманда1"));
    Комманда1->showNormalBitmap();
    auto* skins = new SkinSet(this);
    skins->add(Комманда1);
    connect(Комманда1, &SkinButton::clicked, this, [this] {
        context_.sounds.play(Effect::Close);
        close();
    });

    // Loading.
    layOut(true);
    const AppState& state = context_.state;
    if (state.helpFromConsole) {
        WebBrowser2->showFile(context_.data().file(QStringLiteral("htm\\Помощь для сетевой версии.htm")));
        if (opener_)
            opener_->hide();
    } else if (state.reader.showResultsHistory) {
        WebBrowser2->showFile(historyCopyPath(context_));
        setWindowTitle(QStringLiteral("История сохраненных результатов тестов"));
        if (opener_)
            setWindowIcon(opener_->windowIcon());
    } else {
        WebBrowser2->showFile(context_.data().file(QStringLiteral("htm\\help.htm")));
    }
}

void frmHELP::layOut(bool atLoad)
{
    const int browserHeight = height() - twips(1250);
    if (atLoad) {
        WebBrowser2->setGeometry(0, 0, width(), std::max(browserHeight, 0));
    } else {
        WebBrowser2->resize(std::max(width() - twips(130), 0),
                            browserHeight > 0 ? browserHeight : WebBrowser2->height());
    }
    Комманда1->move((width() - Комманда1->width()) / 2, height() - Комманда1->height() - twips(500));
}

void frmHELP::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut(false);
}

void frmHELP::closeEvent(QCloseEvent* event)
{
    AppState& state = context_.state;
    if (state.helpFromConsole) {
        state.helpFromConsole = false;
        if (opener_)
            opener_->show();
    } else if (state.reader.showResultsHistory) {
        if (opener_)
            opener_->show();
        QFile::remove(historyCopyPath(context_));
        state.reader.showResultsHistory = false;
    } else {
        context_.showMainMenu();
    }
    event->accept();
}

void frmHELP::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    // A faint light from the top left behind the document.
    QRadialGradient glow(QPointF(0, 0), std::max(width(), height()));
    glow.setColorAt(0, QColor(255, 255, 255, 28));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(rect(), glow);
}
