#include "game/CardSetInfo.h"

#include "resources/LittleEndian.h"
#include "resources/TextCodec.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

constexpr std::size_t NameOffset = 16;
constexpr std::size_t Utf8NameOffset = 272;
constexpr std::size_t AdLinkOffset = 528;
constexpr std::size_t ShortStringField = 256;
constexpr std::size_t KindOffset = 784;
constexpr std::uint8_t SecondFacesTag[4] = {'D', 'U', 'E', 'T'};
constexpr std::string_view Utf8NameTag = "UTF-8:";
static_assert(Utf8NameTag.size() + MaxUtf8NameBytes == ShortStringField - 1);

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

// The UTF-8 name, when the unused string holds one that agrees with the
// Windows-1252 name field; otherwise empty.
std::string GetUtf8Name(const std::uint8_t* record)
{
    const std::uint8_t* field = record + Utf8NameOffset;
    const std::string_view stored(reinterpret_cast<const char*>(field + 1), field[0]);
    if (stored.size() <= Utf8NameTag.size() || stored.substr(0, Utf8NameTag.size()) != Utf8NameTag)
        return {};
    const std::string_view name = stored.substr(Utf8NameTag.size());
    const std::u32string text = FromUtf8(name);
    // Decoding and encoding again gives the same bytes only for valid UTF-8.
    if (ToUtf8(text) != name)
        return {};
    const std::uint8_t* cp1252 = record + NameOffset;
    if (text.size() > cp1252[0])
        return {};
    for (std::size_t i = 0; i < text.size(); ++i)
        if (EncodeCp1252(text[i]) != cp1252[1 + i])
            return {};
    return std::string(name);
}

// The name as UTF-8 after the marker, cut at a whole character.
void PutUtf8Name(std::uint8_t* field, const std::string& name)
{
    std::string text = ToUtf8(FromUtf8(name));
    std::size_t length = std::min(text.size(), MaxUtf8NameBytes);
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    text = std::string(Utf8NameTag) + text.substr(0, length);
    field[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), field + 1);
}

} // namespace

bool SpelledInCp1252(const std::string& text)
{
    const std::u32string characters = FromUtf8(text);
    return std::all_of(characters.begin(), characters.end(),
                       [](char32_t c) { return c == U'?' || EncodeCp1252(c) != '?'; });
}

TCardSetInfo ParseCardSetInfo(const std::uint8_t* record)
{
    TCardSetInfo info;
    info.Width = GetInt32LE(record);
    info.Height = GetInt32LE(record + 4);
    info.FaceCount = GetInt32LE(record + 8);
    info.FaceType = GetInt32LE(record + 12);
    info.SecondFaces = std::equal(std::begin(SecondFacesTag), std::end(SecondFacesTag), record + KindOffset);
    info.Name = GetUtf8Name(record);
    if (info.Name.empty())
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
    // Only names that need it, so sets with Windows-1252 names keep the
    // bytes they always had.
    if (!SpelledInCp1252(info.Name))
        PutUtf8Name(&record[Utf8NameOffset], info.Name);
    PutShortString(&record[AdLinkOffset], info.AdLink);
    if (info.SecondFaces)
        std::copy(std::begin(SecondFacesTag), std::end(SecondFacesTag), &record[KindOffset]);
    return record;
}
