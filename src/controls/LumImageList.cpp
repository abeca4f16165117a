#include "LumImageList.h"

#include "LumBitmap.h"

#include "resources/Graphic.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

std::int32_t ListItem(const QString& list, int index)
{
    if (index < 0)
        return 0;
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype comma = list.indexOf(u',', start);
        if (comma < 0)
            return 0;
        start = comma + 1;
    }
    const qsizetype end = list.indexOf(u',', start);
    if (end < 0)
        return 0;
    bool ok = false;
    const int value = QStringView(list).mid(start, end - start).toInt(&ok);
    return ok ? value : 0;
}

TLumCustomImageList::TLumCustomImageList(QWidget* parent) : QWidget(parent)
{
    // A window-less control: it draws over whatever its parent painted.
    setAttribute(Qt::WA_NoSystemBackground);
    resize(100, 100);
}

TLumCustomImageList::~TLumCustomImageList() = default;

TRect TLumCustomImageList::SourceRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(Rects.size()))
        return {};
    return Rects[static_cast<std::size_t>(index)];
}

void TLumCustomImageList::ResizeStrip(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == StripWidth && height == StripHeight)
        return;
    QImage grown;
    if (width > 0 && height > 0) {
        grown = QImage(width, height, QImage::Format_ARGB32);
        grown.fill(Qt::transparent);
        if (!Strip.isNull()) {
            QPainter canvas(&grown);
            canvas.setCompositionMode(QPainter::CompositionMode_Source);
            canvas.drawImage(0, 0, Strip);
        }
    }
    Strip = std::move(grown);
    StripWidth = width;
    StripHeight = height;
}

void TLumCustomImageList::DrawIntoStrip(const QImage& image, int x)
{
    if (Strip.isNull() || image.isNull())
        return;
    QPainter canvas(&Strip);
    canvas.setCompositionMode(QPainter::CompositionMode_Source);
    canvas.drawImage(x, 0, image);
}

void TLumCustomImageList::AddImage(const QImage& image, const std::vector<std::uint32_t>& palette)
{
    // The first picture that carries a colour table decides the strip's.
    if (StripPalette.empty()) {
        if (!palette.empty())
            StripPalette = palette;
        else
            for (const QRgb colour : image.colorTable())
                StripPalette.push_back(colour);
    }
    const int w = image.width();
    const int h = image.height();
    if (FVarSize) {
        if (FCount == 0 && FAutoSizeToImage)
            resize(w, h);
        const int x = StripWidth;
        ResizeStrip(StripWidth + w, std::max(StripHeight, h));
        DrawIntoStrip(image, x);
        FVarWidthS += QString::number(w) + u',';
        FVarHeightS += QString::number(h) + u',';
    } else {
        if (FCount == 0) {
            FImgWidth = w;
            FImgHeight = h;
            if (FAutoSizeToImage)
                resize(w, h);
            // An empty fixed-size strip takes the first picture's height, or
            // no picture of the list would ever show.
            ResizeStrip(StripWidth, h);
        }
        ResizeStrip(StripWidth + FImgWidth, StripHeight);
        DrawIntoStrip(image.copy(0, 0, FImgWidth, StripHeight), FCount * FImgWidth);
    }
    ++FCount;
    ParseAndRebuild();
}

void TLumCustomImageList::AddImage(const TGraphic& graphic)
{
    AddImage(ToQImage(graphic.Pixels()), graphic.Palette());
}

void TLumCustomImageList::AddImage(const TLumBitmap& bitmap)
{
    AddImage(bitmap.Image, bitmap.Palette);
}

void TLumCustomImageList::ClearImages()
{
    Strip = QImage();
    StripWidth = 0;
    StripHeight = 0;
    Rects.clear();
    Widths.clear();
    Heights.clear();
    FVarWidthS.clear();
    FVarHeightS.clear();
    FCount = 0;
    Sharp.clear();
}

void TLumCustomImageList::SetSharpImage(int index, const TSharpPicture& sharp)
{
    if (index < 0 || index >= FCount)
        return;
    if (Sharp.size() < static_cast<std::size_t>(FCount))
        Sharp.resize(static_cast<std::size_t>(FCount));
    Sharp[static_cast<std::size_t>(index)] = sharp;
}

const QImage* TLumCustomImageList::SharpFor(const QPainter& canvas, int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= Sharp.size() || !canvas.device()
        || canvas.device()->devicePixelRatioF() < 1.5)
        return nullptr;
    const QImage& sharp = Sharp[static_cast<std::size_t>(index)].Image();
    if (sharp.isNull() || sharp.size() != QSize(ImageWidth(index), ImageHeight(index)) * 2)
        return nullptr;
    return &sharp;
}

void TLumCustomImageList::ParseAndRebuild()
{
    const auto count = static_cast<std::size_t>(std::max(FCount, 0));
    if (FVarSize) {
        Widths.resize(count);
        Heights.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            Widths[i] = ListItem(FVarWidthS, static_cast<int>(i));
            Heights[i] = ListItem(FVarHeightS, static_cast<int>(i));
        }
    } else {
        FVarWidthS.clear();
        FVarHeightS.clear();
        Widths.clear();
        Heights.clear();
    }
    Rects.resize(count);
    int x = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (FVarSize) {
            Rects[i] = {x, 0, x + Widths[i], Heights[i]};
            x += Widths[i];
        } else {
            const int left = static_cast<int>(i) * FImgWidth;
            Rects[i] = {left, 0, left + FImgWidth, FImgHeight};
        }
    }
}

void TLumCustomImageList::Loaded()
{
    ParseAndRebuild();
}

