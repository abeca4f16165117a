#pragma once
// Animated GIF faces. Each face gets one of several animations, chosen by
// its number, so that a set uses every disposal method, see-through pixels,
// sub-rectangle frames, local colour tables and varied delays; every eighth
// face stays still.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> MakeGifFace(int index, QSize size, const QColor& tint, const QImage& glyph);
