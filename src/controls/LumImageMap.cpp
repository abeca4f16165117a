#include "LumImageMap.h"

#include "LumFocus.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

enum : int { FrameOff = 0, FrameOn = 1, FrameOver = 2, FrameDisabled = 3, FrameClicked = 4 };

TRect Intersect(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

QPoint PointOf(const QMouseEvent* event)
{
    return event->position().toPoint();
}

} // namespace

int FrameOfPaint(TAreaPaint paint)
{
    switch (paint) {
    case arpOn:
        return FrameOn;
    case arpDisabled:
        return FrameDisabled;
    case arpOver:
        return FrameOver;
    case arpClicked:
        return FrameClicked;
    case arpOff:
        break;
    }
    return FrameOff;
}

TLumCustomImageMap::TLumCustomImageMap(QWidget* parent) : TLumCustomImageList(parent)
{
    setMouseTracking(true); // hover follows the mouse without a button held
    // Tab only: a click must not move the focus, so the mouse path stays as it was.
    setFocusPolicy(Qt::TabFocus);
    RepaintOnKeyboardUse(*this);
}

TLumCustomImageMap::~TLumCustomImageMap() = default;

void TLumCustomImageMap::AddArea(const QString& name, const TRect& rect, TCursor cursor, const QString& hint)
{
    if (const int existing = IndexOfArea(name); existing >= 0) {
        Areas[static_cast<std::size_t>(existing)].second->AreaRect = rect;
        return;
    }
    Areas.emplace_back(name, std::make_unique<TArea>(rect, cursor, hint));
}

void TLumCustomImageMap::SetMapCursor(TCursor cursor)
{
    SetCursor(cursor);
    FOutAreaCursor = cursor;
}

