#include "app/SkinLanguage.h"

#include "resources/Bitmap.h"
#include "resources/LumResOverlay.h"

#include <exception>
#include <filesystem>
#include <stdexcept>

namespace {

std::string OverlayFileName(const std::string& appDir, const std::string& language, const char* suffix)
{
    return appDir + "kobalind_" + language + suffix;
}

} // namespace

TLanguageSkin::TLanguageSkin(TLumResReader& skin, const std::string& appDir, const std::string& language)
    : Skin(&skin)
{
    if (language.empty() || language == "en")
        return;
    const std::string file = OverlayFileName(appDir, language, ".dat");
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored))
        return;
    try {
        TFileStream stream(file);
        TLumResReader overlay;
        overlay.Stream = &stream;
        if (!overlay.ReadHeader())
            throw std::runtime_error("its header is damaged");
        TLaidArchive laid = LayOverlay(skin, overlay);
        LaidBytes = TMemoryStream(std::move(laid.Bytes));
        Laid.Stream = &LaidBytes;
        Laid.ReadHeader();
        // Every picture it brings must decode: the windows would fail to start otherwise.
        for (std::int32_t entry = 1; entry < Laid.EntryCount(); ++entry)
            if (laid.Replaced[static_cast<std::size_t>(entry)]) {
                TMemoryStream picture;
                Laid.LoadEntry(entry, picture);
                TBitmap().LoadFromStream(picture);
            }
        Replaced = std::move(laid.Replaced);
        SharpOverlayFile = OverlayFileName(appDir, language, "@2x.dat");
    } catch (const std::exception& e) {
        Laid = TLumResReader();
        Problem = file + " cannot be used (" + e.what() + "); the captions stay in English";
    }
}
