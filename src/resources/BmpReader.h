#pragma once
// Decoding of Windows bitmap files held in memory.

#include "Graphic.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct TDecodedBitmap {
    TPixelBuffer Pixels;
    std::vector<std::uint32_t> Palette; // padded to 2^bits entries; empty above 8 bits
};

// Decodes a whole BMP file. Throws EResourceError("Bitmap image is not
// valid") for anything it cannot read; never reads outside data[0, size).
TDecodedBitmap DecodeBmp(const std::uint8_t* data, std::size_t size);
