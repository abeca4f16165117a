#include "app/CardSetLanguage.h"

#include "game/CardSetInfo.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <QCoreApplication>

#include <exception>
#include <filesystem>

namespace {

// The set's file name when it lies in the program's own cards folder, else "".
std::string ShippedName(const std::string& setFile, const std::string& programCardsDir)
{
    if (programCardsDir.empty() || setFile.compare(0, programCardsDir.size(), programCardsDir) != 0)
        return {};
    const std::string name = setFile.substr(programCardsDir.size());
    return name.find('/') == std::string::npos ? name : std::string();
}

} // namespace

QString CardSetDisplayName(const TCardsObj& set, const std::string& programCardsDir)
{
    return ShippedName(set.FileName, programCardsDir).empty()
               ? QString::fromStdString(set.SetName)
               : QCoreApplication::translate("CardSets", set.SetName.c_str());
}

std::unique_ptr<TGraphic> LanguageAdvert(const std::string& setFile, const std::string& programCardsDir,
                                         const std::string& language, std::string& problem)
{
    const std::string name = ShippedName(setFile, programCardsDir);
    if (name.empty() || language.empty() || language == "en")
        return nullptr;
    const std::string overlayFile = programCardsDir + language + "/" + name;
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(overlayFile, ignored))
        return nullptr;
    try {
        TLumResFileReader overlay(overlayFile);
        if (overlay.EntryCount() <= AdvertEntry || overlay.Entries[AdvertEntry].EntrySize == 0)
            return nullptr;
        TMemoryStream stream;
        overlay.LoadEntry(AdvertEntry, stream);
        auto picture = std::make_unique<TBitmap>();
        picture->LoadFromStream(stream);
        return picture;
    } catch (const std::exception& e) {
        problem = overlayFile + " cannot be used (" + e.what() + "); the set's own advertisement is shown";
        return nullptr;
    }
}
