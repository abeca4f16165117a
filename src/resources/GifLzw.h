#pragma once
// The variable-length LZW code of GIF image data.

#include <cstddef>
#include <cstdint>

// Decodes the image data (its sub-blocks already joined) into at most
// capacity colour indices and returns how many were written. minCodeSize
// must be 2..8. Decoding stops at the end code, at the end of the data, when
// out is full (the rest is dropped), or at a code above the next free one
// (corrupt data: what was decoded before it is kept). A full table of 4096
// entries goes on being used, without new entries, until a clear code.
std::size_t GifLzwDecode(int minCodeSize, const std::uint8_t* data, std::size_t size, std::uint8_t* out,
                         std::size_t capacity);
