#include "Bitmap.h"

#include "BmpReader.h"
#include "BmpWriter.h"
#include "ResourceError.h"
#include "StreamBytes.h"

void TBitmap::LoadFromStream(TStream& stream)
{
    Buffer = TPixelBuffer {};
    Colours.clear();
    const TStreamBytes bytes = RemainingBytes(stream);
    TDecodedBitmap decoded = DecodeBmp(bytes.Data, bytes.Size);
    Buffer = std::move(decoded.Pixels);
    Colours = std::move(decoded.Palette);
}

void TBitmap::SaveToStream(TStream& stream, int bits) const
{
    const std::vector<std::uint8_t> file = EncodeBmp(Buffer, bits);
    stream.Write(file.data(), file.size());
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0 || width > MaxPictureSide || height > MaxPictureSide ||
        std::int64_t(width) * height > MaxPicturePixels)
        throw EResourceError("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                             " is out of range");
    Buffer = TPixelBuffer::Filled(width, height, 0xFF000000u);
    Colours.clear();
}

void TBitmap::Assign(const TPixelBuffer& pixels)
{
    if (pixels.Width < 0 || pixels.Height < 0 ||
        pixels.Pixels.size() != static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height))
        throw EResourceError("Pixel buffer does not match its size");
    Buffer = pixels;
    Colours.clear();
}
