#pragma once
// Encoding of pixels as a Windows bitmap file.

#include "Graphic.h"

#include <cstdint>
#include <vector>

// A whole BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, rows bottom-up. bits
// is 24 (alpha dropped) or 8 (palette from QuantisePixels); any other value
// throws EResourceError.
std::vector<std::uint8_t> EncodeBmp(const TPixelBuffer& pixels, int bits);