void TLumCustomImageList::SetImgWidth(int value)
{
    if (FVarSize)
        return;
    value = std::max(value, 0);
    if (FCount > 0) {
        // Re-lay each picture into a cell of the new width; a narrower cell
        // is cut at the right by the next picture.
        QImage relaid;
        if (value > 0 && StripHeight > 0) {
            relaid = QImage(value * FCount, StripHeight, QImage::Format_ARGB32);
            relaid.fill(Qt::transparent);
            QPainter canvas(&relaid);
            canvas.setCompositionMode(QPainter::CompositionMode_Source);
            for (int i = 0; i < FCount; ++i)
                DrawImage(canvas, value * i, 0, i);
        }
        Strip = std::move(relaid);
        StripWidth = value * FCount;
    }
    FImgWidth = value;
    ParseAndRebuild();
    if (FAutoSizeToImage)
        resize(value, height());
}

void TLumCustomImageList::SetImgHeight(int value)
{
    if (FVarSize)
        return;
    value = std::max(value, 0);
    FImgHeight = value;
    if (FCount > 0)
        ResizeStrip(StripWidth, value);
    ParseAndRebuild();
    if (FAutoSizeToImage)
        resize(width(), value);
}

void TLumCustomImageList::SetCount(int value)
{
    FCount = value;
}

void TLumCustomImageList::SetFlag(int flag, bool value)
{
    if (flag == VarSizeFlag) {
        FVarSize = value;
    } else if (flag == AutoSizeToImageFlag) {
        FAutoSizeToImage = value;
        if (value)
            resize(FImgWidth, FImgHeight);
    }
}

void TLumCustomImageList::SetPicture(const QImage& strip)
{
    Strip = strip.isNull() ? QImage() : strip.convertToFormat(QImage::Format_ARGB32);
    StripWidth = Strip.width();
    StripHeight = Strip.height();
}

int TLumCustomImageList::ImageWidth(int index) const
{
    if (!FVarSize || index < 0 || index >= static_cast<int>(Widths.size()))
        return 0;
    return Widths[static_cast<std::size_t>(index)];
}

int TLumCustomImageList::ImageHeight(int index) const
{
    if (!FVarSize || index < 0 || index >= static_cast<int>(Heights.size()))
        return 0;
    return Heights[static_cast<std::size_t>(index)];
}

void TLumCustomImageList::DrawImage(QPainter& canvas, int x, int y, int index) const
{
    const TRect source = SourceRect(index);
    if (source.IsEmpty() || Strip.isNull())
        return;
    if (const QImage* sharp = SharpFor(canvas, index)) {
        canvas.drawImage(QRectF(x, y, source.Width(), source.Height()), *sharp, QRectF(sharp->rect()));
        return;
    }
    canvas.drawImage(QPoint(x, y), Strip, source.ToQRect());
}

void TLumCustomImageList::StretchDrawImage(QPainter& canvas, const TRect& dest, int index) const
{
    const TRect source = SourceRect(index);
    if (source.IsEmpty() || dest.IsEmpty() || Strip.isNull())
        return;
    if (const QImage* sharp = SharpFor(canvas, index)) {
        canvas.drawImage(dest.ToQRect(), *sharp);
        return;
    }
    // A picture of its own, so that scaling never samples a neighbour.
    canvas.drawImage(dest.ToQRect(), Strip.copy(source.ToQRect()));
}

void TLumCustomImageList::DrawImagePart(QPainter& canvas, const TRect& dest, int index, const TRect& source) const
{
    const TRect image = SourceRect(index);
    if (index < 0 || index >= FCount || Strip.isNull() || dest.IsEmpty() || source.IsEmpty())
        return;
    const QRectF wanted(TRect {source.Left + image.Left, source.Top, source.Right + image.Left, source.Bottom}.ToQRect());
    // Only the picture's own pixels: a part reaching past it must not show
    // the neighbouring picture of the strip. The destination shrinks with it.
    const QRectF own = wanted & QRectF(image.ToQRect());
    if (own.isEmpty())
        return;
    const double sx = dest.Width() / wanted.width();
    const double sy = dest.Height() / wanted.height();
    const QRectF target(dest.Left + (own.left() - wanted.left()) * sx, dest.Top + (own.top() - wanted.top()) * sy,
                        own.width() * sx, own.height() * sy);
    if (const QImage* sharp = SharpFor(canvas, index)) {
        const QRectF inPicture = own.translated(-image.Left, -image.Top);
        canvas.drawImage(target, *sharp, QRectF(inPicture.topLeft() * 2, inPicture.size() * 2));
        return;
    }
    canvas.drawImage(target, Strip, own);
}

void TLumCustomImageList::GetImage(TLumBitmap& bitmap, int index) const
{
    bitmap.Palette = StripPalette;
    if (index < 0 || index >= FCount)
        return;
    const TRect source = SourceRect(index);
    bitmap.Image = source.IsEmpty() || Strip.isNull() ? QImage() : Strip.copy(source.ToQRect());
}

std::vector<std::uint32_t> TLumCustomImageList::GetPalette() const
{
    if (FIgnorePalette)
        return {};
    return StripPalette;
}

void TLumCustomImageList::SetCursor(TCursor cursor)
{
    FCursor = cursor;
    ApplyCursor(*this, cursor);
}

void TLumCustomImageList::DoMouseDown(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(this, event);
}

void TLumCustomImageList::DoMouseMove(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(this, event);
}

void TLumCustomImageList::DoMouseUp(QMouseEvent* event)
{
    if (OnMouseUp)
        OnMouseUp(this, event);
}
