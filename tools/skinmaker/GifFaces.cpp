#include "GifFaces.h"

#include "CardArt.h"
#include "GifEncoder.h"
#include "ImageBytes.h"
#include "Theme.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

enum class TStyle { Bounce, Wiggle, Pulse, Sparkle, Sway, Still };

TStyle StyleFor(int index)
{
    static const TStyle order[8] = {TStyle::Bounce, TStyle::Wiggle, TStyle::Pulse, TStyle::Sparkle,
                                    TStyle::Sway,   TStyle::Pulse,  TStyle::Wiggle, TStyle::Still};
    return order[index % 8];
}

// See-through frames are shown on the white overlay panel: half-covered edge
// pixels are blended onto white, the rest become transparent.
TPixelBuffer Matte(const QImage& image)
{
    TPixelBuffer pixels = ToPixels(image);
    for (std::uint32_t& p : pixels.Pixels) {
        const std::uint32_t a = p >> 24;
        if (a < 128) {
            p = 0;
            continue;
        }
        std::uint32_t out = 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t c = (p >> shift) & 0xFF;
            out |= ((c * a + 255 * (255 - a) + 127) / 255) << shift;
        }
        p = out;
    }
    return pixels;
}

TGifEncodeFrame Frame(TPixelBuffer pixels, QPoint at, int delay, TGifEncodeDisposal disposal)
{
    TGifEncodeFrame frame;
    frame.Pixels = std::move(pixels);
    frame.Left = at.x();
    frame.Top = at.y();
    frame.DelayCs = delay;
    frame.Disposal = disposal;
    return frame;
}

// Marks the pixels that did not change since the previous frame as
// transparent, so a kept frame only paints what moved.
TPixelBuffer OnlyChanges(const TPixelBuffer& now, const TPixelBuffer& before)
{
    TPixelBuffer out = now;
    for (std::size_t i = 0; i < out.Pixels.size(); ++i)
        if (now.Pixels[i] == before.Pixels[i])
            out.Pixels[i] = 0;
    return out;
}

} // namespace

std::vector<std::uint8_t> MakeGifFace(int index, QSize size, const QColor& tint, const QImage& glyph)
{
    const int base = 6 + 2 * (index % 5); // 6 to 14 hundredths: no two neighbours alike
    std::vector<TGifEncodeFrame> frames;
    const QPoint origin(0, 0);

    switch (StyleFor(index)) {
    case TStyle::Bounce: {
        // Kept frames that repaint only the glyph's column.
        const QRect column(size.width() / 2 - 40, 0, 80, size.height());
        for (int i = 0; i < 8; ++i) {
            const TPose pose{0, -12 * std::fabs(std::sin(Pi * i / 8)), 1, 0};
            const QImage full = DrawFace(size, tint, glyph, pose);
            if (i == 0)
                frames.push_back(Frame(ToPixels(full), origin, base * 4, TGifEncodeDisposal::Keep));
            else
                frames.push_back(Frame(ToPixels(Theme::Cut(full, column)), column.topLeft() * Theme::Scale(), base,
                                       TGifEncodeDisposal::Keep));
        }
        break;
    }
    case TStyle::Wiggle: {
        // Whole frames; every other wiggling face brings its own colour tables.
        for (int i = 0; i < 6; ++i) {
            const TPose pose{0, 0, 1, 14 * std::sin(2 * Pi * i / 6)};
            frames.push_back(Frame(ToPixels(DrawFace(size, tint, glyph, pose)), origin, i == 0 ? base * 3 : base + 2,
                                   TGifEncodeDisposal::Unspecified));
            frames.back().LocalPalette = (index / 8) % 2 == 1;
        }
        break;
    }
    case TStyle::Pulse: {
        // The whole card first, then only the square around the glyph, each
        // square cleared after showing: the next one covers it again.
        frames.push_back(Frame(ToPixels(DrawFace(size, tint, glyph, {0, 0, 0.86, 0})), origin, base * 5,
                               TGifEncodeDisposal::Keep));
        const int side = std::min(size.width(), size.height()) - 4;
        const QRect box((size.width() - side) / 2, (size.height() - side) / 2, side, side);
        for (int i = 1; i < 7; ++i) {
            const TPose pose{0, 0, 0.86 + 0.14 * std::sin(2 * Pi * i / 7), 0};
            frames.push_back(Frame(ToPixels(Theme::Cut(DrawFace(size, tint, glyph, pose), box)),
                                   box.topLeft() * Theme::Scale(), base, TGifEncodeDisposal::RestoreBackground));
        }
        break;
    }
    case TStyle::Sparkle: {
        // A still card with twinkles laid over it and taken away again.
        frames.push_back(Frame(ToPixels(DrawFace(size, tint, glyph, {})), origin, base * 6, TGifEncodeDisposal::Keep));
        const QImage star = DrawSparkle(18, QColor(0xff, 0xd7, 0x4a));
        const QPoint spots[5] = {{14, 10}, {size.width() - 34, 14}, {size.width() - 30, size.height() - 32},
                                 {18, size.height() - 30}, {size.width() / 2 - 9, 4}};
        for (int i = 0; i < 5; ++i)
            frames.push_back(Frame(Matte(star), spots[i] * Theme::Scale(), 8 + 3 * i, TGifEncodeDisposal::RestorePrevious));
        break;
    }
    case TStyle::Sway: {
        TPixelBuffer previous;
        for (int i = 0; i < 8; ++i) {
            const TPose pose{14 * std::sin(2 * Pi * i / 8), 0, 1, -6 * std::sin(2 * Pi * i / 8)};
            TPixelBuffer now = ToPixels(DrawFace(size, tint, glyph, pose));
            frames.push_back(Frame(i == 0 ? now : OnlyChanges(now, previous), origin, base + 1, TGifEncodeDisposal::Keep));
            previous = std::move(now);
        }
        break;
    }
    case TStyle::Still:
        frames.push_back(Frame(ToPixels(DrawFace(size, tint, glyph, {})), origin, 0, TGifEncodeDisposal::Unspecified));
        break;
    }
    return EncodeGif(size.width() * Theme::Scale(), size.height() * Theme::Scale(), frames);
}
