#pragma once
// A minimal PNG writer (8-bit RGB, no filtering, zlib from the system), so
// the tool writes pictures without a UI toolkit.

#include "resources/Graphic.h"

#include <string>

// Writes the pixels as an opaque RGB PNG file; alpha is ignored. Throws
// ETessalyError when the file cannot be written.
void WritePng(const std::string& fileName, const TPixelBuffer& pixels);
