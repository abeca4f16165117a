#pragma once
// A Windows bitmap picture: our own loader and saver of BMP files. Skin
// pictures, card backs and bitmap faces are held in it.

#include "Graphic.h"

#include <cstdint>
#include <vector>

class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }

    // Decodes a BMP file from the stream's current position. Throws
    // EResourceError("Bitmap image is not valid") and leaves the bitmap
    // empty when the bytes are not a bitmap this loader can read.
    void LoadFromStream(TStream& stream) override;

    // Writes a complete BMP file (bottom-up) at the stream's position. bits
    // is 24, 8 or 32; 8-bit picks a palette: exact when the picture holds at
    // most 256 colours, else a median-cut quantisation. Only 32-bit keeps
    // alpha. Throws EResourceError for any other bits value.
    void SaveToStream(TStream& stream, int bits = 24) const;

    // Resizes to width x height opaque black pixels and drops the palette.
    // Throws EResourceError when the size is negative or beyond the limits.
    void SetSize(int width, int height);
    // Copies the pixels; the palette is dropped (true colour).
    void Assign(const TPixelBuffer& pixels);

    int Width() const override { return Buffer.Width; }
    int Height() const override { return Buffer.Height; }
    // The file's colour table for a paletted bitmap (padded to the full
    // range of its bit depth), empty for a true-colour one.
    const std::vector<std::uint32_t>& Palette() const override { return Colours; }
    const TPixelBuffer& Pixels() const override { return Buffer; }
    // Writable access for drawing into the bitmap; keeps the size.
    TPixelBuffer& EditPixels() { return Buffer; }

private:
    TPixelBuffer Buffer;
    std::vector<std::uint32_t> Colours;
};
