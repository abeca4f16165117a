#pragma once
// Builds bitmap files field by field for the bitmap tests.

#include <cstdint>
#include <initializer_list>
#include <vector>

struct TBmpBytes {
    std::vector<std::uint8_t> Bytes;

    TBmpBytes& U8(std::initializer_list<unsigned> values)
    {
        for (unsigned v : values)
            Bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    TBmpBytes& U16(std::uint32_t v) { return U8({v & 255, v >> 8 & 255}); }
    TBmpBytes& U32(std::uint32_t v) { return U8({v & 255, v >> 8 & 255, v >> 16 & 255, v >> 24 & 255}); }
    TBmpBytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }

    // BITMAPFILEHEADER: "BM", file size (not checked), two reserved words, pixel offset.
    TBmpBytes& FileHeader(std::uint32_t offBits)
    {
        return U8({'B', 'M'}).U32(0).U16(0).U16(0).U32(offBits);
    }
    // BITMAPINFOHEADER without the masks of the bigger headers.
    TBmpBytes& InfoHeader(std::int32_t width, std::int32_t height, unsigned bits, std::uint32_t compression = 0,
                          std::uint32_t coloursUsed = 0, std::uint32_t size = 40)
    {
        U32(size);                   // biSize
        I32(width).I32(height);      // biWidth, biHeight (negative: top-down)
        U16(1).U16(bits);            // biPlanes, biBitCount
        U32(compression);            // biCompression
        U32(0);                      // biSizeImage (may be 0 for BI_RGB)
        I32(2835).I32(2835);         // biXPelsPerMeter, biYPelsPerMeter
        U32(coloursUsed).U32(0);     // biClrUsed, biClrImportant
        return *this;
    }
    // Pads with zero bytes up to the given length.
    TBmpBytes& PadTo(std::size_t length)
    {
        Bytes.resize(std::max(Bytes.size(), length), 0);
        return *this;
    }
};
