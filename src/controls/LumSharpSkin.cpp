#include "LumSharpSkin.h"

#include "LumBitmap.h"
#include "LumImageList.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"
#include "resources/ResourceError.h"

#include <exception>
#include <filesystem>

namespace {

const TSharpSkin* Current = nullptr;

} // namespace

TSharpPicture::TSharpPicture(std::shared_ptr<TLumResReader> archive, std::int32_t entry, QSize ordinary)
    : Archive(std::move(archive)), Entry(entry), Ordinary(ordinary)
{
}

const QImage& TSharpPicture::Image() const
{
    if (Decoded)
        return *Decoded;
    Decoded.emplace();
    if (!Archive || Entry < 0 || Entry >= Archive->EntryCount())
        return *Decoded;
    try {
        TMemoryStream stream;
        Archive->CopyEntry(Entry, stream);
        stream.SetPosition(0);
        TBitmap picture;
        picture.LoadFromStream(stream);
        if (QSize(picture.Width(), picture.Height()) != Ordinary * 2)
            return *Decoded;
        *Decoded = ToQImage(picture.Pixels()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        Decoded->setDevicePixelRatio(2);
    } catch (const std::exception&) {
        // A bad sharp picture costs only sharpness.
    }
    return *Decoded;
}

namespace {

std::shared_ptr<TLumResReader> OpenArchive(const std::string& fileName)
{
    std::error_code ignored;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, ignored))
        return nullptr;
    try {
        return std::make_shared<TLumResFileReader>(fileName);
    } catch (const EResourceError&) {
        return nullptr; // the ordinary skin serves alone
    }
}

} // namespace

TSharpSkin::TSharpSkin(const std::string& fileName, const std::string& overlayFileName, std::vector<bool> replaced)
    : Archive(OpenArchive(fileName)), Overlay(OpenArchive(overlayFileName)), Replaced(std::move(replaced)),
      Previous(Current)
{
    Current = this;
}

TSharpSkin::~TSharpSkin()
{
    Current = Previous;
}

TSharpPicture TSharpSkin::Picture(std::int32_t entry, QSize ordinary) const
{
    if (Overlay && entry >= 0 && entry < Overlay->EntryCount() && Overlay->Entries[entry].EntrySize > 0)
        return TSharpPicture(Overlay, entry, ordinary);
    if (entry >= 0 && static_cast<std::size_t>(entry) < Replaced.size() && Replaced[static_cast<std::size_t>(entry)])
        return TSharpPicture();
    return Archive ? TSharpPicture(Archive, entry, ordinary) : TSharpPicture();
}

TSharpPicture SharpSkinPicture(std::int32_t entry, QSize ordinary)
{
    return Current ? Current->Picture(entry, ordinary) : TSharpPicture();
}

void AddSkinImage(TLumCustomImageList& list, const TGraphic& picture, std::int32_t entry)
{
    list.AddImage(picture);
    list.SetSharpImage(list.Count() - 1, SharpSkinPicture(entry, QSize(picture.Width(), picture.Height())));
}
