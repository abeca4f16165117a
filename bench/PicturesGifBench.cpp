// GIF decoding: ours against giflib (indices only, as DGifSlurp gives them)
// and against Qt's reader (every frame composed, as QImageReader gives them).

#include "GifTestWriter.h"

#include "resources/GifCompositor.h"
#include "resources/GifImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cmath>
#include <cstring>

using namespace giftest;

namespace {

constexpr int Width = 320, Height = 240, Frames = 40;

// A card-like animation: a 64-colour picture with a moving disc and a
// little noise, each frame a full-screen image.
const Bytes& Animation()
{
    static const Bytes bytes = [] {
        std::vector<std::uint32_t> palette(64);
        for (int i = 0; i < 64; ++i)
            palette[i] = static_cast<std::uint32_t>((i * 4) << 16 | (255 - i * 4) << 8 | (i * 13 % 256));
        TGifWriter writer(Width, Height, palette);
        writer.Loop(0);
        std::uint32_t noise = 1;
        for (int f = 0; f < Frames; ++f) {
            TFrameSpec frame;
            frame.Width = Width;
            frame.Height = Height;
            frame.MinCodeSize = 6;
            frame.Indices.resize(Width * Height);
            const double cx = Width / 2 + 90 * std::cos(f * 0.157), cy = Height / 2 + 70 * std::sin(f * 0.157);
            for (int y = 0; y < Height; ++y)
                for (int x = 0; x < Width; ++x) {
                    noise = noise * 1103515245u + 12345u;
                    const double d = std::hypot(x - cx, y - cy);
                    int v = d < 40 ? 63 - static_cast<int>(d / 2) : (x / 10 + y / 15) % 32;
                    if ((noise >> 16) % 16 == 0)
                        v = (noise >> 8) % 64;
                    frame.Indices[y * Width + x] = static_cast<std::uint8_t>(v);
                }
            writer.Control(4, 1).Image(frame);
        }
        return writer.Finish();
    }();
    return bytes;
}

void OursDecode(benchmark::State& state)
{
    const Bytes& gif = Animation();
    for (auto _ : state) {
        TGIFImage image;
        image.LoadFromBytes(gif.data(), gif.size());
        benchmark::DoNotOptimize(image.Frame(Frames - 1).Indices.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}

void OursDecodeAndComposeEveryFrame(benchmark::State& state)
{
    const Bytes& gif = Animation();
    for (auto _ : state) {
        TGIFImage image;
        image.LoadFromBytes(gif.data(), gif.size());
        TGifCompositor compositor(*image.Content(), 0xFFFFFFFFu);
        for (int i = 0; i < image.FrameCount(); ++i) {
            compositor.Draw(i);
            benchmark::DoNotOptimize(compositor.Output().Pixels.data());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}

struct TSource {
    const Bytes* Data;
    std::size_t Pos;
};

int ReadSource(GifFileType* file, GifByteType* buffer, int count)
{
    auto* source = static_cast<TSource*>(file->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), source->Data->size() - source->Pos);
    std::memcpy(buffer, source->Data->data() + source->Pos, n);
    source->Pos += n;
    return static_cast<int>(n);
}

void GiflibSlurp(benchmark::State& state)
{
    const Bytes& gif = Animation();
    for (auto _ : state) {
        TSource source {&gif, 0};
        int error = 0;
        GifFileType* file = DGifOpen(&source, ReadSource, &error);
        if (!file || DGifSlurp(file) != GIF_OK || file->ImageCount != Frames) {
            state.SkipWithError("giflib could not read the animation");
            break;
        }
        benchmark::DoNotOptimize(file->SavedImages[Frames - 1].RasterBits);
        DGifCloseFile(file, &error);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}

void QtImageReader(benchmark::State& state)
{
    const Bytes& gif = Animation();
    const QByteArray bytes(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        int count = 0;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
            benchmark::DoNotOptimize(frame.constBits());
            ++count;
        }
        if (count != Frames) {
            state.SkipWithError("Qt could not read the animation");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}

} // namespace

BENCHMARK(OursDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(GiflibSlurp)->Unit(benchmark::kMillisecond);
BENCHMARK(OursDecodeAndComposeEveryFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(QtImageReader)->Unit(benchmark::kMillisecond);
