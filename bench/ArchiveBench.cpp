// CopyEntry of a large compressed entry against zlib's one-shot uncompress
// of the same bytes into a buffer that is already the right size.
#include "resources/LumRes.h"
#include "resources/LumResWriter.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t ContentSize = 8 * 1024 * 1024;

// Picture-like content: smooth gradients with some noise, so that zlib
// neither races through runs nor gives up on incompressible data.
const std::vector<std::uint8_t>& Content()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> b(ContentSize);
        std::uint32_t noise = 1;
        for (std::size_t i = 0; i < b.size(); ++i) {
            noise = noise * 1103515245u + 12345u;
            b[i] = static_cast<std::uint8_t>((i / 3 % 640) / 3 + (i % 3) * 40 + (noise >> 29));
        }
        return b;
    }();
    return bytes;
}

const std::vector<std::uint8_t>& Archive()
{
    static const std::vector<std::uint8_t> bytes = [] {
        TLumResWriter writer;
        writer.AddCompressed(Content());
        return writer.Bytes();
    }();
    return bytes;
}

void BM_CopyEntry(benchmark::State& state)
{
    TMemoryStream source(Archive());
    TLumResReader reader;
    reader.Stream = &source;
    reader.ReadHeader();
    TMemoryStream destination;
    for (auto _ : state) {
        reader.CopyEntry(0, destination);
        benchmark::DoNotOptimize(destination.Memory());
    }
    if (destination.Data() != Content())
        state.SkipWithError("CopyEntry gave other bytes");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * ContentSize);
}
BENCHMARK(BM_CopyEntry)->Unit(benchmark::kMillisecond);

void BM_ZlibUncompress(benchmark::State& state)
{
    const std::vector<std::uint8_t> stored = ZlibCompress(Content());
    std::vector<std::uint8_t> out(ContentSize);
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        if (uncompress(out.data(), &size, stored.data(), static_cast<uLong>(stored.size())) != Z_OK)
            state.SkipWithError("uncompress failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * ContentSize);
}
BENCHMARK(BM_ZlibUncompress)->Unit(benchmark::kMillisecond);

} // namespace
