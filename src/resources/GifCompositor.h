#pragma once
// Composes GIF frames onto a canvas of the logical screen size, applying
// each frame's disposal before the next one is drawn.

#include "GifDecoder.h"
#include "Graphic.h"

class TGifCompositor {
public:
    // The canvas starts transparent; Background shows through transparent
    // canvas pixels in the output (0xAARRGGBB, normally opaque).
    TGifCompositor(const TGifData& gif, std::uint32_t background);

    // Applies the disposal of the frame drawn last, then draws frame index.
    // Frames may come in any order (a loop restarts at its start frame).
    void Draw(int index);
    // The canvas over the background colour.
    const TPixelBuffer& Output();

private:
    void Dispose();
    void Paint(const TGifFrame& frame);

    const TGifData& Gif;
    std::uint32_t BackgroundColor;
    TPixelBuffer Canvas; // 0 is transparent
    TPixelBuffer Saved;  // the area under a frame that restores to previous
    TPixelBuffer Out;
    int Last = -1;
};
