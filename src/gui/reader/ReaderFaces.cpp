#include "gui/reader/ReaderFaces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace readerfaces {

namespace {

constexpr int kSize = 32;
const QColor kInk(0x1d, 0x2f, 0x4d);
const QColor kRibbon(0xc0, 0x39, 0x2b);

void drawArrow(QPainter& painter, bool forward)
{
    QPainterPath arrow;
    arrow.moveTo(4, 12);
    arrow.lineTo(16, 12);
    arrow.lineTo(16, 4);
    arrow.lineTo(29, 16);
    arrow.lineTo(16, 28);
    arrow.lineTo(16, 20);
    arrow.lineTo(4, 20);
    arrow.closeSubpath();
    if (!forward) {
        painter.translate(kSize, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(0x3a, 0x6f, 0xb0));
    painter.drawPath(arrow);
}

void drawRibbon(QPainter& painter)
{
    QPainterPath ribbon;
    ribbon.moveTo(8, 2);
    ribbon.lineTo(24, 2);
    ribbon.lineTo(24, 30);
    ribbon.lineTo(16, 23);
    ribbon.lineTo(8, 30);
    ribbon.closeSubpath();
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(kRibbon);
    painter.drawPath(ribbon);
}

void drawFace(QPainter& painter, Face face)
{
    switch (face) {
    case Face::Previous:
    case Face::Next:
        drawArrow(painter, face == Face::Next);
        break;
    case Face::LayBookmark:
        drawRibbon(painter);
        painter.setPen(QPen(Qt::white, 2.5));
        painter.drawLine(QPointF(16, 7), QPointF(16, 17));
        painter.drawLine(QPointF(11, 12), QPointF(21, 12));
        break;
    case Face::GoToBookmark:
        drawRibbon(painter);
        painter.setPen(QPen(Qt::white, 2.5));
        painter.drawLine(QPointF(11, 12), QPointF(20, 12));
        painter.drawLine(QPointF(16, 8), QPointF(20, 12));
        painter.drawLine(QPointF(16, 16), QPointF(20, 12));
        break;
    case Face::Contents:
        painter.setPen(QPen(kInk, 1.5));
        painter.setBrush(QColor(0xf4, 0xf6, 0xfa));
        painter.drawRect(QRectF(5, 3, 22, 26));
        for (int row = 0; row < 4; ++row) {
            const qreal y = 9 + row * 5.5;
            painter.drawLine(QPointF(row % 2 ? 13 : 9, y), QPointF(23, y));
        }
        break;
    case Face::Exit:
        painter.setPen(QPen(kInk, 1.5));
        painter.setBrush(QColor(0x8a, 0x5a, 0x2b));
        painter.drawRect(QRectF(4, 3, 14, 26));
        painter.setPen(QPen(kRibbon, 3));
        painter.drawLine(QPointF(14, 16), QPointF(29, 16));
        painter.drawLine(QPointF(23, 10), QPointF(29, 16));
        painter.drawLine(QPointF(23, 22), QPointF(29, 16));
        break;
    }
}

} // namespace

QIcon icon(Face face)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFace(painter, face);
    painter.end();
    return QIcon(pixmap);
}

} // namespace readerfaces
