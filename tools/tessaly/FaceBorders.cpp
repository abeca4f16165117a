#include "FaceBorders.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

// Below this mean difference in lightness (0 to 255) two borders look alike.
constexpr double MinDeviation = 24;
// How many times the set's typical deviation a face must exceed: a set of
// photographs, whose edges all differ, must not warn about every face.
constexpr double SpreadFactor = 3;

std::uint8_t Lightness(std::uint32_t argb)
{
    const std::uint32_t a = argb >> 24;
    const auto onWhite = [a](std::uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    const std::uint32_t r = onWhite(argb >> 16 & 0xFF), g = onWhite(argb >> 8 & 0xFF), b = onWhite(argb & 0xFF);
    return static_cast<std::uint8_t>((299 * r + 587 * g + 114 * b + 500) / 1000);
}

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

} // namespace

std::vector<std::uint8_t> BorderBand(const TPixelBuffer& face)
{
    const int depth = std::max(2, std::min(face.Width, face.Height) / 20);
    std::vector<std::uint8_t> band;
    for (int y = 0; y < face.Height; ++y)
        for (int x = 0; x < face.Width; ++x)
            if (x < depth || y < depth || x >= face.Width - depth || y >= face.Height - depth)
                band.push_back(Lightness(face.At(x, y)));
    return band;
}

std::vector<std::size_t> OddBorders(const std::vector<std::vector<std::uint8_t>>& bands)
{
    std::map<std::size_t, int> lengths;
    for (const auto& band : bands)
        ++lengths[band.size()];
    const auto common = std::max_element(lengths.begin(), lengths.end(),
                                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (common == lengths.end() || common->second < 3 || common->first == 0)
        return {};
    const std::size_t length = common->first;

    std::vector<std::size_t> compared;
    for (std::size_t i = 0; i < bands.size(); ++i)
        if (bands[i].size() == length)
            compared.push_back(i);
    // The typical band: each pixel's median over the set.
    std::vector<std::uint8_t> typical(length);
    std::vector<std::uint8_t> column(compared.size());
    for (std::size_t p = 0; p < length; ++p) {
        for (std::size_t k = 0; k < compared.size(); ++k)
            column[k] = bands[compared[k]][p];
        std::nth_element(column.begin(), column.begin() + static_cast<std::ptrdiff_t>(column.size() / 2), column.end());
        typical[p] = column[column.size() / 2];
    }
    std::vector<double> deviations;
    for (const std::size_t i : compared) {
        long sum = 0;
        for (std::size_t p = 0; p < length; ++p)
            sum += std::abs(static_cast<int>(bands[i][p]) - static_cast<int>(typical[p]));
        deviations.push_back(static_cast<double>(sum) / static_cast<double>(length));
    }
    const double limit = std::max(MinDeviation, SpreadFactor * Median(deviations));
    std::vector<std::size_t> odd;
    for (std::size_t k = 0; k < compared.size(); ++k)
        if (deviations[k] > limit)
            odd.push_back(compared[k]);
    return odd;
}
