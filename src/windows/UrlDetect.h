#pragma once
// Finds web and mail links in plain text, as the rich text viewer marks them:
// a known scheme ("http:", "mailto:", ...) or "www." at the start of a word,
// running to the next blank or bracket, without trailing punctuation.
// Works on UTF-16 so positions match the viewer's document positions.

#include <cstddef>
#include <string_view>
#include <vector>

struct TTextRange {
    std::size_t Start = 0;
    std::size_t End = 0; // one past the last character
    bool operator==(const TTextRange&) const = default;
};

std::vector<TTextRange> FindLinks(std::u16string_view text);
