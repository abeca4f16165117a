#pragma once
// TLabel: a transparent caption (QLabel) that can be clicked and can hand its
// mouse events to a window's drag handlers. OnClick fires for a left press
// and release on the label. When any of the three mouse hooks is assigned,
// the label's mouse events go to the hooks (Sender is the label, positions in
// its coordinates). Mouse events never reach the parent: a press on a label
// without hooks does not drag its window.

#include "controls/LumCursors.h"
#include "controls/LumMouse.h"

#include <QLabel>

#include <functional>

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(const QString& text, QWidget* parent = nullptr);

    // Font colour, kept in the label's palette.
    void SetFontColor(const QColor& color);
    // Shows the text, cut with an ellipsis where it would be wider than
    // maxWidth (a name isolated in it gives way first: ElideName), and takes
    // the size of what it shows.
    void SetTextWithin(const QString& text, int maxWidth);
    void SetCursor(TCursor cursor) { ApplyCursor(*this, cursor); }
    // A tab stop is reached by Tab only, wears the focus frame while the
    // keyboard is in use, and fires OnClick for Enter or Space.
    void SetTabStop(bool value);

    std::function<void(TLabel* Sender)> OnClick;
    TMouseHook OnMouseDown;
    TMouseHook OnMouseMove;
    TMouseHook OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool HasHooks() const { return OnMouseDown || OnMouseMove || OnMouseUp; }
    TClickTracker Click;
};
