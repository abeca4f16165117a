#pragma once
// The dealt card set's faces and back at twice the resolution, for screens of two
// pixels per unit. A set may have a twin of the same name in the folder
// "@2x" beside it: a set of its own whose record differs only in twice the
// card size, with the same entries drawn at twice the size; the catalogue
// never lists that folder. A set without a twin, a twin whose record does
// not match so, or a face the twin lacks, cannot decode or holds at another
// size leaves the ordinary face to be blown up. A face is read when
// it is first painted on such a screen, once per deal.

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TGame;
class TMemoryStream;
class TLumResReader;

class TSharpFaces {
public:
    TSharpFaces();
    ~TSharpFaces();

    // Forgets the faces of the previous deal.
    void Reset();
    // The face in a slot of the game's deal (TGame::FaceSlotAt) at twice the
    // size: a still face as it is, a GIF face's first frame fitted to twice
    // the cell; a null image when there is none.
    const QImage& Face(const TGame& game, std::int32_t slot);
    // The card back at twice the size; a null image when there is none.
    const QImage& Back(const TGame& game);
    // The raw bytes of the slot's face in the twin, for a GIF face to play;
    // false when there is no twin.
    bool FaceBytes(const TGame& game, std::int32_t slot, TMemoryStream& bytes);

private:
    void Open(const TGame& game);
    // The twin's entry decoded as a picture of the type (1 GIF, 2 JPEG,
    // other bitmap); a GIF's first frame fitted to twice the cell.
    QImage Decode(std::int32_t entry, std::int32_t type, const TGame& game) const;

    bool Opened = false;
    std::unique_ptr<TLumResReader> Twin;
    std::int32_t TwinWidth = 0; // the twin's card size in pixels
    std::int32_t TwinHeight = 0;
    std::vector<std::optional<QImage>> Faces; // by slot
    std::optional<QImage> FBack;
};
