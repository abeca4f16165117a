#include "PaletteQuantiser.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::size_t MaxColours = 256;
constexpr int BinBits = 5;
constexpr std::size_t BinCount = std::size_t(1) << (3 * BinBits);

std::uint32_t Bin(std::uint32_t argb)
{
    return (argb >> 9 & 0x7C00) | (argb >> 6 & 0x03E0) | (argb >> 3 & 0x001F);
}

int Channel(std::uint32_t bin, int c) // c: 0 red, 1 green, 2 blue
{
    return static_cast<int>(bin >> (5 * (2 - c)) & 31);
}

// The exact palette, or false when there are more than 256 colours.
bool ExactPalette(const TPixelBuffer& pixels, TIndexedPixels& out)
{
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    index.reserve(2 * MaxColours);
    out.Indices.resize(pixels.Pixels.size());
    std::uint32_t last = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    for (std::size_t i = 0; i < pixels.Pixels.size(); ++i) {
        const std::uint32_t rgb = pixels.Pixels[i] & 0xFFFFFF;
        if (!haveLast || rgb != last) { // runs of one colour are common: skip the lookup
            auto [it, added] = index.try_emplace(rgb, static_cast<std::uint8_t>(out.Palette.size()));
            if (added) {
                if (out.Palette.size() == MaxColours)
                    return false;
                out.Palette.push_back(0xFF000000u | rgb);
            }
            last = rgb, lastIndex = it->second, haveLast = true;
        }
        out.Indices[i] = lastIndex;
    }
    return true;
}

struct TBinStats {
    std::uint64_t Count = 0;
    std::uint64_t Sum[3] = {}; // of the true 8-bit channels, for the mean colour
};

struct TBox {
    std::size_t Begin, End; // range of the non-empty bins list
    std::uint64_t Count;
    int Longest;     // channel with the widest extent
    int Extent;      // that extent, in bin steps
};

TBox MakeBox(const std::vector<std::uint32_t>& bins, const std::vector<TBinStats>& stats, std::size_t begin,
             std::size_t end)
{
    int lo[3] = {31, 31, 31}, hi[3] = {0, 0, 0};
    std::uint64_t count = 0;
    for (std::size_t i = begin; i < end; ++i) {
        count += stats[bins[i]].Count;
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], Channel(bins[i], c));
            hi[c] = std::max(hi[c], Channel(bins[i], c));
        }
    }
    int longest = 0;
    for (int c = 1; c < 3; ++c)
        if (hi[c] - lo[c] > hi[longest] - lo[longest])
            longest = c;
    return {begin, end, count, longest, hi[longest] - lo[longest]};
}

void MedianCut(const TPixelBuffer& pixels, TIndexedPixels& out)
{
    std::vector<TBinStats> stats(BinCount);
    for (const std::uint32_t p : pixels.Pixels) {
        TBinStats& s = stats[Bin(p)];
        ++s.Count;
        s.Sum[0] += p >> 16 & 255, s.Sum[1] += p >> 8 & 255, s.Sum[2] += p & 255;
    }
    std::vector<std::uint32_t> bins;
    for (std::uint32_t b = 0; b < BinCount; ++b)
        if (stats[b].Count)
            bins.push_back(b);

    std::vector<TBox> boxes {MakeBox(bins, stats, 0, bins.size())};
    while (boxes.size() < MaxColours) {
        // Split the box that weighs most by population and extent together,
        // so small but distinct colour groups still get their own entries.
        auto pick = std::max_element(boxes.begin(), boxes.end(), [](const TBox& a, const TBox& b) {
            return a.Count * a.Extent < b.Count * b.Extent;
        });
        if (pick->Extent == 0)
            break; // every box is a single bin
        const TBox box = *pick;
        std::sort(bins.begin() + box.Begin, bins.begin() + box.End, [&](std::uint32_t a, std::uint32_t b) {
            return Channel(a, box.Longest) < Channel(b, box.Longest);
        });
        std::size_t split = box.Begin;
        for (std::uint64_t seen = 0; split + 1 < box.End && seen + stats[bins[split]].Count <= box.Count / 2; ++split)
            seen += stats[bins[split]].Count;
        split = std::max(split, box.Begin + 1);
        *pick = MakeBox(bins, stats, box.Begin, split);
        boxes.push_back(MakeBox(bins, stats, split, box.End));
    }

    for (const TBox& box : boxes) {
        std::uint64_t sum[3] = {};
        for (std::size_t i = box.Begin; i < box.End; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += stats[bins[i]].Sum[c];
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb = rgb << 8 | static_cast<std::uint32_t>((sum[c] + box.Count / 2) / box.Count);
        out.Palette.push_back(0xFF000000u | rgb);
    }

    // Each used bin maps to the palette colour nearest its mean colour.
    std::vector<std::uint8_t> map(BinCount);
    for (const std::uint32_t b : bins) {
        const TBinStats& s = stats[b];
        int mean[3];
        for (int c = 0; c < 3; ++c)
            mean[c] = static_cast<int>(s.Sum[c] / s.Count);
        int best = 0, bestDistance = 1 << 30;
        for (std::size_t k = 0; k < out.Palette.size(); ++k) {
            const std::uint32_t p = out.Palette[k];
            const int d[3] = {mean[0] - int(p >> 16 & 255), mean[1] - int(p >> 8 & 255), mean[2] - int(p & 255)};
            const int distance = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
            if (distance < bestDistance)
                best = static_cast<int>(k), bestDistance = distance;
        }
        map[b] = static_cast<std::uint8_t>(best);
    }
    out.Indices.resize(pixels.Pixels.size());
    for (std::size_t i = 0; i < pixels.Pixels.size(); ++i)
        out.Indices[i] = map[Bin(pixels.Pixels[i])];
}

} // namespace

TIndexedPixels QuantisePixels(const TPixelBuffer& pixels)
{
    TIndexedPixels out;
    if (!ExactPalette(pixels, out)) {
        out = TIndexedPixels {};
        MedianCut(pixels, out);
    }
    return out;
}
