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

void PutShortString(std::uint8_t* field, const std::string& text)
{
    // Characters beyond the field are cut; those Windows-1252 lacks (and
    // malformed bytes) become '?'.
    std::size_t length = 0;
    for (const char32_t c : FromUtf8(text)) {
        if (length == ShortStringField - 1)
            break;
        field[1 + length++] = EncodeCp1252(c);
    }
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
