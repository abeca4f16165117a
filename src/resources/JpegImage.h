#pragma once
// A JPEG picture decoded through libjpeg at full size into 24-bit colour
// (greyscale comes out as grey RGB; CMYK and YCCK are converted here).

#include "Graphic.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TJPEGImage : public TGraphic {
public:
    // Decodes from the stream's current position to its end. Throws
    // EResourceError("JPEG error #N") with libjpeg's message number and
    // leaves the picture empty. A truncated file is not an error: what is
    // missing comes out as libjpeg fills it.
    void LoadFromStream(TStream& stream) override;

    int Width() const override { return Buffer.Width; }
    int Height() const override { return Buffer.Height; }
    const std::vector<std::uint32_t>& Palette() const override { return NoPalette; }
    const TPixelBuffer& Pixels() const override { return Buffer; }

private:
    TPixelBuffer Buffer;
    std::vector<std::uint32_t> NoPalette;
};

// Decodes JPEG bytes into opaque 0xFFRRGGBB pixels; throws as above.
TPixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size);
