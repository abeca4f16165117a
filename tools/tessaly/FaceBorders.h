#pragma once
// The outer band of a card face, compared across its set: a face whose border
// differs from the others' (a missing frame, a different margin) is playable
// but looks wrong on the board, so the set's maker should hear of it.

#include "resources/Graphic.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The lightness of the face's outer band, pixel by pixel in a fixed order;
// see-through pixels count as white, as a still GIF face is shown.
std::vector<std::uint8_t> BorderBand(const TPixelBuffer& face);

// The positions in bands of those that differ clearly from the set's typical
// band. Only bands of the most common length are compared (faces of another
// size are a problem of their own); fewer than three say nothing.
std::vector<std::size_t> OddBorders(const std::vector<std::vector<std::uint8_t>>& bands);
