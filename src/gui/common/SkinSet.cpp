#include "gui/common/SkinSet.h"

#include "gui/common/SkinButton.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

SkinSet::SkinSet(QWidget* window, QLabel* statusLine, QString neutralText)
    : QObject(window)
    , window_(window)
    , statusLine_(statusLine)
    , neutralText_(std::move(neutralText))
{
    window_->setMouseTracking(true);
    window_->installEventFilter(this);
}

void SkinSet::add(SkinButton* button)
{
    buttons_.append(button);
    connect(button, &SkinButton::pointerMoved, this, [this, button] { light(button); });
}

void SkinSet::addPlainArea(QWidget* area)
{
    plainAreas_.append(area);
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

void SkinSet::showAllNormal()
{
    for (SkinButton* button : std::as_const(buttons_))
        button->showNormalBitmap();
}

void SkinSet::resetToNeutral()
{
    showAllNormal();
    if (statusLine_)
        statusLine_->setText(neutralText_);
}

void SkinSet::light(SkinButton* button)
{
    for (SkinButton* other : std::as_const(buttons_)) {
        if (other != button)
            other->showNormalBitmap();
    }
    button->showHoverBitmap();
    if (statusLine_)
        statusLine_->setText(button->hint());
}

bool SkinSet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == window_ || plainAreas_.contains(watched))) {
        // A move that bubbled up from a button is the button's own business.
        const QWidget* under = window_->childAt(window_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
        const bool overButton = std::any_of(buttons_.cbegin(), buttons_.cend(),
                                            [under](const SkinButton* b) { return b == under; });
        if (!overButton)
            resetToNeutral();
    }
    return false;
}