int TLumCustomImageMap::IndexOfArea(const QString& name) const
{
    for (std::size_t i = 0; i < Areas.size(); ++i)
        if (Areas[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int TLumCustomImageMap::AreaAt(int x, int y) const
{
    for (std::size_t i = 0; i < Areas.size(); ++i)
        if (Areas[i].second->AreaRect.Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

void TLumCustomImageMap::PaintArea(int index)
{
    if (isVisible())
        update(Area(index).AreaRect.ToQRect());
}

void TLumCustomImageMap::UpdateAreaPaint(int index)
{
    TArea& area = *Areas[static_cast<std::size_t>(index)].second;
    TAreaPaint paint = arpOff;
    if (area.AreaState == arsDisabled) {
        paint = FramePresent(FrameDisabled) ? arpDisabled : arpOff;
    } else {
        if (area.AreaState == arsOn && FramePresent(FrameOn))
            paint = arpOn;
        else if (area.AreaOver && FramePresent(FrameOver))
            paint = arpOver;
        if (area.AreaClicked && FramePresent(FrameClicked))
            paint = arpClicked;
    }
    if (paint == area.AreaPaint)
        return;
    area.AreaPaint = paint;
    PaintArea(index);
}

void TLumCustomImageMap::SetAreaState(int index, TAreaState state)
{
    // Copied: a handler may add areas, which moves the table's strings.
    const QString name = AreaName(index);
    if (state == arsOn && OnMapChanging)
        OnMapChanging(this, name);
    TArea& area = *Areas[static_cast<std::size_t>(index)].second;
    if (area.AreaState != state) {
        if (area.AreaState == arsOn && OnMapUnClick)
            OnMapUnClick(this, name);
        area.AreaState = state;
        UpdateAreaPaint(index);
    }
    if (state != arsOn)
        return;
    for (int j = 0; j < AreaCount(); ++j)
        if (j != index && Area(j).AreaState == arsOn)
            SetAreaState(j, arsOff);
    if (OnMapClick)
        OnMapClick(this, name);
}

void TLumCustomImageMap::SetAreaOver(int index, bool over)
{
    TArea& area = *Areas[static_cast<std::size_t>(index)].second;
    if (area.AreaOver == over)
        return;
    area.AreaOver = over;
    UpdateAreaPaint(index);
}

void TLumCustomImageMap::SetAreaClicked(int index, bool clicked)
{
    TArea& area = *Areas[static_cast<std::size_t>(index)].second;
    if (area.AreaClicked == clicked)
        return;
    area.AreaClicked = clicked;
    UpdateAreaPaint(index);
}

TAreaState TLumCustomImageMap::GetAreaStateByName(const QString& name) const
{
    const int index = IndexOfArea(name);
    return index < 0 ? arsOff : Area(index).AreaState;
}

void TLumCustomImageMap::SetAreaStateByName(const QString& name, TAreaState state)
{
    if (const int index = IndexOfArea(name); index >= 0)
        SetAreaState(index, state);
}

void TLumCustomImageMap::ResetAreas()
{
    for (int i = 0; i < AreaCount(); ++i)
        SetAreaState(i, arsOff);
}

void TLumCustomImageMap::SetEnabled(bool value)
{
    for (int i = 0; i < AreaCount(); ++i)
        SetAreaState(i, value ? arsOff : arsDisabled);
    setEnabled(value);
}

void TLumCustomImageMap::Loaded()
{
    TLumCustomImageList::Loaded();
    FOutAreaCursor = Cursor();
}

void TLumCustomImageMap::SetTransparent(bool value)
{
    FTransparent = value;
    update();
}

void TLumCustomImageMap::SetOutAreaHint(const QString& value)
{
    FOutAreaHint = value;
    FHint = value;
}

void TLumCustomImageMap::SetHint(const QString& hint)
{
    FHint = hint;
    // The shown tip belongs to the old text; the new one shows on the next pause.
    if (QToolTip::isVisible())
        QToolTip::hideText();
}

bool TLumCustomImageMap::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return TLumCustomImageList::event(event);
    if (FShowHint && !FHint.isEmpty())
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), FHint, this);
    else
        QToolTip::hideText();
    return true;
}

void TLumCustomImageMap::paintEvent(QPaintEvent* event)
{
    // The areas' pictures replace frame 0 where they lie; the result is then
    // laid over what the parent painted, so see-through pixels show it.
    const QRect dirty = event->rect();
    QPainter painter(this);
    // At the screen's resolution, so sharp pictures stay sharp, and on the
    // screen's own pixel grid: where the control starts between two device
    // pixels (an odd position at a scale of 1.5), the layer starts at the
    // pixel before and is painted shifted by the rest. Its pictures are then
    // sampled as those painted straight onto the screen beside it are, and
    // the joins show no seam.
    const qreal ratio = devicePixelRatioF();
    const QPointF start = painter.deviceTransform().map(QPointF(dirty.topLeft()));
    const QPointF shift(start.x() - std::floor(start.x()), start.y() - std::floor(start.y()));
    QImage layer(static_cast<int>(std::ceil(dirty.width() * ratio + shift.x())),
                 static_cast<int>(std::ceil(dirty.height() * ratio + shift.y())), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    const QPointF layerTopLeft = QPointF(dirty.topLeft()) - shift / ratio;
    {
        QPainter canvas(&layer);
        canvas.translate(-layerTopLeft);
        canvas.setCompositionMode(QPainter::CompositionMode_Source);
        const TRect clip = TRect::FromQRect(dirty);
        if (!FTransparent)
            DrawImagePart(canvas, clip, FrameOff, clip);
        for (const auto& [name, area] : Areas) {
            const TRect part = Intersect(area->AreaRect, clip);
            if (!part.IsEmpty())
                DrawImagePart(canvas, part, FrameOfPaint(area->AreaPaint), part);
        }
    }
    painter.drawImage(layerTopLeft, layer);
    if (FFocusArea >= 0 && FFocusArea < AreaCount() && FocusFrameVisible(*this))
        DrawFocusFrame(painter, Area(FFocusArea).AreaRect.ToQRect());
}

void TLumCustomImageMap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = PointOf(event);
        const int index = AreaAt(p.x(), p.y());
        if (index >= 0 && Area(index).AreaState != arsDisabled) {
            SetAreaClicked(index, true);
            return;
        }
        // Qt's implicit grab keeps the mouse here until the release.
        PassThrough = true;
    }
    DoMouseDown(event);
}

void TLumCustomImageMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (PassThrough) {
        PassThrough = false;
        DoMouseUp(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const QPoint p = PointOf(event);
        const int index = AreaAt(p.x(), p.y());
        if (index >= 0 && Area(index).AreaState != arsDisabled) {
            SetAreaClicked(index, false);
            SetAreaState(index, arsOn);
            return;
        }
    }
    DoMouseUp(event);
}

void TLumCustomImageMap::mouseMoveEvent(QMouseEvent* event)
{
    if (PassThrough || !(FShowHint || FChangeCursor || FramePresent(FrameOver))) {
        DoMouseMove(event);
        return;
    }
    const QPoint p = PointOf(event);
    TrackMouse(p.x(), p.y(), event);
}

void TLumCustomImageMap::TrackMouse(int x, int y, QMouseEvent* event)
{
    const int index = AreaAt(x, y);
    for (int j = 0; j < AreaCount(); ++j)
        if (j != index)
            SetAreaOver(j, false);
    if (index >= 0) {
        const TArea& area = Area(index);
        if (area.AreaState != arsDisabled)
            SetAreaOver(index, true);
        if (FChangeCursor && Cursor() != area.AreaCursor)
            SetCursor(area.AreaCursor);
        if (FShowHint && FHint != area.AreaHint)
            SetHint(area.AreaHint);
        return;
    }
    if (Cursor() != FOutAreaCursor)
        SetCursor(FOutAreaCursor);
    if (FHint != FOutAreaHint)
        SetHint(FOutAreaHint);
    DoMouseMove(event);
}

void TLumCustomImageMap::leaveEvent(QEvent* event)
{
    for (int j = 0; j < AreaCount(); ++j)
        SetAreaOver(j, false);
    TLumCustomImageList::leaveEvent(event);
}
