#pragma once
// Baseline JPEG files through libjpeg, for the generated JPEG card faces.

#include "resources/Graphic.h"

#include <cstdint>
#include <vector>

// The pixels' colours as a JPEG file (alpha is dropped). Throws
// std::runtime_error with libjpeg's message when compression fails.
std::vector<std::uint8_t> EncodeJpeg(const TPixelBuffer& pixels, int quality);
