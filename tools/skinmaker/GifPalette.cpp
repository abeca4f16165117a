#include "GifPalette.h"

#include "resources/PaletteQuantiser.h"

#include <algorithm>

namespace {

int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

} // namespace

std::vector<std::uint32_t> ChooseGifPalette(const std::vector<std::uint32_t>& pixels, bool keepTransparentSlot)
{
    if (pixels.empty())
        return {0xFF000000u};
    TPixelBuffer strip;
    strip.Width = static_cast<int>(pixels.size());
    strip.Height = 1;
    strip.Pixels = pixels;
    TIndexedPixels indexed = QuantisePixels(strip);
    if (keepTransparentSlot && indexed.Palette.size() == 256) {
        // Give up the least used colour; its pixels map to their next nearest.
        std::vector<std::size_t> uses(256, 0);
        for (std::uint8_t i : indexed.Indices)
            ++uses[i];
        const auto rarest = std::min_element(uses.begin(), uses.end()) - uses.begin();
        indexed.Palette.erase(indexed.Palette.begin() + rarest);
    }
    return indexed.Palette;
}

std::uint8_t TPaletteMapper::Map(std::uint32_t colour)
{
    colour &= 0xFFFFFFu;
    if (auto it = Cache.find(colour); it != Cache.end())
        return it->second;
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < Palette.size(); ++i) {
        long distance = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const long d = Channel(colour, shift) - Channel(Palette[i], shift);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    Cache.emplace(colour, static_cast<std::uint8_t>(best));
    return static_cast<std::uint8_t>(best);
}
