#include "core/testing/PictureZoom.h"

PictureZoom::PictureZoom(int naturalWidth, int naturalHeight)
    : naturalWidth_(naturalWidth)
    , naturalHeight_(naturalHeight)
{
}

void PictureZoom::zoomOut()
{
    stepped_ = true;
    if (percent_ != kFloorPercent)
        percent_ -= 10;
    if (percent_ == kFloorPercent)
        zoomOutEnabled_ = false;
    zoomInEnabled_ = true;
}

void PictureZoom::zoomIn()
{
    stepped_ = true;
    percent_ += 10;
    zoomOutEnabled_ = percent_ != kFloorPercent;
}

void PictureZoom::toggle()
{
    stepped_ = true;
    if (percent_ == 100) {
        percent_ = kFloorPercent;
        zoomInEnabled_ = true;
        zoomOutEnabled_ = false;
    } else {
        percent_ = 100;
        zoomOutEnabled_ = true;
        zoomInEnabled_ = false;
    }
}

PictureZoom::Layout PictureZoom::layout() const
{
    Layout l{};
    l.pictureWidth = static_cast<int>(static_cast<long long>(percent_) * naturalWidth_ / 100);
    l.pictureHeight = static_cast<int>(static_cast<long long>(percent_) * naturalHeight_ / 100);
    l.clientWidth = l.pictureWidth + 100;
    l.clientHeight = l.pictureHeight + 495 + (stepped_ ? 10 : 0);
    const bool wide = l.clientWidth > 2890;
    l.zoomOutCaption = wide ? QStringLiteral("уменьшить") : QStringLiteral("-");
    l.zoomInCaption = wide ? QStringLiteral("увеличить") : QStringLiteral("+");
    l.buttonTop = l.pictureHeight + 15;
    l.buttonWidth = l.pictureWidth / 2 - 10;
    l.zoomInLeft = l.pictureWidth / 2 + 20;
    l.buttonHeight = l.clientHeight - 10 - l.pictureHeight - 15 - 10;
    return l;
}

QString scrollCaption(const QString& caption)
{
    return caption.isEmpty() ? caption : caption.mid(1) + caption.front();
}

QString pictureCaptionText()
{
    return QStringLiteral("Рисунок для самостоятельного ответа.    ");
}
