#include "game/CardSetInfo.h"

#include "resources/LittleEndian.h"
#include "resources/TextCodec.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::size_t NameOffset = 16;
constexpr std::size_t AdLinkOffset = 528;
constexpr std::size_t ShortStringField = 256;
constexpr std::size_t KindOffset = 784;
constexpr std::uint8_t SecondFacesTag[4] = {'D', 'U', 'E', 'T'};

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
    info.Width = GetInt32LE(record);
    info.Height = GetInt32LE(record + 4);
    info.FaceCount = GetInt32LE(record + 8);
    info.FaceType = GetInt32LE(record + 12);
    info.SecondFaces = std::equal(std::begin(SecondFacesTag), std::end(SecondFacesTag), record + KindOffset);
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
    PutInt32LE(&record[0], info.Width);
    PutInt32LE(&record[4], info.Height);
    PutInt32LE(&record[8], info.FaceCount);
    PutInt32LE(&record[12], info.FaceType);
    PutShortString(&record[NameOffset], info.Name);
    PutShortString(&record[AdLinkOffset], info.AdLink);
    if (info.SecondFaces)
        std::copy(std::begin(SecondFacesTag), std::end(SecondFacesTag), &record[KindOffset]);
    return record;
}
