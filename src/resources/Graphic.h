#pragma once
// The picture interface shared by bitmaps, JPEG and GIF pictures. Pixels are
// 32-bit 0xAARRGGBB words, not premultiplied, rows top to bottom with no
// padding, so a UI layer can wrap them as an ARGB32 image without copying.

#include "Stream.h"

#include <cstdint>
#include <vector>

// Bounds every decoder puts on sizes read from a file, far above any real
// card or skin picture: a side of at most MaxPictureSide pixels and at most
// MaxPicturePixels pixels in all (128 MiB of pixels). A decoder reads at most
// MaxPictureFileBytes of a stream, more than any picture within those
// limits needs.
constexpr int MaxPictureSide = 16384;
constexpr std::int64_t MaxPicturePixels = std::int64_t(1) << 25;
constexpr std::int64_t MaxPictureFileBytes = std::int64_t(1) << 28;

struct TPixelBuffer {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels; // Width * Height words

    std::uint32_t& At(int x, int y) { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }

    // width x height pixels of one colour; the sides must not be negative.
    static TPixelBuffer Filled(int width, int height, std::uint32_t colour)
    {
        return {width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
    }
};

class TGraphic {
public:
    virtual ~TGraphic() = default;

    // Decodes from the stream's current position, replacing the content.
    // Throws EResourceError with the decoder's message; the old content is
    // then gone and the picture is empty.
    virtual void LoadFromStream(TStream& stream) = 0;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Colour table of a paletted picture (0xAARRGGBB); empty for true colour.
    virtual const std::vector<std::uint32_t>& Palette() const = 0;
    // What a still drawing of the picture shows.
    virtual const TPixelBuffer& Pixels() const = 0;
    bool Empty() const { return Width() == 0 || Height() == 0; }
};
