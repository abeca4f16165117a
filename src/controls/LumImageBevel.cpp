#include "LumImageCtrl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

enum : int {
    TopLeft = 0, TopEdge = 1, TopRight = 2, LeftEdge = 3, RightEdge = 4,
    BottomLeft = 5, BottomEdge = 6, BottomRight = 7, Centre = 8
};

} // namespace

TLumImageBevel::TLumImageBevel(QWidget* parent) : TLumCustomImageList(parent), FColor(palette().color(QPalette::Base))
{
    // The window gives the bevel its size; pictures never change it.
    SetFlag(AutoSizeToImageFlag, false);
}

void TLumImageBevel::SetStretch(bool value)
{
    FStretch = value;
    update();
}

void TLumImageBevel::SetBgColor(bool value)
{
    FBgColor = value;
    update();
}

void TLumImageBevel::SetParentColor(bool value)
{
    FParentColor = value;
    update();
}

void TLumImageBevel::SetColor(const QColor& value)
{
    FColor = value;
    update();
}

void TLumImageBevel::paintEvent(QPaintEvent* event)
{
    QPainter canvas(this);
    canvas.setCompositionMode(QPainter::CompositionMode_Source); // every element is opaque
    const QRect clip = event->rect();
    PaintBackground(canvas, clip);
    if (FStretch)
        PaintStretchedEdges(canvas, clip);
    else
        PaintTiledEdges(canvas, clip);
    PaintCorners(canvas, clip);
}

void TLumImageBevel::TileFrame(QPainter& canvas, int frame, const QRect& band, const QRect& clip) const
{
    const int w = ImageWidth(frame);
    const int h = ImageHeight(frame);
    const QRect area = band & clip;
    if (w <= 0 || h <= 0 || area.isEmpty())
        return;
    canvas.save();
    canvas.setClipRect(area, Qt::IntersectClip);
    // The grid starts at the band's origin whatever part is repainted, so
    // only the tiles that meet the area are laid.
    const int firstX = band.left() + (area.left() - band.left()) / w * w;
    const int firstY = band.top() + (area.top() - band.top()) / h * h;
    for (int y = firstY; y <= area.bottom(); y += h)
        for (int x = firstX; x <= area.right(); x += w)
            DrawImage(canvas, x, y, frame);
    canvas.restore();
}

void TLumImageBevel::PaintBackground(QPainter& canvas, const QRect& clip) const
{
    if (FBgColor) {
        const QWidget* owner = FParentColor && parentWidget() ? parentWidget() : nullptr;
        canvas.fillRect(clip, owner ? owner->palette().color(QPalette::Window) : FColor);
        return;
    }
    TileFrame(canvas, Centre, rect(), clip);
}

void TLumImageBevel::PaintStretchedEdges(QPainter& canvas, const QRect& clip) const
{
    const int W = width();
    const int H = height();
    // Scaled along the edge's length only; the cross-size stays the frame's own.
    const struct {
        int Frame;
        TRect Band;
    } edges[] = {
        {TopEdge, {0, 0, W, ImageHeight(TopEdge)}},
        {BottomEdge, {0, H - ImageHeight(BottomEdge), W, H}},
        {LeftEdge, {0, 0, ImageWidth(LeftEdge), H}},
        {RightEdge, {W - ImageWidth(RightEdge), 0, W, H}},
    };
    for (const auto& edge : edges)
        if (ImageWidth(edge.Frame) > 0 && ImageHeight(edge.Frame) > 0 && !edge.Band.IsEmpty() &&
            edge.Band.ToQRect().intersects(clip))
            StretchDrawImage(canvas, edge.Band, edge.Frame);
}

void TLumImageBevel::PaintTiledEdges(QPainter& canvas, const QRect& clip) const
{
    const int W = width();
    const int H = height();
    TileFrame(canvas, TopEdge, QRect(0, 0, W, ImageHeight(TopEdge)), clip);
    TileFrame(canvas, BottomEdge, QRect(0, H - ImageHeight(BottomEdge), W, ImageHeight(BottomEdge)), clip);
    TileFrame(canvas, RightEdge, QRect(W - ImageWidth(RightEdge), 0, ImageWidth(RightEdge), H), clip);
    TileFrame(canvas, LeftEdge, QRect(0, 0, ImageWidth(LeftEdge), H), clip);
}

void TLumImageBevel::PaintCorners(QPainter& canvas, const QRect& clip) const
{
    const int W = width();
    const int H = height();
    // Drawn last, over edges and background; a later corner covers an earlier one.
    const struct {
        int Frame;
        bool Right;
        bool Bottom;
    } corners[] = {{TopLeft, false, false}, {TopRight, true, false}, {BottomLeft, false, true}, {BottomRight, true, true}};
    for (const auto& corner : corners) {
        const int w = ImageWidth(corner.Frame);
        const int h = ImageHeight(corner.Frame);
        if (w <= 0 || h <= 0)
            continue;
        const int x = corner.Right ? W - w : 0;
        const int y = corner.Bottom ? H - h : 0;
        if (QRect(x, y, w, h).intersects(clip))
            DrawImagePart(canvas, {x, y, x + w, y + h}, corner.Frame, {0, 0, w, h});
    }
}

void TLumImageBevel::mousePressEvent(QMouseEvent* event)
{
    Click.Press(*event);
    DoMouseDown(event);
}

void TLumImageBevel::mouseMoveEvent(QMouseEvent* event)
{
    DoMouseMove(event);
}

void TLumImageBevel::mouseReleaseEvent(QMouseEvent* event)
{
    DoMouseUp(event);
    if (Click.Release(*this, *event) && OnClick)
        OnClick(this);
}

void TLumImageBevel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
    mousePressEvent(event);
}
