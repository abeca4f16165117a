#include "LumBitmap.h"

#include "ControlError.h"

#include "resources/Graphic.h"

#include <QPainter>

#include <cmath>

int RoundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

QSize FitSize(int sw, int sh, int bw, int bh)
{
    if (sw <= 0 || sh <= 0 || (sw <= bw && sh <= bh))
        return {sw, sh};
    int w = bw;
    int h = RoundHalfEven(static_cast<double>(sh) * bw / sw);
    if (h > bh) {
        h = bh;
        w = RoundHalfEven(static_cast<double>(sw) * bh / sh);
    }
    return {w, h};
}

QImage ToQImage(const TPixelBuffer& pixels)
{
    if (pixels.Width < 0 || pixels.Height < 0 ||
        pixels.Pixels.size() != static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height))
        throw EControlError("Pixel buffer does not match its size");
    if (pixels.Width == 0 || pixels.Height == 0)
        return {};
    const QImage view(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                      static_cast<qsizetype>(pixels.Width) * 4, QImage::Format_ARGB32);
    return view.copy();
}

void TLumBitmap::Assign(const TGraphic& graphic)
{
    Image = ToQImage(graphic.Pixels());
    Palette = graphic.Palette();
}

void TLumBitmap::Assign(const QImage& image)
{
    Image = image;
    Palette.clear();
    for (const QRgb colour : image.colorTable())
        Palette.push_back(colour);
}

void TLumBitmap::DrawFitted(const TGraphic* graphic, int W, int H)
{
    if (!graphic) {
        DrawFitted(static_cast<const QImage*>(nullptr), W, H);
        return;
    }
    const QImage picture = ToQImage(graphic->Pixels());
    DrawFitted(&picture, W, H);
}

void TLumBitmap::DrawFitted(const QImage* graphic, int W, int H)
{
    Palette.clear();
    if (W <= 0 || H <= 0) {
        Image = QImage();
        return;
    }
    const QSize fitted = graphic ? FitSize(graphic->width(), graphic->height(), W, H) : QSize(0, 0);
    Image = QImage(W, H, QImage::Format_RGB32);
    Image.fill(BrushColor);
    if (!graphic || graphic->isNull() || fitted.isEmpty())
        return;
    QPainter canvas(&Image);
    // Faces are photographs and drawings: smooth scaling keeps them readable.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(QRect((W - fitted.width()) / 2, (H - fitted.height()) / 2, fitted.width(), fitted.height()),
                     *graphic);
}
