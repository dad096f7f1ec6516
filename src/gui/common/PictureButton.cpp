#include "gui/common/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawGlyph(PictureButton::Glyph glyph)
{
    QPixmap pixmap(18, 18);
    pixmap.fill(QColor(0x1d, 0x2f, 0x4d));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xe8, 0xee, 0xf8), 2));
    painter.drawRect(QRectF(0.5, 0.5, 17, 17));
    if (glyph == PictureButton::Glyph::Minimise) {
        painter.drawLine(QPointF(5, 12.5), QPointF(13, 12.5));
    } else {
        painter.drawLine(QPointF(5, 5), QPointF(13, 13));
        painter.drawLine(QPointF(13, 5), QPointF(5, 13));
    }
    return pixmap;
}

} // namespace

PictureButton::PictureButton(Glyph glyph, const QString& objectName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setPixmap(drawGlyph(glyph));
    setFixedSize(18, 18);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

CornerButtons CornerButtons::attach(QWidget* window)
{
    CornerButtons corner{new PictureButton(PictureButton::Glyph::Minimise, QStringLiteral("btnSVER"), window),
                         new PictureButton(PictureButton::Glyph::Close, QStringLiteral("btnUNLOAD"), window)};
    corner.place(window);
    return corner;
}

void CornerButtons::place(QWidget* window) const
{
    close->move(window->width() - close->width() - 6, 6);
    minimise->move(close->x() - minimise->width() - 4, 6);
    minimise->raise();
    close->raise();
}
