#pragma once
// Making and decoding picture bytes in the tests.

#include "resources/Bitmap.h"
#include "resources/ResourceError.h"
#include "resources/Stream.h"

#include <cstdint>
#include <string>
#include <vector>

// A 24-bit bitmap file of width x height pixels of one 0xAARRGGBB colour.
inline std::vector<std::uint8_t> SolidBitmapFile(int width, int height, std::uint32_t colour)
{
    TBitmap bitmap(width, height);
    for (std::uint32_t& pixel : bitmap.EditPixels().Pixels)
        pixel = colour;
    TMemoryStream stream;
    bitmap.SaveToStream(stream, 24);
    return stream.Data();
}

// The bytes decoded into a new picture of type TPicture; throws as its loader does.
template <class TPicture>
TPicture LoadPicture(const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    TPicture picture;
    picture.LoadFromStream(stream);
    return picture;
}

// The message of the EResourceError that decoding the bytes as TPicture
// throws, or "no error".
template <class TPicture>
std::string LoadError(const std::vector<std::uint8_t>& bytes)
{
    try {
        LoadPicture<TPicture>(bytes);
    } catch (const EResourceError& e) {
        return e.what();
    }
    return "no error";
}
