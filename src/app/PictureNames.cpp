#include "app/PictureNames.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr std::size_t MaxFileStem = 40;

// The pair a file's name claims, as the path without ".a" or ".b" and the
// extension; side 0 for a file that claims none, else 1 (a) or 2 (b).
std::pair<std::string, int> ClaimedSide(const std::string& file)
{
    const std::size_t slash = file.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot < nameStart + 3 || file[dot - 2] != '.')
        return {{}, 0};
    const char side = file[dot - 1];
    const int number = side == 'a' || side == 'A' ? 1 : side == 'b' || side == 'B' ? 2 : 0;
    return {file.substr(0, dot - 2), number};
}

} // namespace

std::vector<TPicturePair> PairPictures(const std::vector<std::string>& files)
{
    // How many files claim each side of each pair: a pair forms only when
    // exactly one file claims each of its two sides.
    std::map<std::pair<std::string, int>, int> claims;
    for (const std::string& file : files) {
        const auto claim = ClaimedSide(file);
        if (claim.second != 0)
            ++claims[claim];
    }
    const auto pairs = [&claims](const std::string& key) {
        const auto a = claims.find({key, 1});
        const auto b = claims.find({key, 2});
        return a != claims.end() && b != claims.end() && a->second == 1 && b->second == 1;
    };

    std::vector<TPicturePair> result;
    std::map<std::string, std::size_t> pairIndex; // key -> position in result
    for (const std::string& file : files) {
        const auto [key, side] = ClaimedSide(file);
        if (side == 0 || !pairs(key)) {
            result.push_back({file, {}});
            continue;
        }
        const auto [it, fresh] = pairIndex.try_emplace(key, result.size());
        if (fresh)
            result.emplace_back();
        TPicturePair& pair = result[it->second];
        (side == 1 ? pair.First : pair.Second) = file;
    }
    return result;
}

std::string SetFileNameFor(const std::string& setName)
{
    std::string stem;
    bool gap = false;
    for (const char c : setName) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        const bool upper = c >= 'A' && c <= 'Z';
        if (letter || upper) {
            if (gap && !stem.empty())
                stem += '-';
            gap = false;
            stem += upper ? char(c - 'A' + 'a') : c;
        } else {
            gap = true;
        }
    }
    stem.resize(std::min(stem.size(), MaxFileStem));
    if (!stem.empty() && stem.back() == '-')
        stem.pop_back();
    return (stem.empty() ? std::string("pictures") : stem) + ".crd";
}
