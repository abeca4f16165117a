#pragma once
// The variable-length LZW code of GIF image data.

#include <cstddef>
#include <cstdint>

// The minimum code sizes a file may give: the format writes two-colour
// images with 2, and 12 would leave no code of at most 12 bits for the clear
// and end codes.
constexpr int GifLzwMinCodeSize = 2;
constexpr int GifLzwMaxCodeSize = 11;

// Decodes the image data (its sub-blocks already joined) into at most
// capacity colour indices and returns how many were written. minCodeSize
// must lie within the bounds above; a root code above 255 (sizes 9 to 11)
// gives its low 8 bits, as other readers do. Decoding stops at the end code,
// at the end of the data, when out is full (the rest is dropped), or at a
// code above the next free one (corrupt data: what was decoded before it is
// kept). A full table of 4096 entries goes on being used, without new
// entries, until a clear code.
std::size_t GifLzwDecode(int minCodeSize, const std::uint8_t* data, std::size_t size, std::uint8_t* out,
                         std::size_t capacity);
