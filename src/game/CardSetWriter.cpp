// PROVISIONAL: see CardSetWriter.h.
#include "game/CardSetWriter.h"

#include "game/GameError.h"
#include "game/PairCounts.h"
#include "platform/PlatformError.h"
#include "resources/LumResWriter.h"

namespace {

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
    if (content.Faces.size() < static_cast<std::size_t>(PairCounts.front()))
        throw EGameError("a card set needs at least " + std::to_string(PairCounts.front()) + " faces");
    if (!content.SecondFaces.empty() && content.SecondFaces.size() != content.Faces.size())
        throw EGameError("a card set's second faces must be one per face");
    if (!content.SecondFaces.empty())
        throw EGameError("pairs whose cards differ cannot be written yet");
    TCardSetInfo info = content.Info;
    info.FaceCount = static_cast<std::int32_t>(content.Faces.size());
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo(info));
    Add(writer, content.Advert);
    Add(writer, content.Back);
    for (const TCardSetPicture& face : content.Faces)
        Add(writer, face);
    return writer.Bytes();
}

TWriteOutcome WriteCardSet(const std::string& fileName, const TCardSetContent& content)
{
    const std::vector<std::uint8_t> bytes = BuildCardSetArchive(content);
    try {
        return WriteFileAtomically(fileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    } catch (const EPlatformError& e) {
        throw EGameError(fileName + ": cannot be written (" + e.what() + ")");
    }
}
