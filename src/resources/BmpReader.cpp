// Follows the Windows SDK's bitmap storage documentation (BITMAPFILEHEADER,
// BITMAPCOREHEADER, BITMAPINFOHEADER, BITMAPV4HEADER, BITMAPV5HEADER, and
// "Bitmap Compression" for the RLE4 and RLE8 codings).

#include "BmpReader.h"

#include "ResourceError.h"

#include <algorithm>
#include <bit>

namespace {

enum TCompression : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

constexpr std::size_t FileHeaderSize = 14;

[[noreturn]] void Invalid()
{
    throw EResourceError("Bitmap image is not valid");
}

// Little-endian reads that refuse to look outside the data.
struct TBytes {
    const std::uint8_t* Data;
    std::size_t Size;

    std::uint16_t U16(std::size_t at) const
    {
        if (at > Size || Size - at < 2)
            Invalid();
        return static_cast<std::uint16_t>(Data[at] | Data[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const
    {
        if (at > Size || Size - at < 4)
            Invalid();
        return std::uint32_t(Data[at]) | std::uint32_t(Data[at + 1]) << 8 | std::uint32_t(Data[at + 2]) << 16 |
               std::uint32_t(Data[at + 3]) << 24;
    }
};

struct THeader {
    std::int64_t Width = 0;
    std::int64_t Height = 0; // always positive; TopDown says the row order
    bool TopDown = false;
    unsigned Bits = 0;
    std::uint32_t Compression = BiRgb;
    std::uint32_t ColoursUsed = 0;
    std::uint32_t Masks[4] = {}; // red, green, blue, alpha
    std::size_t PaletteStart = 0;
    std::size_t PaletteEntrySize = 4;
    std::uint32_t OffBits = 0;
    std::uint32_t SizeImage = 0;
};

THeader ReadHeader(const TBytes& in)
{
    if (in.Size < FileHeaderSize + 4 || in.Data[0] != 'B' || in.Data[1] != 'M')
        Invalid();
    THeader h;
    h.OffBits = in.U32(10);
    const std::uint32_t infoSize = in.U32(14);
    const std::size_t info = FileHeaderSize;
    h.PaletteStart = info + infoSize;
    if (infoSize == 12) { // BITMAPCOREHEADER: 16-bit sizes, 3-byte palette entries
        h.Width = in.U16(info + 4);
        h.Height = in.U16(info + 6);
        h.Bits = in.U16(info + 10);
        h.PaletteEntrySize = 3;
        if (h.Bits != 1 && h.Bits != 4 && h.Bits != 8 && h.Bits != 24)
            Invalid();
        return h;
    }
    // 40: BITMAPINFOHEADER; 52 and 56 add the masks to it; 64: the OS/2 2.x
    // header, whose extra fields we ignore; 108: V4; 124: V5.
    if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64 && infoSize != 108 && infoSize != 124)
        Invalid();
    const std::int32_t width = static_cast<std::int32_t>(in.U32(info + 4));
    const std::int32_t height = static_cast<std::int32_t>(in.U32(info + 8));
    h.Bits = in.U16(info + 14);
    h.Compression = in.U32(info + 16);
    h.SizeImage = in.U32(info + 20);
    h.ColoursUsed = in.U32(info + 32);
    if (width < 0)
        Invalid();
    h.Width = width;
    h.TopDown = height < 0;
    h.Height = h.TopDown ? -static_cast<std::int64_t>(height) : height;

    const bool bitfields = h.Compression == BiBitfields || h.Compression == BiAlphaBitfields;
    switch (h.Compression) {
    case BiRgb:
        // 2 bits came with the small-screen devices' variant of the format.
        if (h.Bits != 1 && h.Bits != 2 && h.Bits != 4 && h.Bits != 8 && h.Bits != 16 && h.Bits != 24 && h.Bits != 32)
            Invalid();
        break;
    case BiRle8:
    case BiRle4:
        if (h.Bits != (h.Compression == BiRle8 ? 8u : 4u))
            Invalid();
        break;
    case BiBitfields:
    case BiAlphaBitfields:
        // The OS/2 header uses 3 and 4 for its own Huffman and RLE24 codings.
        if ((h.Bits != 16 && h.Bits != 32) || infoSize == 64)
            Invalid();
        break;
    default:
        Invalid();
    }

    if (bitfields) {
        // The masks sit inside the larger headers, else right after the 40 bytes.
        const unsigned count = h.Compression == BiAlphaBitfields || infoSize >= 56 ? 4 : 3;
        for (unsigned i = 0; i < count; ++i)
            h.Masks[i] = in.U32(info + 40 + 4 * i);
        if (infoSize == 40)
            h.PaletteStart += 4 * count;
    } else if (h.Bits == 16) {
        h.Masks[0] = 0x7C00, h.Masks[1] = 0x03E0, h.Masks[2] = 0x001F;
    } else if (h.Bits == 32) {
        h.Masks[0] = 0xFF0000, h.Masks[1] = 0x00FF00, h.Masks[2] = 0x0000FF; // fourth byte unused
    }
    return h;
}

// The colour table, padded with opaque black to 2^bits so no index reads
// outside it. Entries beyond the file or the pixel data offset are missing.
std::vector<std::uint32_t> ReadPalette(const TBytes& in, const THeader& h, std::size_t paletteEnd)
{
    const std::size_t full = std::size_t(1) << h.Bits;
    std::size_t count = h.ColoursUsed == 0 ? full : std::min<std::size_t>(h.ColoursUsed, full);
    count = std::min(count, (paletteEnd - h.PaletteStart) / h.PaletteEntrySize);
    std::vector<std::uint32_t> palette(full, 0xFF000000u);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = in.Data + h.PaletteStart + i * h.PaletteEntrySize;
        palette[i] = 0xFF000000u | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
    }
    return palette;
}

// One colour channel of a BITFIELDS pixel, scaled to 8 bits.
struct TChannel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;

