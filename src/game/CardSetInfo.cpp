#include "game/CardSetInfo.h"

#include "resources/TextCodec.h"

namespace {

constexpr std::size_t NameOffset = 16;
constexpr std::size_t AdLinkOffset = 528;
constexpr std::size_t ShortStringField = 256;

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

// A length byte and that many characters; the length byte can never point
// past the 256-byte field.
std::string GetShortString(const std::uint8_t* field)
{
    std::u32string text;
    const std::size_t length = field[0];
    for (std::size_t i = 1; i <= length; ++i)
        text += DecodeAnsi(1252, field[i]);
    return ToUtf8(text);
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

void PutShortString(std::uint8_t* field, const std::string& text)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size() && length < ShortStringField - 1;)
        field[1 + length++] = EncodeCp1252(NextCodePoint(text, i));
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
