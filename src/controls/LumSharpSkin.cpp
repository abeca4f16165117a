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

TSharpSkin::TSharpSkin(const std::string& fileName) : Previous(Current)
{
    Current = this;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName, ignored))
        return;
    try {
        Reader = std::make_unique<TLumResFileReader>(fileName);
    } catch (const EResourceError&) {
        // The ordinary skin serves alone.
    }
}

TSharpSkin::~TSharpSkin()
{
    Current = Previous;
}

QImage TSharpSkin::Picture(std::int32_t entry, QSize ordinary) const
{
    if (!Reader || entry < 0 || entry >= Reader->EntryCount())
        return {};
    try {
        TMemoryStream stream;
        Reader->CopyEntry(entry, stream);
        stream.SetPosition(0);
        TBitmap picture;
        picture.LoadFromStream(stream);
        if (QSize(picture.Width(), picture.Height()) != ordinary * 2)
            return {};
        QImage sharp = ToQImage(picture.Pixels());
        sharp.setDevicePixelRatio(2);
        return sharp;
    } catch (const std::exception&) {
        return {}; // a bad sharp picture costs only sharpness
    }
}

QImage SharpSkinPicture(std::int32_t entry, QSize ordinary)
{
    return Current ? Current->Picture(entry, ordinary) : QImage();
}

void AddSkinImage(TLumCustomImageList& list, const TGraphic& picture, std::int32_t entry)
{
    list.AddImage(picture);
    list.SetSharpImage(list.Count() - 1, SharpSkinPicture(entry, QSize(picture.Width(), picture.Height())));
}
