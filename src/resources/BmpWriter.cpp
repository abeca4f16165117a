#include "BmpWriter.h"

#include "PaletteQuantiser.h"
#include "ResourceError.h"

#include <cstring>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
// BITMAPV4HEADER: the smallest header whose masks carry an alpha channel
// that other readers honour.
constexpr std::size_t V4HeaderSize = 108;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::uint32_t LcsSrgb = 0x73524742; // 'sRGB'

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v), p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v)
{
    Put16(p, v), Put16(p + 2, v >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const TPixelBuffer& pixels, int bits)
{
    if (bits != 32 && bits != 24 && bits != 8)
        throw EResourceError("A bitmap can be saved with 32, 24 or 8 bits per pixel, not " + std::to_string(bits));
    const std::size_t width = static_cast<std::size_t>(pixels.Width);
    const std::size_t height = static_cast<std::size_t>(pixels.Height);
    const std::size_t stride = (width * static_cast<std::size_t>(bits) + 31) / 32 * 4;

    TIndexedPixels indexed;
    if (bits == 8)
        indexed = QuantisePixels(pixels);
    const std::size_t paletteBytes = 4 * indexed.Palette.size();
    const std::size_t infoSize = bits == 32 ? V4HeaderSize : InfoHeaderSize;
    const std::size_t offBits = FileHeaderSize + infoSize + paletteBytes;
    std::vector<std::uint8_t> file(offBits + stride * height);

    std::uint8_t* h = file.data();
    h[0] = 'B', h[1] = 'M';
    Put32(h + 2, static_cast<std::uint32_t>(file.size())); // bfSize
    Put32(h + 10, static_cast<std::uint32_t>(offBits));    // bfOffBits; reserved words stay 0
    std::uint8_t* info = h + FileHeaderSize;
    Put32(info, static_cast<std::uint32_t>(infoSize));           // biSize
    Put32(info + 4, static_cast<std::uint32_t>(width));          // biWidth
    Put32(info + 8, static_cast<std::uint32_t>(height));         // biHeight: positive, bottom-up
    Put16(info + 12, 1);                                         // biPlanes
    Put16(info + 14, static_cast<std::uint32_t>(bits));          // biBitCount
    Put32(info + 20, static_cast<std::uint32_t>(stride * height)); // biSizeImage
    Put32(info + 24, 2835), Put32(info + 28, 2835);              // 72 dpi
    Put32(info + 32, static_cast<std::uint32_t>(indexed.Palette.size())); // biClrUsed

    if (bits == 32) {
        Put32(info + 16, BiBitfields); // biCompression; else BI_RGB (0)
        Put32(info + 40, 0x00FF0000), Put32(info + 44, 0x0000FF00); // red, green masks
        Put32(info + 48, 0x000000FF), Put32(info + 52, 0xFF000000); // blue, alpha masks
        Put32(info + 56, LcsSrgb);                                   // colour space; endpoints and gamma stay 0
    }

    std::uint8_t* palette = info + infoSize;
    for (std::size_t i = 0; i < indexed.Palette.size(); ++i)
        Put32(palette + 4 * i, indexed.Palette[i] & 0xFFFFFF); // B, G, R, 0

    for (std::size_t y = 0; y < height; ++y) {
        std::uint8_t* row = file.data() + offBits + (height - 1 - y) * stride;
        if (bits == 8) {
            std::memcpy(row, indexed.Indices.data() + y * width, width);
            continue;
        }
        const std::uint32_t* src = pixels.Pixels.data() + y * width;
        if (bits == 32) {
            for (std::size_t x = 0; x < width; ++x)
                Put32(row + 4 * x, src[x]); // B, G, R, A: straight, not premultiplied
            continue;
        }
        for (std::size_t x = 0; x < width; ++x, row += 3) {
            row[0] = static_cast<std::uint8_t>(src[x]);
            row[1] = static_cast<std::uint8_t>(src[x] >> 8);
            row[2] = static_cast<std::uint8_t>(src[x] >> 16);
        }
    }
    return file;
}
