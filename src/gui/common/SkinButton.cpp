#include "gui/common/SkinButton.h"

#include "core/common/DataPath.h"

#include <QMouseEvent>
#include <QPixmap>

SkinButton::SkinButton(const QString& skinFolder, const QString& area, const QString& name, const QString& caption,
                       QWidget* parent)
    : QLabel(parent)
    , folder_(datapath::resolve(skinFolder, area))
    , name_(name)
    , caption_(caption)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
}

void SkinButton::showNormalBitmap()
{
    lit_ = false;
    showBitmap(name_ + QStringLiteral(".bmp"));
}

void SkinButton::showHoverBitmap()
{
    lit_ = true;
    showBitmap(name_ + QStringLiteral("_move.bmp"));
}

void SkinButton::showBitmap(const QString& fileName)
{
    const QPixmap bitmap(datapath::resolve(folder_, fileName));
    if (!bitmap.isNull()) {
        setStyleSheet(QString());
        setPixmap(bitmap);
        setFixedSize(bitmap.size());
        return;
    }
    setPixmap(QPixmap());
    setText(caption_);
    setStyleSheet(lit_ ? QStringLiteral("QLabel{border:2px solid #ffd54a;background:#35507a;color:#fff;padding:4px;}")
                       : QStringLiteral("QLabel{border:2px solid #8aa0c0;background:#22385a;color:#e8eef8;padding:4px;}"));
    adjustSize();
    setFixedSize(sizeHint().expandedTo(QSize(90, 28)));
}

void SkinButton::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    event->accept();
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
