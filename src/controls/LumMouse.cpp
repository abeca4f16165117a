#include "controls/LumMouse.h"

#include <QMouseEvent>
#include <QWidget>

void TClickTracker::Press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        LeftPressed = true;
}

bool TClickTracker::Release(const QWidget& widget, const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    const bool click = LeftPressed && widget.rect().contains(event.position().toPoint());
    LeftPressed = false;
    return click;
}
