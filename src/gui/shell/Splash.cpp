#include "gui/shell/Splash.h"

#include "gui/shell/AppContext.h"
#include "platform/SoundEffects.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;

void paintLogo(QPainter& painter, const QPointF& at)
{
    // A three-aspect signal head: the program's emblem.
    QPainterPath head;
    head.addRoundedRect(QRectF(at.x(), at.y(), 56, 130), 12, 12);
    painter.fillPath(head, QColor(0x15, 0x15, 0x15));
    painter.setPen(QPen(QColor(0x9a, 0xa4, 0xb4), 2));
    painter.drawPath(head);
    const QColor lamps[] = {QColor(0xe5, 0x39, 0x35), QColor(0xff, 0xd2, 0x3a), QColor(0x2f, 0xd3, 0x5a)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(lamps[i]);
        painter.drawEllipse(QPointF(at.x() + 28, at.y() + 26 + i * 39), 14, 14);
    }
}

} // namespace

frmSplash::frmSplash(AppContext& context)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , context_(context)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }
    Часы1 = new QTimer(this);
    Часы1->setObjectName(QStringLiteral("Часы1"));
    Часы1->setInterval(1500);
    Часы1->setSingleShot(true);
    connect(Часы1, &QTimer::timeout, this, &frmSplash::finish);
    Часы1->start();
}

void frmSplash::finish()
{
    if (finished_)
        return;
    finished_ = true;
    Часы1->stop();
    close();
    context_.showMainMenu();
    context_.sounds.play(Effect::Thanks);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0x1c, 0x3b, 0x6b));
    sky.setColorAt(1, QColor(0x0c, 0x17, 0x2a));
    painter.fillRect(rect(), sky);
    painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 4));
    painter.drawLine(QPointF(0, kHeight - 40), QPointF(kWidth, kHeight - 40));
    painter.drawLine(QPointF(0, kHeight - 28), QPointF(kWidth, kHeight - 28));
    paintLogo(painter, QPointF(kWidth - 100, 60));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(44);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(36, 60, 360, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lumora"));
    font.setPixelSize(15);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(0xe8, 0xee, 0xf8));
    painter.drawText(QRect(36, 126, 360, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Техническое обслуживание устройств СЦБ\nучебный курс с проверкой знаний"));
    painter.setPen(QColor(0x8a, 0xa0, 0xc0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
