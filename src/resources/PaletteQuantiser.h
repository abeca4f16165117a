#pragma once
// Reduces a true-colour picture to at most 256 colours for an 8-bit bitmap.

#include "Graphic.h"

#include <cstdint>
#include <vector>

struct TIndexedPixels {
    std::vector<std::uint32_t> Palette; // 0xFFRRGGBB, 1 to 256 entries (none for an empty picture)
    std::vector<std::uint8_t> Indices;  // one per pixel, rows top to bottom
};

// Exact when the picture holds at most 256 distinct colours (palette in the
// order the colours first appear); otherwise a median cut over a 5-bit per
// channel histogram, each pixel mapped to its nearest palette colour.
// Alpha is ignored.
TIndexedPixels QuantisePixels(const TPixelBuffer& pixels);
