#include "ImageBytes.h"

#include "resources/Bitmap.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

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

namespace {

struct TJpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// The only function that talks to libjpeg. Nothing with a destructor lives
// between setjmp and longjmp: the rows come from a plain buffer the caller owns.
bool CompressRgb(const unsigned char* rgb, int width, int height, int quality, unsigned char** out,
                 unsigned long* outSize, char* message)
{
    jpeg_compress_struct info;
    TJpegErrorManager errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnJpegError;
    errors.Message[0] = '\0';
    if (setjmp(errors.Jump)) {
        std::strcpy(message, errors.Message);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb + static_cast<std::size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::vector<std::uint8_t> JpegBytes(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> rows(static_cast<std::size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(&rows[static_cast<std::size_t>(y) * rgb.width() * 3], rgb.constScanLine(y),
                    static_cast<std::size_t>(rgb.width()) * 3);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = CompressRgb(rows.data(), rgb.width(), rgb.height(), quality, &buffer, &size, message);
    std::vector<std::uint8_t> out;
    if (ok)
        out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok)
        throw std::runtime_error(std::string("JPEG compression failed: ") + message);
    return out;
}
