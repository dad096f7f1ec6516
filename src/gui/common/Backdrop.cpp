#include "gui/common/Backdrop.h"

#include <QLinearGradient>
#include <QPainter>

namespace backdrop {

void paint(QPainter& painter, const QRect& rect, int titleBandHeight)
{
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, QColor(0x23, 0x3d, 0x66));
    body.setColorAt(1, QColor(0x10, 0x1d, 0x33));
    painter.fillRect(rect, body);
    if (titleBandHeight > 0) {
        QLinearGradient band(rect.topLeft(), rect.topRight());
        band.setColorAt(0, QColor(0x3a, 0x5f, 0x96));
        band.setColorAt(1, QColor(0x1d, 0x2f, 0x4d));
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), titleBandHeight), band);
    }
    painter.setPen(QColor(0x8a, 0xa0, 0xc0));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace backdrop
