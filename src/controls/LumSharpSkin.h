#pragma once
// The skin's pictures at twice the resolution, for screens with two device
// pixels per unit. A second archive beside the skin (kobalind@2x.dat) holds
// the same entries drawn at twice the size. It is optional: an entry it
// lacks, cannot decode or holds at any other size than twice the ordinary
// picture is simply not there, and the control scales the ordinary one.
//
// While a TSharpSkin lives, the windows built from the skin take a handle to
// each picture's sharp version (AddSkinImage, SharpSkinPicture). A handle
// reads and decodes its picture only when a control first paints on such a
// screen, so a screen of one pixel per unit never pays for them; the
// handles keep the archive open as long as any of them lives.
//
// A language's overlay at twice the resolution (see app/SkinLanguage.h)
// takes precedence over the archive where it holds an entry; where the
// ordinary overlay replaced an entry and this one does not, there is no
// sharp picture, since the archive's carries the English caption.

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TGraphic;
class TLumCustomImageList;
class TLumResReader;

class TSharpPicture {
public:
    TSharpPicture() = default; // none
    TSharpPicture(std::shared_ptr<TLumResReader> archive, std::int32_t entry, QSize ordinary);

    // The picture, premultiplied, with a device pixel ratio of 2; a null
    // image when there is none. Decoded on the first call.
    const QImage& Image() const;

private:
    std::shared_ptr<TLumResReader> Archive;
    std::int32_t Entry = -1;
    QSize Ordinary;
    mutable std::optional<QImage> Decoded;
};

class TSharpSkin {
public:
    // No file, or one that is no archive, leaves no archive open; the
    // same holds for the overlay. replaced tells, by entry, what the
    // ordinary overlay replaced.
    explicit TSharpSkin(const std::string& fileName, const std::string& overlayFileName = {},
                        std::vector<bool> replaced = {});
    ~TSharpSkin();
    TSharpSkin(const TSharpSkin&) = delete;
    TSharpSkin& operator=(const TSharpSkin&) = delete;

    bool Open() const { return Archive != nullptr; }
    TSharpPicture Picture(std::int32_t entry, QSize ordinary) const;

private:
    std::shared_ptr<TLumResReader> Archive, Overlay;
    std::vector<bool> Replaced;
    const TSharpSkin* Previous;
};

// The entry's sharp picture from the innermost living TSharpSkin; none when
// there is no such skin.
TSharpPicture SharpSkinPicture(std::int32_t entry, QSize ordinary);

// Appends picture, the skin's entry, to the list with its sharp version.
// Throws EControlError as AddImage does.
void AddSkinImage(TLumCustomImageList& list, const TGraphic& picture, std::int32_t entry);
