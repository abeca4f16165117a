#include "JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

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

std::vector<std::uint8_t> EncodeJpeg(const TPixelBuffer& pixels, int quality)
{
    std::vector<unsigned char> rows(pixels.Pixels.size() * 3);
    for (std::size_t i = 0; i < pixels.Pixels.size(); ++i) {
        rows[3 * i] = static_cast<unsigned char>(pixels.Pixels[i] >> 16);
        rows[3 * i + 1] = static_cast<unsigned char>(pixels.Pixels[i] >> 8);
        rows[3 * i + 2] = static_cast<unsigned char>(pixels.Pixels[i]);
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = CompressRgb(rows.data(), pixels.Width, pixels.Height, quality, &buffer, &size, message);
    std::vector<std::uint8_t> out;
    if (ok)
        out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok)
        throw std::runtime_error(std::string("JPEG compression failed: ") + message);
    return out;
}
