#include "UrlDetect.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::u16string_view, 13> Prefixes = {
    u"http:", u"https:", u"ftp:", u"file:", u"mailto:", u"news:", u"nntp:", u"telnet:",
    u"gopher:", u"wais:", u"prospero:", u"notes:", u"www.",
};

char16_t Lower(char16_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Characters that end a link: blanks, controls and what usually brackets one.
bool EndsLink(char16_t c)
{
    return c <= 0x20 || c == '<' || c == '>' || c == '"' || c == '{' || c == '}'
        || c == 0x00A0 || c == 0x2028 || c == 0x2029 || c == 0xFFFC;
}

bool IsWordChar(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || (c >= 0x80 && !EndsLink(c));
}

// Punctuation that closes a sentence rather than belonging to the link.
bool IsTrailing(char16_t c)
{
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == ')'
        || c == '\'' || c == ']';
}

std::size_t MatchPrefix(std::u16string_view text, std::size_t at)
{
    for (std::u16string_view prefix : Prefixes) {
        if (text.size() - at <= prefix.size())
            continue;
        bool same = true;
        for (std::size_t k = 0; same && k < prefix.size(); ++k)
            same = Lower(text[at + k]) == prefix[k];
        if (same)
            return prefix.size();
    }
    return 0;
}

} // namespace

std::vector<TTextRange> FindLinks(std::u16string_view text)
{
    std::vector<TTextRange> links;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool wordStart = i == 0 || !IsWordChar(text[i - 1]);
        const std::size_t prefix = wordStart ? MatchPrefix(text, i) : 0;
        if (prefix == 0) {
            ++i;
            continue;
        }
        std::size_t end = i + prefix;
        while (end < text.size() && !EndsLink(text[end]))
            ++end;
        while (end > i + prefix && IsTrailing(text[end - 1]))
            --end;
        if (end > i + prefix)
            links.push_back({i, end});
        i = std::max(end, i + 1);
    }
    return links;
}
