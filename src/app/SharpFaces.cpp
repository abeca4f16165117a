#include "app/SharpFaces.h"

#include "controls/LumBitmap.h"
#include "game/CardSetInfo.h"
#include "game/CardSetLoader.h"
#include "game/Game.h"
#include "resources/GifImage.h"
#include "resources/LumRes.h"

#include <exception>
#include <filesystem>

namespace fs = std::filesystem;

TSharpFaces::TSharpFaces() = default;
TSharpFaces::~TSharpFaces() = default;

void TSharpFaces::Reset()
{
    Opened = false;
    Twin.reset();
    Faces.clear();
    FBack.reset();
}

void TSharpFaces::Open(const TGame& game)
{
    Opened = true;
    Faces.assign(AllFaceSlots, std::nullopt);
    const fs::path set(game.CardSetFile);
    const fs::path twin = set.parent_path() / "@2x" / set.filename();
    std::error_code ignored;
    if (game.CardSetFile.empty() || !fs::is_regular_file(twin, ignored))
        return;
    try {
        TLumResFileReader dealt(game.CardSetFile);
        const TCardSetInfo ordinary = ReadCardSetInfo(dealt);
        auto reader = std::make_unique<TLumResFileReader>(twin.string());
        const TCardSetInfo info = ReadCardSetInfo(*reader);
        if (info.FaceType != ordinary.FaceType || info.FaceCount != ordinary.FaceCount
            || info.SecondFaces != ordinary.SecondFaces || info.Width != 2 * ordinary.Width || info.Height != 2 * ordinary.Height)
            return;
        TwinWidth = info.Width;
        TwinHeight = info.Height;
        Twin = std::move(reader);
    } catch (const std::exception&) {
        // No twin: the ordinary faces serve.
    }
}

const QImage& TSharpFaces::Face(const TGame& game, std::int32_t slot)
{
    if (!Opened)
        Open(game);
    static const QImage none;
    const std::int32_t entry = game.FaceEntryOf(slot);
    if (entry < 0)
        return none;
    std::optional<QImage>& face = Faces[static_cast<std::size_t>(slot)];
    if (!face)
        face = Twin ? Decode(entry, game.FaceType, game) : QImage();
    return *face;
}

bool TSharpFaces::FaceBytes(const TGame& game, std::int32_t slot, TMemoryStream& bytes)
{
    if (!Opened)
        Open(game);
    const std::int32_t entry = game.FaceEntryOf(slot);
    if (!Twin || entry < 0)
        return false;
    try {
        bytes.Clear();
        Twin->CopyEntry(entry, bytes);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

const QImage& TSharpFaces::Back(const TGame& game)
{
    if (!Opened)
        Open(game);
    if (!FBack)
        FBack = Twin ? Decode(CardBackEntry, 0, game) : QImage();
    return *FBack;
}

QImage TSharpFaces::Decode(std::int32_t entry, std::int32_t type, const TGame& game) const
{
    try {
        TMemoryStream stream;
        Twin->CopyEntry(entry, stream);
        stream.SetPosition(0);
        const std::unique_ptr<TGraphic> picture = DecodePicture(type, stream);
        if (picture->Width() != TwinWidth || picture->Height() != TwinHeight)
            return {};
        if (type != 1)
            return ToQImage(picture->Pixels());
        // As the ordinary still is fitted to the cell, at twice its size.
        TLumBitmap fitted;
        fitted.DrawFitted(picture.get(), 2 * game.CellWidth, 2 * game.CellHeight);
        return fitted.Image;
    } catch (const std::exception&) {
        return {}; // a bad sharp face costs only sharpness
    }
}
