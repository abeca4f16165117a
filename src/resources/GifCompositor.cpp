#include "GifCompositor.h"

#include <algorithm>

namespace {

struct TArea {
    int X0, Y0, X1, Y1; // half-open, inside the canvas
    bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
};

TArea Clip(const TGifFrame& frame, int width, int height)
{
    return {std::clamp(frame.Left, 0, width), std::clamp(frame.Top, 0, height),
            std::clamp(frame.Left + frame.Width, 0, width), std::clamp(frame.Top + frame.Height, 0, height)};
}

// The frame row that the r-th stored row of an interlaced frame is: rows
// 0, 8, 16.. come first, then 4, 12.., then 2, 6.., then the odd ones.
int InterlacedRow(int r, int height)
{
    const int pass1 = (height + 7) / 8;
    if (r < pass1)
        return r * 8;
    r -= pass1;
    const int pass2 = (height + 3) / 8;
    if (r < pass2)
        return 4 + r * 8;
    r -= pass2;
    const int pass3 = (height + 1) / 4;
    if (r < pass3)
        return 2 + r * 4;
    return 1 + (r - pass3) * 2;
}

} // namespace

TGifCompositor::TGifCompositor(const TGifData& gif, std::uint32_t background)
    : Gif(gif), BackgroundColor(background), Canvas(TPixelBuffer::Filled(gif.Width, gif.Height, 0)),
      Out(TPixelBuffer::Filled(gif.Width, gif.Height, background))
{
}

void TGifCompositor::Draw(int index)
{
    Dispose();
    const TGifFrame& frame = Gif.Frames.at(static_cast<std::size_t>(index));
    if (frame.Disposal == TGifDisposal::Previous) {
        const TArea a = Clip(frame, Canvas.Width, Canvas.Height);
        Saved = TPixelBuffer::Filled(std::max(0, a.X1 - a.X0), std::max(0, a.Y1 - a.Y0), 0);
        // A frame wholly beside the canvas saves nothing: no row to copy from.
        for (int y = a.Y0; !a.Empty() && y < a.Y1; ++y)
            std::copy_n(&Canvas.At(a.X0, y), Saved.Width, &Saved.At(0, y - a.Y0));
    }
    Paint(frame);
    Last = index;
}

void TGifCompositor::Dispose()
{
    if (Last < 0)
        return;
    const TGifFrame& frame = Gif.Frames[static_cast<std::size_t>(Last)];
    const TArea a = Clip(frame, Canvas.Width, Canvas.Height);
    if (a.Empty())
        return;
    for (int y = a.Y0; y < a.Y1; ++y) {
        std::uint32_t* row = &Canvas.At(a.X0, y);
        if (frame.Disposal == TGifDisposal::Background)
            std::fill_n(row, a.X1 - a.X0, 0u);
        else if (frame.Disposal == TGifDisposal::Previous)
            std::copy_n(&Saved.At(0, y - a.Y0), Saved.Width, row);
    }
}

void TGifCompositor::Paint(const TGifFrame& frame)
{
    const TArea a = Clip(frame, Canvas.Width, Canvas.Height);
    if (a.Empty())
        return;
    const int width = frame.Width;
    const std::size_t stored = frame.Indices.size();
    const int rows = static_cast<int>((stored + width - 1) / width);
    const int transparent = frame.TransparentIndex;
    const std::uint32_t* colors = frame.Colors.data();
    for (int r = 0; r < rows; ++r) {
        const int y = frame.Top + (frame.Interlaced ? InterlacedRow(r, frame.Height) : r);
        if (y < a.Y0 || y >= a.Y1)
            continue;
        const std::size_t rowStart = static_cast<std::size_t>(r) * width;
        const int rowLength = static_cast<int>(std::min<std::size_t>(width, stored - rowStart));
        const std::uint8_t* src = frame.Indices.data() + rowStart;
        std::uint32_t* dst = &Canvas.At(0, y);
        const int x1 = std::min(a.X1, frame.Left + rowLength);
        for (int x = a.X0; x < x1; ++x) {
            const int index = src[x - frame.Left];
            if (index != transparent)
                dst[x] = colors[index];
        }
    }
}

const TPixelBuffer& TGifCompositor::Output()
{
    std::transform(Canvas.Pixels.begin(), Canvas.Pixels.end(), Out.Pixels.begin(),
                   [this](std::uint32_t c) { return c != 0 ? c : BackgroundColor; });
    return Out;
}
