#pragma once
// Writes CompuServe's "Graphics Interchange Format, Version 89a" (1990).
// Our GIF writer for the animated card faces: a palette chosen per file
// (or per frame), a transparent index for see-through pixels, the four
// disposal methods, and LZW compression with the variable code width of the
// format. The file loops forever when it has more than one frame.

#include "resources/Graphic.h"

#include <cstdint>
#include <vector>

enum class TGifEncodeDisposal : std::uint8_t {
    Unspecified = 0,
    Keep = 1,
    RestoreBackground = 2,
    RestorePrevious = 3,
};

struct TGifEncodeFrame {
    TPixelBuffer Pixels;  // the frame's rectangle; alpha below 128 is transparent
    int Left = 0;         // where the rectangle lies on the logical screen
    int Top = 0;
    int DelayCs = 10;     // hundredths of a second
    TGifEncodeDisposal Disposal = TGifEncodeDisposal::Unspecified;
    bool LocalPalette = false; // own colour table instead of the global one
};

// Encodes the frames for a width x height logical screen. Throws
// std::invalid_argument when there is no frame or one lies off the screen.
std::vector<std::uint8_t> EncodeGif(int width, int height, const std::vector<TGifEncodeFrame>& frames);

// LZW-compresses palette indices as a GIF image's data: the minimum code
// size byte is not included; the output is the packed code stream.
std::vector<std::uint8_t> GifLzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize);
