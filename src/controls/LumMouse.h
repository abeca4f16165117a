#pragma once
// What the controls and windows share about the mouse: the hook type that
// hands a control's events to a window (dragging it), and the rule of a
// click: a left press and a left release, both on the control.

#include <functional>

class QMouseEvent;
class QWidget;

using TMouseHook = std::function<void(QWidget* Sender, QMouseEvent* Event)>;

class TClickTracker {
public:
    void Press(const QMouseEvent& event);
    // True when this release completes a click on widget. Releases of other
    // buttons change nothing.
    bool Release(const QWidget& widget, const QMouseEvent& event);

private:
    bool LeftPressed = false;
};
