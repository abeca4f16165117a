// JPEG (ITU-T T.81, JFIF and Adobe APP14 markers) decoded by libjpeg; this
// file only drives it and converts its output rows.

#include "JpegImage.h"

#include "ResourceError.h"
#include "StreamBytes.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Progressive files may carry any number of scans; this bounds the work a
// hostile file can ask for. Real files have at most a few dozen.
constexpr int MaxScans = 1000;

struct TErrorManager {
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
};

void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TErrorManager*>(info->err)->Jump, 1);
}

void Silent(j_common_ptr) {} // warnings (a truncated file, corrupt data) are not reported

void LimitScans(j_common_ptr info)
{
    const auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->is_decompressor && d->input_scan_number > MaxScans) {
        info->err->msg_code = JERR_NOTIMPL;
        info->err->error_exit(info);
    }
}

// Sizes the output; false when memory runs out.
bool AllocatePixels(TPixelBuffer& out, JDIMENSION width, JDIMENSION height) noexcept
{
    try {
        out.Pixels.resize(std::size_t(width) * height);
    } catch (...) {
        return false;
    }
    out.Width = static_cast<int>(width);
    out.Height = static_cast<int>(height);
    return true;
}

// libjpeg-turbo writes RGB straight into our 0xAARRGGBB words, alpha 0xFF.
constexpr J_COLOR_SPACE PixelWordSpace = std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// CMYK rows into pixel words. Adobe's writers store CMYK inverted (255 = no
// ink); others store ink. Kept out of line: in the function that calls
// setjmp the compiler keeps values in memory, which slows the loop.
[[gnu::noinline]] void ConvertCmykRow(const JSAMPLE* row, bool inverted, JDIMENSION width, std::uint32_t* dst)
{
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        std::uint32_t c = row[0], m = row[1], y = row[2], k = row[3];
        if (!inverted)
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        const std::uint32_t r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
        dst[x] = 0xFF000000u | r << 16 | g << 8 | b;
    }
}

// Everything libjpeg touches, in plain C storage: a longjmp out of libjpeg
// crosses no C++ object, and the caller frees Row (the CMYK row buffer) on
// every path.
struct TDecodeJob {
    jpeg_decompress_struct Info;
    TErrorManager Error;
    jpeg_progress_mgr Progress;
    JSAMPLE* Row;
    TPixelBuffer* Out;
};

[[noreturn]] void Fail(TDecodeJob* job, int code)
{
    job->Error.Pub.msg_code = code;
    job->Error.Pub.error_exit(reinterpret_cast<j_common_ptr>(&job->Info));
    std::abort(); // error_exit never returns
}

// The one place libjpeg is called. On failure returns false with libjpeg's
// message number in job->Error.Pub.msg_code.
bool RunDecompress(TDecodeJob* job, const std::uint8_t* data, std::size_t size)
{
    job->Info.err = jpeg_std_error(&job->Error.Pub);
    job->Error.Pub.error_exit = ErrorExit;
    job->Error.Pub.output_message = Silent;
    if (setjmp(job->Error.Jump)) {
        jpeg_destroy_decompress(&job->Info);
        return false;
    }
    jpeg_create_decompress(&job->Info);
    job->Progress.progress_monitor = LimitScans;
    job->Info.progress = &job->Progress;
    jpeg_mem_src(&job->Info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&job->Info, TRUE);

    const bool cmyk = job->Info.jpeg_color_space == JCS_CMYK || job->Info.jpeg_color_space == JCS_YCCK;
    job->Info.out_color_space = cmyk ? JCS_CMYK : PixelWordSpace; // greyscale comes out as grey RGB
    job->Info.scale_num = job->Info.scale_denom = 1;
    job->Info.dct_method = JDCT_ISLOW;
    job->Info.do_fancy_upsampling = TRUE;
    job->Info.buffered_image = FALSE;
    // Refused before libjpeg allocates its buffers for the size.
    const JDIMENSION side = JDIMENSION(MaxPictureSide);
    if (job->Info.image_width > side || job->Info.image_height > side ||
        std::int64_t(job->Info.image_width) * job->Info.image_height > MaxPicturePixels)
        Fail(job, JERR_IMAGE_TOO_BIG);
    jpeg_start_decompress(&job->Info);

    const JDIMENSION width = job->Info.output_width;
    if (!AllocatePixels(*job->Out, width, job->Info.output_height))
        Fail(job, JERR_OUT_OF_MEMORY);
    if (cmyk) {
        job->Row = static_cast<JSAMPLE*>(std::malloc(std::size_t(width) * 4));
        if (!job->Row)
            Fail(job, JERR_OUT_OF_MEMORY);
    }
    const bool inverted = job->Info.saw_Adobe_marker;
    while (job->Info.output_scanline < job->Info.output_height) {
        std::uint32_t* dst = job->Out->Pixels.data() + std::size_t(job->Info.output_scanline) * width;
        JSAMPROW row = cmyk ? job->Row : reinterpret_cast<JSAMPROW>(dst);
        jpeg_read_scanlines(&job->Info, &row, 1);
        if (cmyk)
            ConvertCmykRow(job->Row, inverted, width, dst);
    }
    jpeg_finish_decompress(&job->Info);
    jpeg_destroy_decompress(&job->Info);
    return true;
}

} // namespace

TPixelBuffer DecodeJpeg(const std::uint8_t* data, std::size_t size)
{
    TPixelBuffer out;
    TDecodeJob job {};
    job.Out = &out;
    const bool decoded = RunDecompress(&job, data, size);
    std::free(job.Row);
    if (!decoded)
        throw EResourceError("JPEG error #" + std::to_string(job.Error.Pub.msg_code));
    return out;
}

void TJPEGImage::LoadFromStream(TStream& stream)
{
    Buffer = TPixelBuffer {};
    const TStreamBytes bytes = RemainingBytes(stream);
    Buffer = DecodeJpeg(bytes.Data, bytes.Size);
}
