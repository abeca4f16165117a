#pragma once
// The skin's pictures at twice the resolution, for screens with two device
// pixels per unit. A second archive beside the skin (kobalind@2x.dat) holds
// the same entries drawn at twice the size. It is optional: an entry it
// lacks, cannot decode or holds at any other size than twice the ordinary
// picture is simply not there, and the control scales the ordinary one.
//
// While a TSharpSkin lives, the windows built from the skin take the sharp
// pictures too (AddSkinImage, SharpSkinPicture); the controls choose between
// the two each time they paint, by the device they paint on.

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

class TGraphic;
class TLumCustomImageList;
class TLumResReader;

class TSharpSkin {
public:
    // No file, or one that is no archive, leaves no archive open.
    explicit TSharpSkin(const std::string& fileName);
    ~TSharpSkin();
    TSharpSkin(const TSharpSkin&) = delete;
    TSharpSkin& operator=(const TSharpSkin&) = delete;

    bool Open() const { return Reader != nullptr; }
    QImage Picture(std::int32_t entry, QSize ordinary) const;

private:
    std::unique_ptr<TLumResReader> Reader;
    const TSharpSkin* Previous;
};

// The entry's sharp picture, with a device pixel ratio of 2, from the
// innermost living TSharpSkin; a null image when there is none.
QImage SharpSkinPicture(std::int32_t entry, QSize ordinary);

// Appends picture, the skin's entry, to the list with its sharp version.
// Throws EControlError as AddImage does.
void AddSkinImage(TLumCustomImageList& list, const TGraphic& picture, std::int32_t entry);
