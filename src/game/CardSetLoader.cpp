#include "game/CardSetLoader.h"

#include "game/Game.h"
#include "game/GameError.h"
#include "platform/Translate.h"
#include "resources/Bitmap.h"
#include "resources/GifImage.h"
#include "resources/JpegImage.h"
#include "resources/LumRes.h"
#include "resources/ResourceError.h"

#include <functional>

namespace {

// Words for the player, in the player's language, beside the technical reason
// (which stays English, for reports).
std::string Damaged()
{
    return Tr("CardSet", "its file is damaged");
}

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason, const std::string& plain)
{
    throw EGameError(fileName + ": " + reason, plain);
}

void CheckRecord(const std::string& fileName, const TCardSetInfo& info, std::int32_t pairCount,
                 std::int32_t entryCount)
{
    if (info.Width <= 0 || info.Height <= 0)
        Refuse(fileName, "the card pictures have no size (" + std::to_string(info.Width) + " x " +
                             std::to_string(info.Height) + ")",
               Damaged());
    if (info.FaceCount < pairCount)
        Refuse(fileName, "the set holds " + std::to_string(info.FaceCount) + " faces, fewer than the " +
                             std::to_string(pairCount) + " pairs asked for",
               FillIn(Tr("CardSet", "it has only %1 pictures, too few for %2 pairs"),
                      {std::to_string(info.FaceCount), std::to_string(pairCount)}));
    // The record's count must match the archive, or the face list below
    // could be as long as any number a file claims.
    if (info.FaceCount > entryCount - FirstFaceEntry)
        Refuse(fileName, "the set claims " + std::to_string(info.FaceCount) + " faces but holds only " +
                             std::to_string(std::max(entryCount - FirstFaceEntry, 0)),
               Damaged());
    if (info.SecondFaces && info.FaceCount > (entryCount - FirstFaceEntry) / 2)
        Refuse(fileName, "the set claims a second picture for each of its " + std::to_string(info.FaceCount)
                             + " faces but holds only " + std::to_string(entryCount - FirstFaceEntry)
                             + " pictures in all",
               Damaged());
}

std::unique_ptr<TGraphic> LoadPicture(TLumResReader& reader, std::int32_t entry, std::int32_t faceType,
                                      TMemoryStream& scratch)
{
    reader.LoadEntry(entry, scratch);
    return DecodePicture(faceType, scratch);
}

// Entry numbers of the faces taking part: all of them, less a random
// selection of the surplus, still in archive order.
std::vector<std::int32_t> ChooseFaces(std::int32_t faceCount, std::int32_t pairs, TRandom& random)
{
    std::vector<std::int32_t> entries;
    entries.reserve(static_cast<std::size_t>(faceCount));
    for (std::int32_t e = FirstFaceEntry; e < FirstFaceEntry + faceCount; ++e)
        entries.push_back(e);
    for (std::int32_t surplus = faceCount - pairs; surplus > 0; --surplus)
        entries.erase(entries.begin() + random.Random(static_cast<std::int32_t>(entries.size())));
    return entries;
}

// A face slot in the technical reason: "face 3", or "face 3's second picture".
std::string FaceSlotName(std::size_t slot)
{
    const auto slots = static_cast<std::size_t>(FaceSlots);
    return "face " + std::to_string(slot % slots + 1) + (slot >= slots ? "'s second picture" : "");
}

} // namespace

std::unique_ptr<TGraphic> DecodePicture(std::int32_t faceType, TStream& stream)
{
    std::unique_ptr<TGraphic> picture;
    if (faceType == 1)
        picture = std::make_unique<TGIFImage>();
    else if (faceType == 2)
        picture = std::make_unique<TJPEGImage>();
    else
        picture = std::make_unique<TBitmap>();
    picture->LoadFromStream(stream);
    return picture;
}

namespace {

// Chooses the faces once the set's record is known; throws EGameError.
using TFacePicker = std::function<std::vector<std::int32_t>(const TCardSetInfo& info)>;

TCardSet LoadSet(const std::string& fileName, std::int32_t pairCount, std::int32_t workAreaWidth,
                 std::int32_t workAreaHeight, const TFacePicker& pickFaces)
{
    TCardSet set;
    std::string step = "the set cannot be read";
    std::string plain = Tr("CardSet", "its file cannot be read or is damaged");
    try {
        TLumResFileReader reader(fileName);
        set.Info = ReadCardSetInfo(reader);
        CheckRecord(fileName, set.Info, pairCount, reader.EntryCount());
        const std::optional<TLayout> layout =
            ChooseLayoutFor(pairCount, set.Info.Width, set.Info.Height, workAreaWidth, workAreaHeight);
        if (!layout)
            Refuse(fileName, "no board layout holds " + std::to_string(pairCount) + " pairs",
                   FillIn(Tr("CardSet", "its cards cannot be laid out for %1 pairs"), {std::to_string(pairCount)}));
        set.Layout = *layout;

        TMemoryStream scratch;
        step = "the advertisement picture";
        plain = Tr("CardSet", "one of its pictures is damaged");
        set.Advert = LoadPicture(reader, AdvertEntry, 0, scratch);
        step = "the card back";
        set.CardBack = LoadPicture(reader, CardBackEntry, 0, scratch);

        set.FacePictures.resize(AllFaceSlots);
        set.FaceStreams.resize(AllFaceSlots);
        set.FaceEntries = pickFaces(set.Info);
        // Slot k holds pair k+1's face; its second picture, if any, FaceSlots further on.
        std::vector<std::pair<std::size_t, std::int32_t>> pictures;
        for (std::size_t slot = 0; slot < set.FaceEntries.size(); ++slot)
            pictures.emplace_back(slot, set.FaceEntries[slot]);
        if (set.Info.SecondFaces)
            for (std::size_t slot = 0; slot < set.FaceEntries.size(); ++slot)
                pictures.emplace_back(slot + FaceSlots, SecondFaceEntry(set.Info.FaceCount, set.FaceEntries[slot]));
        for (const auto& [slot, entry] : pictures) {
            step = FaceSlotName(slot) + " (entry " + std::to_string(entry) + ")";
            if (set.Info.FaceType == 1)
                reader.CopyEntry(entry, set.FaceStreams[slot]);
            else
                set.FacePictures[slot] = LoadPicture(reader, entry, set.Info.FaceType, scratch);
        }
    } catch (const EResourceError& e) {
        Refuse(fileName, step + ": " + e.what(), plain);
    }
    return set;
}

} // namespace

TCardSet LoadCardSet(const std::string& fileName, std::int32_t pairCount, std::int32_t workAreaWidth,
                     std::int32_t workAreaHeight, TRandom& random)
{
    return LoadSet(fileName, pairCount, workAreaWidth, workAreaHeight, [&](const TCardSetInfo& info) {
        return ChooseFaces(info.FaceCount, pairCount, random);
    });
}

TCardSet LoadCardSet(const std::string& fileName, const std::vector<std::int32_t>& faceEntries,
                     std::int32_t workAreaWidth, std::int32_t workAreaHeight)
{
    const auto pairCount = static_cast<std::int32_t>(faceEntries.size());
    return LoadSet(fileName, pairCount, workAreaWidth, workAreaHeight, [&](const TCardSetInfo& info) {
        for (std::int32_t entry : faceEntries)
            if (entry < FirstFaceEntry || entry >= FirstFaceEntry + info.FaceCount)
                Refuse(fileName, "the set holds no face in entry " + std::to_string(entry),
                       Tr("CardSet", "it no longer holds the pictures of the saved game"));
        return faceEntries;
    });
}
