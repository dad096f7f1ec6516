#include "gui/common/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window, const QList<QWidget*>& areas)
    : QObject(window)
    , window_(window)
    , areas_(areas)
{
    window_->installEventFilter(this);
    for (QWidget* area : areas_)
        area->installEventFilter(this);
}

bool WindowDrag::startsDrag(QObject* watched, const QPoint& globalPos) const
{
    if (areas_.contains(watched))
        return true;
    if (watched != window_)
        return false;
    // Presses that bubble up from other controls do not move the window.
    QWidget* under = window_->childAt(window_->mapFromGlobal(globalPos));
    return under == nullptr || areas_.contains(under);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (!startsDrag(watched, global))
            return false;
        QWindow* handle = window_->windowHandle();
        manual_ = handle == nullptr || !handle->startSystemMove();
        grabOffset_ = global - window_->pos();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (manual_ && mouse->buttons() != Qt::NoButton) {
            window_->move(mouse->globalPosition().toPoint() - grabOffset_);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        manual_ = false;
        return false;
    default:
        return false;
    }
}
