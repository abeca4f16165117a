#pragma once
// Encoding of pixels as a Windows bitmap file.

#include "Graphic.h"

#include <cstdint>
#include <vector>

// A whole BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom-up. bits
// is 24 (alpha dropped), 8 (palette from QuantisePixels) or 32 (a V4 header
// whose bit fields keep alpha, for see-through pictures); any other value
// throws EResourceError.
std::vector<std::uint8_t> EncodeBmp(const TPixelBuffer& pixels, int bits);
