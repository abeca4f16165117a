#include "game/CardSetWriter.h"

#include "game/GameError.h"
#include "game/PairCounts.h"
#include "platform/PlatformError.h"
#include "platform/Translate.h"
#include "resources/LumResWriter.h"

namespace {

constexpr std::size_t MaxTextCharacters = 255; // a short string's length byte

std::size_t Utf8Characters(const std::string& text)
{
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters;
}

void CheckContent(const TCardSetContent& content)
{
    const std::size_t smallestGame = static_cast<std::size_t>(PairCounts.front());
    if (content.Faces.size() < smallestGame)
        throw EGameError(FillIn(Tr("CardSetWriter", "a set needs at least %1 faces to be playable, got %2"),
                                {std::to_string(smallestGame), std::to_string(content.Faces.size())}));
    if (!content.SecondFaces.empty() && content.SecondFaces.size() != content.Faces.size())
        throw EGameError(FillIn(Tr("CardSetWriter", "a set of pairs that differ needs one second face per face, got %1 for %2"),
                                {std::to_string(content.SecondFaces.size()), std::to_string(content.Faces.size())}));
    if (Utf8Characters(content.Info.Name) > MaxTextCharacters)
        throw EGameError(Tr("CardSetWriter", "the name is longer than the 255 characters a card set can hold"));
    // A name Windows-1252 cannot spell is also stored as UTF-8, with less
    // room than the name field: refuse rather than show players a cut name.
    if (!SpelledInCp1252(content.Info.Name) && content.Info.Name.size() > MaxUtf8NameBytes)
        throw EGameError(FillIn(Tr("CardSetWriter", "the name takes %1 bytes in UTF-8, more than the %2 a card set "
                                                    "can hold for a name outside Windows-1252"),
                                {std::to_string(content.Info.Name.size()), std::to_string(MaxUtf8NameBytes)}));
    if (Utf8Characters(content.Info.AdLink) > MaxTextCharacters)
        throw EGameError(Tr("CardSetWriter", "the link is longer than the 255 characters a card set can hold"));
}

void Add(TLumResWriter& writer, const TCardSetPicture& picture)
{
    switch (picture.Storage) {
    case TPictureStorage::Stored:
        writer.AddStored(picture.Bytes);
        break;
    case TPictureStorage::Bitmap:
        writer.AddBitmap(picture.Bytes);
        break;
    case TPictureStorage::Compressed:
        writer.AddCompressed(picture.Bytes);
        break;
    }
}

} // namespace

std::vector<std::uint8_t> BuildCardSetArchive(const TCardSetContent& content)
{
    CheckContent(content);
    TCardSetInfo info = content.Info;
    info.FaceCount = static_cast<std::int32_t>(content.Faces.size());
    info.SecondFaces = !content.SecondFaces.empty();
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo(info));
    Add(writer, content.Advert);
    Add(writer, content.Back);
    for (const TCardSetPicture& face : content.Faces)
        Add(writer, face);
    for (const TCardSetPicture& face : content.SecondFaces)
        Add(writer, face);
    return writer.Bytes();
}

TWriteOutcome WriteCardSet(const std::string& fileName, const TCardSetContent& content)
{
    const std::vector<std::uint8_t> bytes = BuildCardSetArchive(content);
    try {
        return WriteFileAtomically(fileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    } catch (const EPlatformError& e) {
        throw EGameError(FillIn(Tr("CardSetWriter", "%1: cannot be written (%2)"), {fileName, e.what()}));
    }
}
