#pragma once
// Colour choice for GIF frames: the project's median cut over the opaque
// pixels, with a slot kept free for the transparent index when asked, and
// a nearest-colour mapper. Deterministic, so the generated card sets come
// out byte-identical on every build.

#include <cstdint>
#include <unordered_map>
#include <vector>

// At most 256 colours (255 with keepTransparentSlot) for the given
// 0xAARRGGBB pixels; alpha is ignored. Never empty.
std::vector<std::uint32_t> ChooseGifPalette(const std::vector<std::uint32_t>& pixels, bool keepTransparentSlot);

// Maps colours to their nearest palette index, remembering each answer.
class TPaletteMapper {
public:
    explicit TPaletteMapper(const std::vector<std::uint32_t>& palette) : Palette(palette) {}
    std::uint8_t Map(std::uint32_t colour);

private:
    const std::vector<std::uint32_t>& Palette;
    std::unordered_map<std::uint32_t, std::uint8_t> Cache;
};
