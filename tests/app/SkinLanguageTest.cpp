// A language's overlay of the skin: laid over it where it holds pictures,
// passed over (and told) when damaged, and followed by the sharp skin.
#include "Support/TestSkin.h"

#include "app/SkinLanguage.h"
#include "controls/LumSharpSkin.h"
#include "resources/Bitmap.h"
#include "resources/LumResWriter.h"
#include "resources/PictureTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t TranslatedBar = 0xFF123456u;

// An overlay of the test skin's 18 entries replacing only entry 11, the bar.
void WriteOverlay(const std::filesystem::path& file, std::vector<std::uint8_t> bar, int scale = 1)
{
    TLumResWriter writer;
    for (int entry = 0; entry < 18; ++entry)
        if (entry == 11)
            writer.AddBitmap(bar.empty() ? SolidBitmapFile(466 * scale, 66 * scale, TranslatedBar) : bar);
        else
            writer.AddStored({});
    writer.SaveToFile(file.string());
}

std::uint32_t CornerOf(TLumResReader& archive, int entry)
{
    TMemoryStream stream;
    archive.LoadEntry(entry, stream);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return picture.Pixels().At(0, 0);
}

TEST(SkinLanguage, AnOverlayReplacesItsEntriesAndAMissingOrDamagedOneLeavesTheSkin)
{
    const std::filesystem::path folder = FreshTestFolder();
    const std::string appDir = folder.string() + "/";
    WriteTestSkin(folder);
    WriteOverlay(folder / "kobalind_de.dat", {});
    WriteOverlay(folder / "kobalind_it.dat", std::vector<std::uint8_t>(60, 7)); // no picture
    TLumResFileReader skin(appDir + "kobalind.dat");

    TLanguageSkin german(skin, appDir, "de");
    EXPECT_EQ(german.Problem, "");
    EXPECT_EQ(CornerOf(german.Reader(), 11), TranslatedBar);
    EXPECT_EQ(CornerOf(german.Reader(), 10), BoardColour);
    EXPECT_EQ(german.Reader().EntryCount(), skin.EntryCount());
    EXPECT_EQ(german.Replaced, [] { std::vector<bool> r(18); r[11] = true; return r; }());
    EXPECT_EQ(german.SharpOverlayFile, appDir + "kobalind_de@2x.dat");

    for (const char* language : {"", "en", "fr"}) { // English, or no overlay: the skin as it is
        TLanguageSkin plain(skin, appDir, language);
        EXPECT_EQ(&plain.Reader(), &skin) << language;
        EXPECT_EQ(plain.Problem, "") << language;
    }
    TLanguageSkin italian(skin, appDir, "it");
    EXPECT_EQ(&italian.Reader(), &skin);
    EXPECT_NE(italian.Problem.find(appDir + "kobalind_it.dat cannot be used"), std::string::npos) << italian.Problem;
    EXPECT_EQ(italian.SharpOverlayFile, "");
}

TEST(SkinLanguage, TheSharpSkinTakesTheLanguagesPictureOrNoneForAReplacedEntry)
{
    const std::filesystem::path folder = FreshTestFolder();
    TLumResWriter sharp;
    for (int entry = 0; entry < 18; ++entry)
        sharp.AddBitmap(SolidBitmapFile(2 * 466, 2 * 66, 0xFF909090u));
    sharp.SaveToFile((folder / "kobalind@2x.dat").string());
    std::vector<bool> replaced(18);
    replaced[11] = true;
    const QSize bar(466, 66);
    {
        const TSharpSkin skin((folder / "kobalind@2x.dat").string(), (folder / "absent@2x.dat").string(), replaced);
        EXPECT_TRUE(SharpSkinPicture(11, bar).Image().isNull()) << "the English caption is not shown";
        EXPECT_FALSE(SharpSkinPicture(12, bar).Image().isNull());
    }
    WriteOverlay(folder / "kobalind_de@2x.dat", {}, 2);
    const TSharpSkin skin((folder / "kobalind@2x.dat").string(), (folder / "kobalind_de@2x.dat").string(), replaced);
    EXPECT_EQ(SharpSkinPicture(11, bar).Image().pixel(0, 0), TranslatedBar);
}

} // namespace
