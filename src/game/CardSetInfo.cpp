#include "game/CardSetInfo.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t NameOffset = 16;
constexpr std::size_t AdLinkOffset = 528;
constexpr std::size_t ShortStringField = 256;

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code point.
constexpr char32_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::int32_t GetInt32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                     std::uint32_t(p[3]) << 24);
}

void PutInt32(std::uint8_t* p, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A length byte and that many characters; the length byte can never point
// past the 256-byte field.
std::string GetShortString(const std::uint8_t* field)
{
    std::string text;
    const std::size_t length = field[0];
    for (std::size_t i = 1; i <= length; ++i) {
        const std::uint8_t b = field[i];
        AppendUtf8(text, b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char32_t(b));
    }
    return text;
}

// Decodes one UTF-8 sequence at text[i], advancing i; malformed input gives
// U+FFFD so that it encodes as '?'.
char32_t NextCodePoint(const std::string& text, std::size_t& i)
{
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0)
        return 0xFFFD;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = c << 6 | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
    }
    return c;
}

std::uint8_t ToCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<std::uint8_t>(c);
    const auto* hit = std::find(std::begin(Cp1252High), std::end(Cp1252High), c);
    return hit != std::end(Cp1252High) ? static_cast<std::uint8_t>(0x80 + (hit - Cp1252High)) : '?';
}

void PutShortString(std::uint8_t* field, const std::string& text)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size() && length < ShortStringField - 1;)
        field[1 + length++] = ToCp1252(NextCodePoint(text, i));
    field[0] = static_cast<std::uint8_t>(length);
}

} // namespace

TCardSetInfo ParseCardSetInfo(const std::uint8_t* record)
{
    TCardSetInfo info;
    info.Width = GetInt32(record);
    info.Height = GetInt32(record + 4);
    info.FaceCount = GetInt32(record + 8);
    info.FaceType = GetInt32(record + 12);
    info.Name = GetShortString(record + NameOffset);
    info.AdLink = GetShortString(record + AdLinkOffset);
    return info;
}

TCardSetInfo ReadCardSetInfo(TLumResReader& reader)
{
    std::uint8_t record[CardSetInfoSize] {};
    reader.ReadEntry(0, record, sizeof record);
    return ParseCardSetInfo(record);
}

std::vector<std::uint8_t> MakeCardSetInfo(const TCardSetInfo& info)
{
    std::vector<std::uint8_t> record(CardSetInfoSize, 0);
    PutInt32(&record[0], info.Width);
    PutInt32(&record[4], info.Height);
    PutInt32(&record[8], info.FaceCount);
    PutInt32(&record[12], info.FaceType);
    PutShortString(&record[NameOffset], info.Name);
    PutShortString(&record[AdLinkOffset], info.AdLink);
    return record;
}
