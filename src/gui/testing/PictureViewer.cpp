#include "gui/testing/PictureViewer.h"

#include "core/common/DataPath.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowDrag.h"
#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

// Shown in place of a picture that is missing or refused, so the viewer still
// has something to size itself by.
QPixmap placeholder(const QString& name)
{
    QPixmap pixmap(360, 200);
    pixmap.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 2, Qt::DashLine));
    painter.drawRect(pixmap.rect().adjusted(2, 2, -3, -3));
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSize(11);
    painter.setFont(font);
    painter.drawText(pixmap.rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("Рисунок «%1» не найден.").arg(name));
    return pixmap;
}

} // namespace

PICview::PICview(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , context_(context)
    , captionText_(pictureCaptionText())
{
    setObjectName(QStringLiteral("PICview"));
    setAttribute(Qt::WA_DeleteOnClose);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->installEventFilter(this);
    new WindowDrag(this, {Image1});

    comm1 = new QPushButton(QStringLiteral("уменьшить"), this);
    comm1->setObjectName(QStringLiteral("comm1"));
    comm2 = new QPushButton(QStringLiteral("увеличить"), this);
    comm2->setObjectName(QStringLiteral("comm2"));
    connect(comm1, &QPushButton::clicked, this, &PICview::zoomOut);
    connect(comm2, &QPushButton::clicked, this, &PICview::zoomIn);

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timer"));
    timer->setInterval(200);
    connect(timer, &QTimer::timeout, this, &PICview::scrollCaption);
}

PICview::~PICview() = default;

void PICview::open(QWidget* owner)
{
    pictureName_ = context_.state.testing.run.pictureName;
    context_.state.testing.run.pictureViewerOpen = true;
    const QPixmap picture = loadPicture();
    zoom_ = std::make_unique<PictureZoom>(toTwips(picture.width()), toTwips(picture.height()));
    layOut();
    if (owner)
        move(owner->frameGeometry().topRight() + QPoint(8, 0));
    setWindowTitle(captionText_);
    show();
    timer->start();
}

QPixmap PICview::loadPicture() const
{
    // Picture names come from files other computers may write.
    if (pictureName_.isEmpty() || !datapath::staysInside(pictureName_))
        return placeholder(pictureName_);
    const QPixmap picture(context_.data().file(QStringLiteral("jpg\\") + pictureName_ + QStringLiteral(".jpg")));
    return picture.isNull() ? placeholder(pictureName_) : picture;
}

void PICview::layOut()
{
    const PictureZoom::Layout l = zoom_->layout();
    Image1->setPixmap(loadPicture()); // read anew at every step, as the file may have changed
    Image1->setGeometry(twips(10), twips(10), twips(l.pictureWidth), twips(l.pictureHeight));
    setFixedSize(twips(l.clientWidth), twips(l.clientHeight));
    comm1->setText(l.zoomOutCaption);
    comm2->setText(l.zoomInCaption);
    comm1->setGeometry(twips(10), twips(l.buttonTop), twips(l.buttonWidth), twips(l.buttonHeight));
    comm2->setGeometry(twips(l.zoomInLeft), twips(l.buttonTop), twips(l.buttonWidth), twips(l.buttonHeight));
    comm1->setEnabled(zoom_->canZoomOut());
    comm2->setEnabled(zoom_->canZoomIn());
}

void PICview::zoomOut()
{
    context_.sounds.play(Effect::Click);
    zoom_->zoomOut();
    layOut();
}

void PICview::zoomIn()
{
    context_.sounds.play(Effect::Click);
    zoom_->zoomIn();
    layOut();
}

void PICview::toggleZoom()
{
    zoom_->toggle();
    layOut();
}

void PICview::scrollCaption()
{
    captionText_ = ::scrollCaption(captionText_);
    setWindowTitle(captionText_);
}

void PICview::closeEvent(QCloseEvent* event)
{
    timer->stop();
    context_.sounds.play(Effect::Click);
    context_.state.testing.run.pictureViewerOpen = false;
    event->accept();
}

bool PICview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        toggleZoom();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
