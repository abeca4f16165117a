#include "DrawnLanguageCheck.h"

#include "game/CardSetInfo.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <exception>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

// A caption each captioned skin entry carries; where the catalogue
// translates it, the overlay must hold the entry.
const struct {
    int Entry;
    const char* Caption;
    bool FixedSize; // the same size in every language
} Captioned[] = {
    {1, "find the pairs, beat your friends", true}, {11, "Play", true},  {14, "%1  ·  About & credits", false},
    {17, "Card set", true},                         {22, "Close", true}, {23, "About", false},
    {29, "Help", false},                            {30, "Scores", false},
};

std::optional<TBitmap> Picture(TLumResReader& archive, int entry)
{
    if (entry >= archive.EntryCount() || archive.Entries[entry].EntrySize == 0)
        return std::nullopt;
    TMemoryStream stream;
    archive.LoadEntry(entry, stream);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return picture;
}

void CheckSkin(const std::string& runDir, const std::string& language, const QTranslator& translator,
               std::vector<std::string>& problems)
{
    TLumResFileReader skin(runDir + "/kobalind.dat");
    for (const int scale : {1, 2}) {
        const std::string name = "kobalind_" + language + (scale == 2 ? "@2x" : "") + ".dat";
        if (!fs::exists(runDir + "/" + name)) {
            problems.push_back(name + " is missing");
            continue;
        }
        TLumResFileReader overlay(runDir + "/" + name);
        if (overlay.EntryCount() != skin.EntryCount())
            problems.push_back(name + " holds " + std::to_string(overlay.EntryCount()) + " entries, the skin " +
                               std::to_string(skin.EntryCount()));
        for (const auto& entry : Captioned) {
            const std::string where = name + " entry " + std::to_string(entry.Entry);
            const std::optional<TBitmap> picture = Picture(overlay, entry.Entry);
            if (!picture) {
                if (!translator.translate("Skin", entry.Caption).isEmpty())
                    problems.push_back(where + " is missing, though \"" + entry.Caption + "\" is translated");
                continue;
            }
            const TBitmap english = *Picture(skin, entry.Entry);
            if (picture->Height() != scale * english.Height() ||
                (entry.FixedSize && picture->Width() != scale * english.Width()))
                problems.push_back(where + " is " + std::to_string(picture->Width()) + " x " +
                                   std::to_string(picture->Height()) + ", not the size of its place");
        }
    }
}

void CheckAdvertisements(const std::string& runDir, const std::string& language, const QTranslator& translator,
                         std::vector<std::string>& problems)
{
    for (const fs::directory_entry& file : fs::directory_iterator(runDir + "/cards")) {
        if (file.path().extension() != ".crd")
            continue;
        const std::string name = "cards/" + language + "/" + file.path().filename().string();
        if (!fs::exists(runDir + "/" + name)) {
            problems.push_back(name + " is missing");
            continue;
        }
        TLumResFileReader set(file.path().string());
        TLumResFileReader overlay(runDir + "/" + name);
        const std::string setName = ReadCardSetInfo(set).Name;
        const std::optional<TBitmap> advert = Picture(overlay, AdvertEntry);
        if (!advert && !translator.translate("CardSets", setName.c_str()).isEmpty())
            problems.push_back(name + " has no advertisement, though \"" + setName + "\" is translated");
        const TBitmap english = *Picture(set, AdvertEntry);
        if (advert && (advert->Width() != english.Width() || advert->Height() != english.Height()))
            problems.push_back(name + "'s advertisement is not the size of the set's");
    }
}

} // namespace

std::vector<std::string> DrawnLanguageProblems(const std::string& runDir, const std::string& language,
                                               const QTranslator& translator)
{
    std::vector<std::string> problems;
    try {
        CheckSkin(runDir, language, translator, problems);
        CheckAdvertisements(runDir, language, translator, problems);
    } catch (const std::exception& e) {
        problems.push_back(std::string("a picture cannot be read: ") + e.what());
    }
    return problems;
}
