#include "ImageBytes.h"

#include "JpegWriter.h"

#include "resources/Bitmap.h"

#include <cstring>

TPixelBuffer ToPixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    TPixelBuffer out;
    out.Width = argb.width();
    out.Height = argb.height();
    out.Pixels.resize(static_cast<std::size_t>(out.Width) * out.Height);
    for (int y = 0; y < out.Height; ++y)
        std::memcpy(&out.Pixels[static_cast<std::size_t>(y) * out.Width], argb.constScanLine(y),
                    static_cast<std::size_t>(out.Width) * 4);
    return out;
}

std::vector<std::uint8_t> BitmapBytes(const QImage& image, int bits)
{
    TBitmap bitmap;
    bitmap.Assign(ToPixels(image));
    TMemoryStream stream;
    bitmap.SaveToStream(stream, bits);
    return stream.Data();
}

std::vector<std::uint8_t> JpegBytes(const QImage& image, int quality) { return EncodeJpeg(ToPixels(image), quality); }
