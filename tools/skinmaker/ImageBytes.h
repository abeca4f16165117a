#pragma once
// From drawn QImages to the bytes the archives hold: bitmaps through the
// project's own saver, JPEG through libjpeg.

#include "resources/Graphic.h"

#include <QImage>

#include <cstdint>
#include <vector>

// The image's pixels as 0xAARRGGBB words (not premultiplied).
TPixelBuffer ToPixels(const QImage& image);

// A whole BMP file of the image (24-bit or 8-bit paletted).
std::vector<std::uint8_t> BitmapBytes(const QImage& image, int bits = 24);

// A baseline JPEG file of the image's colours (alpha is dropped). Throws
// std::runtime_error with libjpeg's message when compression fails.
std::vector<std::uint8_t> JpegBytes(const QImage& image, int quality);
