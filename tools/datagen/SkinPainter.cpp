#include "SkinPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage paintSkinButton(const QString& caption, int width, int height, bool lit)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x1a, 0x2c, 0x48));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient plate(0, 0, 0, height);
    plate.setColorAt(0, lit ? QColor(0x5b, 0x8c, 0xd6) : QColor(0x3a, 0x5a, 0x8c));
    plate.setColorAt(1, lit ? QColor(0x2c, 0x55, 0x96) : QColor(0x1f, 0x35, 0x5a));
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5, 1.5, width - 3, height - 3), 7, 7);
    painter.fillPath(path, plate);
    painter.setPen(QPen(lit ? QColor(0xff, 0xd5, 0x4a) : QColor(0x8a, 0xa0, 0xc0), lit ? 2.5 : 1.5));
    painter.drawPath(path);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(10, qMin(height / 2 - 2, 15)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(lit ? QColor(0xff, 0xf3, 0xc4) : QColor(0xe8, 0xee, 0xf8));
    painter.drawText(QRect(4, 0, width - 8, height), Qt::AlignCenter | Qt::TextWordWrap, caption);
    return image;
}
