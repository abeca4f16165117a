// A whole deal of 60 pairs: open the set, read the record, choose and load
// the faces, fit and deal the board.
#include "NullView.h"

#include "game/CardSetInfo.h"
#include "game/Game.h"
#include "resources/Bitmap.h"
#include "resources/LumResWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

std::vector<std::uint8_t> BitmapFile(int width, int height, std::uint32_t seed)
{
    TBitmap bitmap(width, height);
    for (std::uint32_t& pixel : bitmap.EditPixels().Pixels) {
        seed = seed * 1664525u + 1013904223u;
        pixel = 0xFF000000u | (seed >> 8);
    }
    TMemoryStream stream;
    bitmap.SaveToStream(stream, 24);
    return stream.Data();
}

// A set of 72 faces of 120 x 90 (12 are left out at random each deal).
std::string WriteSet(std::int32_t faceType)
{
    const std::int32_t faces = 72;
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo({120, 90, faces, faceType, "Bench", "https://example.com"}));
    writer.AddBitmap(BitmapFile(200, 60, 1));
    writer.AddBitmap(BitmapFile(120, 90, 2));
    for (std::int32_t i = 0; i < faces; ++i)
        writer.AddCompressed(BitmapFile(120, 90, 100 + i)); // a GIF set keeps these bytes raw
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kobalind-bench-" + std::to_string(faceType) + ".crd"))
                                 .string();
    writer.SaveToFile(path);
    return path;
}

void Deal(benchmark::State& state, std::int32_t faceType)
{
    const std::string file = WriteSet(faceType);
    TNullView view;
    TSettings settings;
    settings.PairCount = 60;
    settings.ComputerPlays = false;
    TRandom random(1);
    TGame game(view, settings, random);
    game.Players[1].Name = "A";
    game.Players[2].Name = "B";
    for (auto _ : state) {
        game.NewGame1Click(file);
        benchmark::DoNotOptimize(game.CellPair);
    }
    std::remove(file.c_str());
}

void BM_Deal60BitmapFaces(benchmark::State& state) { Deal(state, 3); }
BENCHMARK(BM_Deal60BitmapFaces)->Unit(benchmark::kMillisecond);

void BM_Deal60GifFaces(benchmark::State& state) { Deal(state, 1); }
BENCHMARK(BM_Deal60GifFaces)->Unit(benchmark::kMillisecond);

} // namespace
