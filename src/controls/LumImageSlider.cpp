#include "LumImageCtrl.h"

#include "LumAccessible.h"
#include "LumBitmap.h"
#include "LumFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

enum : int { TrackFrame = 0, ThumbFrame = 1 };

int XOf(const QMouseEvent* event)
{
    return event->position().toPoint().x();
}

} // namespace

TLumImageSlider::TLumImageSlider(QWidget* parent) : TLumCustomImageList(parent)
{
    // Tab only: a click must not move the focus, so the mouse path stays as it was.
    setFocusPolicy(Qt::TabFocus);
    RepaintOnKeyboardUse(*this);
}

double TLumImageSlider::Scale() const
{
    // An empty range or a track of no length has no usable scale: 0 stands
    // for it, and the mapping below then pins everything to Min.
    const double track = static_cast<double>(width()) - 2.0 * FStartPos;
    const double range = static_cast<double>(FMax) - FMin;
    if (track <= 0 || range <= 0)
        return 0;
    return track / range;
}

int TLumImageSlider::ThumbLeft(int position) const
{
    const double offset = (static_cast<double>(position) - FMin) * Scale();
    return RoundHalfEven(offset) - ImageWidth(ThumbFrame) / 2 + FStartPos;
}

int TLumImageSlider::PositionForX(int x) const
{
    const double scale = Scale();
    if (scale == 0)
        return FMin;
    // Clamped here already: far outside the track the raw value would not
    // fit an integer.
    const double position = std::nearbyint((static_cast<double>(x) - FStartPos) / scale) + FMin;
    return static_cast<int>(std::clamp(position, static_cast<double>(FMin), static_cast<double>(FMax)));
}

QRect TLumImageSlider::ThumbRect(int position) const
{
    return QRect(ThumbLeft(position), FThumbTop, ImageWidth(ThumbFrame), ImageHeight(ThumbFrame));
}

void TLumImageSlider::SetPosition(int value)
{
    value = std::min(std::max(value, FMin), FMax);
    if (value == FPosition)
        return;
    update(ThumbRect(FPosition)); // the track shows again where the thumb was
    FPosition = value;
    update(ThumbRect(FPosition));
    NotifyAccessibleValue(*this, FPosition);
    if (OnChange)
        OnChange(this);
}

void TLumImageSlider::SetRange(int position, int min, int max)
{
    max = std::max(max, min);
    position = std::min(std::max(position, min), max);
    FMin = min;
    FMax = max;
    SetPosition(position);
    update();
}

void TLumImageSlider::SetMin(int value)
{
    SetRange(FPosition, value, FMax);
}

void TLumImageSlider::SetMax(int value)
{
    SetRange(FPosition, FMin, value);
}

void TLumImageSlider::SetStartPos(int value)
{
    FStartPos = value;
    update();
}

void TLumImageSlider::SetThumbTop(int value)
{
    FThumbTop = value;
    update();
}

void TLumImageSlider::SetOrientation(TTrackBarOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    update();
}

void TLumImageSlider::paintEvent(QPaintEvent* event)
{
    if (Count() < 1)
        return;
    QPainter canvas(this);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    const TRect clip = TRect::FromQRect(event->rect());
    DrawImagePart(canvas, clip, TrackFrame, clip);
    DrawImage(canvas, ThumbLeft(FPosition), FThumbTop, ThumbFrame);
    if (FocusFrameVisible(*this))
        DrawFocusFrame(canvas, rect());
}

void TLumImageSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        DoMouseDown(event);
        return;
    }
    // One position step wide, from the thumb's centre rightwards.
    const double scale = Scale();
    const double step = static_cast<double>(FPosition) - FMin;
    const TRect press {RoundHalfEven(step * scale), 0, RoundHalfEven((step + 1) * scale), height()};
    if (!press.Contains(XOf(event), event->position().toPoint().y()))
        return;
    FDragging = true; // Qt's implicit grab keeps the mouse here
    DoMouseDown(event);
}

void TLumImageSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (FDragging)
        SetPosition(PositionForX(XOf(event)));
    DoMouseMove(event);
}

void TLumImageSlider::mouseReleaseEvent(QMouseEvent* event)
{
    FDragging = false;
    SetPosition(PositionForX(XOf(event)));
    DoMouseUp(event);
}

void TLumImageSlider::keyPressEvent(QKeyEvent* event)
{
    const int page = std::max((FMax - FMin) / 5, 1);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: SetPosition(FPosition - 1); break;
    case Qt::Key_Right:
    case Qt::Key_Up: SetPosition(FPosition + 1); break;
    case Qt::Key_PageDown: SetPosition(FPosition - page); break;
    case Qt::Key_PageUp: SetPosition(FPosition + page); break;
    case Qt::Key_Home: SetPosition(FMin); break;
    case Qt::Key_End: SetPosition(FMax); break;
    default: TLumCustomImageList::keyPressEvent(event); return;
    }
}
