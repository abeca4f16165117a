#pragma once
// Two picture controls on the skin image list:
//
// TLumImageBevel paints a resizable background out of nine frames, appended
// in slot order: 0 top-left corner, 1 top edge, 2 top-right corner, 3 left
// edge, 4 right edge, 5 bottom-left corner, 6 bottom edge, 7 bottom-right
// corner, 8 centre fill. An empty picture leaves its element out. Every grid
// is anchored at the control's top-left corner, so repainting any part gives
// the same pixels as repainting the whole. Its mouse events all go to the
// OnMouseDown / OnMouseMove / OnMouseUp hooks (dragging the window), plus
// OnClick (left press and release on the control) and OnDblClick.
//
// TLumImageSlider is a horizontal slider: frame 0 is the track (a picture of
// the whole control), frame 1 the thumb. The thumb's centre runs from
// x = StartPos (at Min) to x = Width - StartPos (at Max). A left press on the
// thumb's position step starts a drag; any release moves the thumb to the
// released x. When the range is empty (Max = Min) or the control is not
// wider than 2 x StartPos, every x maps to Min and the thumb sits at the
// Min place: the scale is never divided by. Keyboard: Left and Down step
// down, Right and Up step up, PageDown and PageUp by a fifth of the range,
// Home and End go to Min and Max; the focused slider wears the focus frame.

#include "controls/LumImageList.h"

#include <QColor>

class TLumImageBevel : public TLumCustomImageList {
    Q_OBJECT
public:
    explicit TLumImageBevel(QWidget* parent = nullptr);

    // Both setters repaint, even for an unchanged value.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool BgColor() const { return FBgColor; }
    void SetBgColor(bool value);
    // With BgColor, the background is the parent's window colour when
    // ParentColor is set, else Color.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    const QColor& Color() const { return FColor; }
    void SetColor(const QColor& value);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PaintBackground(QPainter& canvas, const QRect& clip) const;
    void PaintStretchedEdges(QPainter& canvas, const QRect& clip) const;
    void PaintTiledEdges(QPainter& canvas, const QRect& clip) const;
    void PaintCorners(QPainter& canvas, const QRect& clip) const;
    // Copies of the frame laid from origin in steps of its size along the
    // band, only where they meet clip.
    void TileFrame(QPainter& canvas, int frame, const QRect& band, const QRect& clip) const;

    bool FStretch = true;
    bool FBgColor = false;
    bool FParentColor = true;
    QColor FColor;
    TClickTracker Click;
};

enum TTrackBarOrientation { trHorizontal, trVertical };

class TLumImageSlider : public TLumCustomImageList {
    Q_OBJECT
public:
    explicit TLumImageSlider(QWidget* parent = nullptr);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    int StartPos() const { return FStartPos; }
    int ThumbTop() const { return FThumbTop; }
    TTrackBarOrientation Orientation() const { return FOrientation; }

    // Both go through SetRange.
    void SetMin(int value);
    void SetMax(int value);
    // Max is raised to Min if lower, Position clamped into the range (raising
    // OnChange if it moved), then the control is repainted.
    void SetRange(int position, int min, int max);
    // Clamps to Min .. Max; an unchanged result does nothing, otherwise the
    // thumb moves and OnChange is raised.
    void SetPosition(int value);
    void SetStartPos(int value);
    void SetThumbTop(int value);
    // Stored only: the slider is horizontal in every case.
    void SetOrientation(TTrackBarOrientation value);

    // The mapping between positions and pixels.
    double Scale() const;
    int ThumbLeft(int position) const;
    int PositionForX(int x) const;
    bool Dragging() const { return FDragging; }

    TNotifyEvent OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect ThumbRect(int position) const;

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FStartPos = 0;
    int FThumbTop = 0;
    TTrackBarOrientation FOrientation = trHorizontal;
    bool FDragging = false;
};
