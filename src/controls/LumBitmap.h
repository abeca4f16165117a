#pragma once
// TLumBitmap: the UI layer's bitmap, a picture with an optional colour table
// and a brush colour, and the fitted drawing of a picture into a box, scaled
// down but never enlarged, centred. Also the shared rounding rule.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

class TGraphic;
struct TPixelBuffer;

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double value);

// The size at which an sw x sh picture fits an bw x bh box without being
// enlarged; a picture with a non-positive side or one that already fits
// keeps its own size.
QSize FitSize(int sw, int sh, int bw, int bh);

// A copy of the pixels as an ARGB32 image. Throws EControlError when the
// buffer does not hold Width x Height words.
QImage ToQImage(const TPixelBuffer& pixels);

class TLumBitmap {
public:
    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    bool Empty() const { return Image.isNull(); }

    // Takes a copy of the graphic's still picture and colour table.
    void Assign(const TGraphic& graphic);
    void Assign(const QImage& image);

    // Makes the bitmap W x H, 24-bit colour, filled with BrushColor, and draws
    // the graphic (when given) into it at FitSize, centred. Non-positive W or
    // H leave an empty bitmap.
    void DrawFitted(const TGraphic* graphic, int W, int H);
    void DrawFitted(const QImage* graphic, int W, int H);

    QImage Image;
    std::vector<std::uint32_t> Palette; // 0xAARRGGBB; empty for true colour
    QColor BrushColor = Qt::white;
};
