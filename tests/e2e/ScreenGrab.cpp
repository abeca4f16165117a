#include "ScreenGrab.h"

#include <bit>
#include <cstdint>

namespace {

// The header's fields, each a 32-bit big-endian word, in file order.
enum THeaderField {
    HeaderSize, FileVersion, PixmapFormat, PixmapDepth, PixmapWidth, PixmapHeight, XOffset, ByteOrder, BitmapUnit,
    BitmapBitOrder, BitmapPad, BitsPerPixel, BytesPerLine, VisualClass, RedMask, GreenMask, BlueMask, BitsPerRgb,
    ColormapEntries, ColourCount, FieldCount = 25
};
constexpr std::uint32_t ZPixmap = 2;
constexpr std::uint32_t TrueColor = 4;
constexpr std::uint32_t DirectColor = 5; // what a server shows once a program installs a colour map
constexpr std::size_t ColourEntrySize = 12;
constexpr std::uint32_t MaxSide = 16384;

std::uint32_t Word(const std::string& bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return std::uint32_t(static_cast<unsigned char>(bytes[at + i])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

// A mask's colour component scaled to 8 bits.
std::uint32_t Component(std::uint32_t pixel, std::uint32_t mask)
{
    const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    const int width = std::popcount(mask);
    return width >= 8 ? value >> (width - 8) : value * 255 / ((1u << width) - 1);
}

// A direct-colour component looked up in the dump's colour map: entry i
// holds 16-bit red, green and blue at bytes 4, 6 and 8.
std::uint32_t MappedComponent(const std::string& bytes, std::uint64_t mapAt, std::uint32_t colours,
                              std::uint32_t pixel, std::uint32_t mask, int channel)
{
    const std::uint32_t index = (pixel & mask) >> std::countr_zero(mask);
    if (index >= colours)
        return Component(pixel, mask);
    return static_cast<unsigned char>(bytes[mapAt + std::uint64_t(index) * ColourEntrySize + 4 + 2 * channel]);
}

} // namespace

QImage ReadXwd(const std::string& bytes)
{
    if (bytes.size() < FieldCount * 4)
        throw EXwdError("not a window dump: " + std::to_string(bytes.size()) + " bytes");
    std::uint32_t field[FieldCount];
    for (int i = 0; i < FieldCount; ++i)
        field[i] = Word(bytes, std::size_t(i) * 4);
    if (field[HeaderSize] < FieldCount * 4 || field[FileVersion] != 7 || field[PixmapFormat] != ZPixmap
        || (field[VisualClass] != TrueColor && field[VisualClass] != DirectColor))
        throw EXwdError("not a true- or direct-colour version 7 window dump (version " + std::to_string(field[FileVersion])
                        + ", format " + std::to_string(field[PixmapFormat]) + ", visual class "
                        + std::to_string(field[VisualClass]) + ")");
    if ((field[BitsPerPixel] != 24 && field[BitsPerPixel] != 32) || !field[RedMask] || !field[GreenMask]
        || !field[BlueMask])
        throw EXwdError("window dump of " + std::to_string(field[BitsPerPixel]) + " bits per pixel");
    const std::uint32_t width = field[PixmapWidth], height = field[PixmapHeight];
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide
        || std::uint64_t(field[BytesPerLine]) < std::uint64_t(width) * field[BitsPerPixel] / 8)
        throw EXwdError("window dump of impossible size");

    const std::uint64_t pixelsAt = std::uint64_t(field[HeaderSize]) + std::uint64_t(field[ColourCount]) * ColourEntrySize;
    if (pixelsAt + std::uint64_t(field[BytesPerLine]) * height > bytes.size())
        throw EXwdError("window dump cut short");

    const int bytesPerPixel = int(field[BitsPerPixel] / 8);
    const bool mostFirst = field[ByteOrder] == 1;
    const bool direct = field[VisualClass] == DirectColor;
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (std::uint32_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(bytes.data() + pixelsAt + std::uint64_t(y) * field[BytesPerLine]);
        auto* out = reinterpret_cast<std::uint32_t*>(image.scanLine(int(y)));
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = row + std::size_t(x) * bytesPerPixel;
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytesPerPixel; ++i)
                pixel |= std::uint32_t(p[i]) << (mostFirst ? 8 * (bytesPerPixel - 1 - i) : 8 * i);
            const std::uint32_t masks[3] = {field[RedMask], field[GreenMask], field[BlueMask]};
            std::uint32_t rgb = 0xff000000u;
            for (int channel = 0; channel < 3; ++channel)
                rgb |= (direct ? MappedComponent(bytes, field[HeaderSize], field[ColourCount], pixel, masks[channel], channel)
                               : Component(pixel, masks[channel]))
                       << (16 - 8 * channel);
            out[x] = rgb;
        }
    }
    return image;
}

QImage GrabRegion(const TXSession& session, int x, int y, int width, int height)
{
    const QImage screen = ReadXwd(RunCapture("DISPLAY=" + session.Display() + " xwd -root -silent"));
    const QRect region(x, y, width, height);
    if (!screen.rect().contains(region))
        throw EXwdError("the grabbed rectangle is not on the screen");
    return screen.copy(region);
}

long DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    long count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}
