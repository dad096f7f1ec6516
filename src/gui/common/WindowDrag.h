#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class QWidget;

// Lets a borderless window be moved by pressing any mouse button on its
// background or on the areas it names, as if its title bar had been pressed.
// The window manager moves it where there is one; without one (a virtual
// display) the window follows the pointer itself.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    explicit WindowDrag(QWidget* window, const QList<QWidget*>& areas = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool startsDrag(QObject* watched, const QPoint& globalPos) const;

    QWidget* window_;
    QList<QWidget*> areas_;
    bool manual_ = false;
    QPoint grabOffset_;
};