    explicit TChannel(std::uint32_t mask) : Mask(mask)
    {
        if (mask == 0)
            return;
        Shift = std::countr_zero(mask);
        Max = mask >> Shift;
        if ((Max & (Max + 1)) != 0) // the bits of a mask must be contiguous
            Invalid();
    }
    std::uint32_t Get(std::uint32_t pixel, std::uint32_t absent) const
    {
        if (Max == 0)
            return absent;
        const std::uint32_t v = (pixel & Mask) >> Shift;
        return Max == 255 ? v : static_cast<std::uint32_t>((std::uint64_t(v) * 255 + Max / 2) / Max);
    }
};

struct TMaskedFormat {
    TChannel R, G, B, A;
    explicit TMaskedFormat(const std::uint32_t* masks) : R(masks[0]), G(masks[1]), B(masks[2]), A(masks[3]) {}
    std::uint32_t Argb(std::uint32_t pixel) const
    {
        return A.Get(pixel, 255) << 24 | R.Get(pixel, 0) << 16 | G.Get(pixel, 0) << 8 | B.Get(pixel, 0);
    }
};

void DecodeRows(const TBytes& in, const THeader& h, std::size_t start, const std::vector<std::uint32_t>& palette,
                TPixelBuffer& out)
{
    const std::size_t width = static_cast<std::size_t>(h.Width);
    const std::size_t height = static_cast<std::size_t>(h.Height);
    const std::size_t stride = (width * h.Bits + 31) / 32 * 4;
    const std::size_t rowBytes = (width * h.Bits + 7) / 8;
    // The last row may lack its padding; every byte a row uses must be there.
    if (start > in.Size || in.Size - start < rowBytes || (in.Size - start - rowBytes) / stride < height - 1)
        Invalid();

    const TMaskedFormat format(h.Masks);
    std::vector<std::uint32_t> table16;
    if (h.Bits == 16) {
        table16.resize(65536);
        for (std::uint32_t v = 0; v < 65536; ++v)
            table16[v] = format.Argb(v);
    }
    // Rows are appended top to bottom; growing by one row at a time zeroes
    // it while it is in cache instead of clearing the whole picture first.
    out.Pixels.reserve(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* src = in.Data + start + (h.TopDown ? y : height - 1 - y) * stride;
        out.Pixels.resize(out.Pixels.size() + width);
        std::uint32_t* dst = &*(out.Pixels.end() - static_cast<std::ptrdiff_t>(width));
        switch (h.Bits) {
        case 1:
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = palette[src[x / 8] >> (7 - x % 8) & 1];
            break;
        case 2:
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = palette[src[x / 4] >> (6 - 2 * (x % 4)) & 3];
            break;
        case 4:
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = palette[(x % 2 ? src[x / 2] : src[x / 2] >> 4) & 15];
            break;
        case 8: {
            const std::uint32_t* colours = palette.data();
#pragma GCC unroll 8 // the palette lookups are memory bound; unrolling overlaps them
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = colours[src[x]];
            break;
        }
        case 16:
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = table16[src[2 * x] | src[2 * x + 1] << 8];
            break;
        case 24:
            for (std::size_t x = 0; x < width; ++x, src += 3)
                dst[x] = 0xFF000000u | std::uint32_t(src[2]) << 16 | std::uint32_t(src[1]) << 8 | src[0];
            break;
        case 32:
            for (std::size_t x = 0; x < width; ++x, src += 4)
                dst[x] = format.Argb(std::uint32_t(src[0]) | std::uint32_t(src[1]) << 8 | std::uint32_t(src[2]) << 16 |
                                     std::uint32_t(src[3]) << 24);
            break;
        }
    }
    // Writers that fill an alpha mask with zeros mean an opaque picture, not
    // an invisible one.
    if (h.Masks[3] != 0 && std::none_of(out.Pixels.begin(), out.Pixels.end(), [](std::uint32_t p) { return p >> 24; }))
        for (std::uint32_t& p : out.Pixels)
            p |= 0xFF000000u;
}

// RLE8 and RLE4. Pixels the codes skip keep palette entry 0; pixels beyond
// the right edge are dropped; the data ending early ends the picture.
void DecodeRle(const TBytes& in, const THeader& h, std::size_t start, const std::vector<std::uint32_t>& palette,
               TPixelBuffer& out)
{
    out.Pixels.assign(static_cast<std::size_t>(h.Width * h.Height), palette[0]);
    const std::int64_t width = h.Width, height = h.Height;
    const bool four = h.Compression == BiRle4;
    std::size_t end = in.Size;
    if (h.SizeImage != 0 && h.SizeImage < in.Size - start)
        end = start + h.SizeImage;
    std::size_t at = start;
    std::int64_t x = 0, line = 0;
    auto put = [&](unsigned index) {
        if (x < width)
            out.Pixels[static_cast<std::size_t>((h.TopDown ? line : height - 1 - line) * width + x)] = palette[index];
        ++x;
    };
    while (line < height && end - at >= 2) {
        const unsigned count = in.Data[at], value = in.Data[at + 1];
        at += 2;
        if (count > 0) { // a run: one index, or two alternating nibbles
            for (unsigned i = 0; i < count; ++i)
                put(four ? (i % 2 ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0, ++line;
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // delta: move right and up
            if (end - at < 2)
                break;
            x += in.Data[at], line += in.Data[at + 1];
            at += 2;
        } else { // absolute run of value indices, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (end - at < bytes)
                break;
            for (unsigned i = 0; i < value; ++i)
                put(four ? (i % 2 ? in.Data[at + i / 2] & 15 : in.Data[at + i / 2] >> 4) : in.Data[at + i]);
            at += bytes + bytes % 2;
            at = std::min(at, end);
        }
    }
}

} // namespace

TDecodedBitmap DecodeBmp(const std::uint8_t* data, std::size_t size)
{
    const TBytes in {data, size};
    const THeader h = ReadHeader(in);
    if (h.Width > MaxPictureSide || h.Height > MaxPictureSide || h.Width * h.Height > MaxPicturePixels)
        Invalid();
    if (h.PaletteStart > size || h.OffBits > size || (h.OffBits != 0 && h.OffBits < h.PaletteStart))
        Invalid();

    TDecodedBitmap result;
    std::size_t pixelStart = h.OffBits;
    if (h.Bits <= 8) {
        result.Palette = ReadPalette(in, h, h.OffBits != 0 ? h.OffBits : size);
        if (h.OffBits == 0) // no offset given: the pixels follow the colour table
            pixelStart = h.PaletteStart + std::min<std::size_t>(h.ColoursUsed ? h.ColoursUsed : result.Palette.size(),
                                                                (size - h.PaletteStart) / h.PaletteEntrySize) *
                                              h.PaletteEntrySize;
    } else if (h.OffBits == 0) {
        pixelStart = h.PaletteStart;
    }

    TPixelBuffer& out = result.Pixels;
    if (h.Width == 0 || h.Height == 0)
        return result; // a 0 x 0 bitmap is a valid, empty picture
    out.Width = static_cast<int>(h.Width);
    out.Height = static_cast<int>(h.Height);
    if (h.Compression == BiRle4 || h.Compression == BiRle8)
        DecodeRle(in, h, pixelStart, result.Palette, out);
    else
        DecodeRows(in, h, pixelStart, result.Palette, out);
    return result;
}
