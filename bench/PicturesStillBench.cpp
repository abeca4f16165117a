// Decoding a large still (1600 x 1200) in memory: our bitmap loader against
// Qt's BMP reader (24 and 8 bits), our JPEG loader against a plain libjpeg
// decode with the same settings.

#include "JpegWriter.h"

#include "resources/Bitmap.h"
#include "resources/JpegImage.h"

#include <QByteArray>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int Width = 1600, Height = 1200;

// Smooth shading with some grain, so JPEG and the quantiser see a photo-like picture.
TBitmap MakeStill()
{
    TBitmap still(Width, Height);
    std::uint32_t seed = 1;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const std::uint32_t grain = seed >> 28;
            const std::uint32_t r = (x * 255 / Width + grain) & 255, g = (y * 255 / Height + grain) & 255,
                                b = ((x + y) * 255 / (Width + Height)) & 255;
            still.EditPixels().At(x, y) = 0xFF000000u | r << 16 | g << 8 | b;
        }
    return still;
}

const TBitmap& Still()
{
    static const TBitmap still = MakeStill();
    return still;
}

const std::vector<std::uint8_t>& BmpFile(int bits)
{
    static std::vector<std::uint8_t> files[2];
    std::vector<std::uint8_t>& file = files[bits == 8];
    if (file.empty()) {
        TMemoryStream stream;
        Still().SaveToStream(stream, bits);
        file = stream.Data();
    }
    return file;
}

const std::vector<std::uint8_t>& JpegFile()
{
    static const std::vector<std::uint8_t> file = EncodeJpeg(Still().Pixels(), 90);
    return file;
}

void OurBitmap(benchmark::State& state)
{
    const std::vector<std::uint8_t>& file = BmpFile(static_cast<int>(state.range(0)));
    TMemoryStream stream(file);
    TBitmap bitmap;
    for (auto _ : state) {
        stream.SetPosition(0);
        bitmap.LoadFromStream(stream);
        benchmark::DoNotOptimize(bitmap.Pixels().Pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(OurBitmap)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);

// Arguments: bits of the file; whether Qt's result is then made 32-bit
// pixels, as ours always are (Qt keeps an 8-bit file as indexed pixels).
void QtBitmap(benchmark::State& state)
{
    const std::vector<std::uint8_t>& file = BmpFile(static_cast<int>(state.range(0)));
    const bool to32Bits = state.range(1) != 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<qsizetype>(file.size()));
    for (auto _ : state) {
        QImage image;
        if (!image.loadFromData(bytes, "BMP"))
            state.SkipWithError("Qt could not read the bitmap");
        if (to32Bits && image.depth() != 32)
            image = image.convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(QtBitmap)->Args({24, 0})->Args({8, 0})->Args({8, 1})->Unit(benchmark::kMillisecond);

void OurJpeg(benchmark::State& state)
{
    TMemoryStream stream(JpegFile());
    TJPEGImage image;
    for (auto _ : state) {
        stream.SetPosition(0);
        image.LoadFromStream(stream);
        benchmark::DoNotOptimize(image.Pixels().Pixels.data());
    }
}
BENCHMARK(OurJpeg)->Unit(benchmark::kMillisecond);

// libjpeg as a program would call it for the same output: full size, RGB,
// accurate DCT, fancy upsampling, into a buffer of RGB rows it allocates for
// the picture (as our loader allocates its pixels).
void LibjpegDirect(benchmark::State& state)
{
    const std::vector<std::uint8_t>& file = JpegFile();
    for (auto _ : state) {
        jpeg_decompress_struct info {};
        jpeg_error_mgr error {};
        info.err = jpeg_std_error(&error);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, file.data(), file.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        info.dct_method = JDCT_ISLOW;
        info.do_fancy_upsampling = TRUE;
        jpeg_start_decompress(&info);
        const std::size_t stride = std::size_t(info.output_width) * 3;
        auto* pixels = static_cast<JSAMPLE*>(std::malloc(stride * info.output_height));
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels + info.output_scanline * stride;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels);
        std::free(pixels);
    }
}
BENCHMARK(LibjpegDirect)->Unit(benchmark::kMillisecond);

} // namespace
