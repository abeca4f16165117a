// The skin's captions and the sets' advertisements in other languages:
// skinmaker draws, for each translation, overlays holding only the pictures
// with a translated text, and refuses a caption too wide for its place.
#include "ContentFixture.h"

#include "resources/Bitmap.h"
#include "resources/LumRes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

struct TRun {
    int Status;
    std::string Output;
};

TRun RunSkinmakerWith(const std::string& folder, const std::string& language)
{
    const std::filesystem::path out = TestPath(folder);
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + SKINMAKER_PATH + "' '" + out.string()
                                + "' --translation '" + TEST_TRANSLATIONS_DIR + "/kobalind_" + language + ".qm' 2>&1";
    TRun run{-1, {}};
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        run.Output += buffer;
    run.Status = pipe ? pclose(pipe.release()) : -1;
    return run;
}

// The content drawn with the made-up language xx, once per test process.
const TRun& XxRun()
{
    static const TRun run = RunSkinmakerWith("content-xx", "xx");
    return run;
}

TBitmap Picture(TLumResReader& archive, int entry)
{
    TMemoryStream stream;
    archive.LoadEntry(entry, stream);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return picture;
}

TEST(LanguageOverlay, HoldsOnlyThePicturesWithATranslatedCaptionAtBothSizes)
{
    ASSERT_EQ(XxRun().Status, 0) << XxRun().Output;
    const std::filesystem::path out = TestPath("content-xx");
    // The main skin stays exactly as it is drawn without translations.
    EXPECT_EQ(ReadFile(out / "kobalind.dat"), ReadFile(ContentDir() / "kobalind.dat"));

    TLumResFileReader skin((out / "kobalind.dat").string());
    for (const auto& [file, scale] : {std::pair{"kobalind_xx.dat", 1}, {"kobalind_xx@2x.dat", 2}}) {
        TLumResFileReader overlay((out / file).string());
        ASSERT_EQ(overlay.EntryCount(), skin.EntryCount()) << file;
        // "Play" on the bar and the help window's title are translated; nothing else is.
        for (int entry = 0; entry < overlay.EntryCount(); ++entry)
            EXPECT_EQ(overlay.Entries[entry].EntrySize > 0, entry == 11 || entry == 29) << file << " entry " << entry;
        const TBitmap bar = Picture(overlay, 11), englishBar = Picture(skin, 11);
        EXPECT_EQ(bar.Width(), scale * englishBar.Width()) << file;
        EXPECT_EQ(bar.Height(), scale * englishBar.Height()) << file;
        if (scale == 1) {
            int changed = 0; // within the Play button 392,32-457,60
            for (int y = 32; y < 60; ++y)
                for (int x = 392; x < 457; ++x)
                    changed += bar.Pixels().At(x, y) != englishBar.Pixels().At(x, y);
            EXPECT_GT(changed, 50) << "the Play button's caption";
        }
    }
}

TEST(LanguageOverlay, ASetsAdvertisementIsDrawnAgainOnlyWhereItsNameOrLinesAreTranslated)
{
    ASSERT_EQ(XxRun().Status, 0) << XxRun().Output;
    const std::filesystem::path out = TestPath("content-xx");
    TLumResFileReader set((out / "cards" / "animals.crd").string());
    TLumResFileReader animals((out / "cards" / "xx" / "animals.crd").string()); // its name is translated
    TLumResFileReader food((out / "cards" / "xx" / "food.crd").string());       // nothing of it is
    ASSERT_EQ(animals.EntryCount(), 2);
    EXPECT_EQ(animals.Entries[0].EntrySize, 0) << "the record stays the set's own";
    const TBitmap advert = Picture(animals, 1), english = Picture(set, 1);
    EXPECT_EQ(advert.Width(), english.Width());
    EXPECT_EQ(advert.Height(), english.Height());
    EXPECT_NE(advert.Pixels().Pixels, english.Pixels().Pixels);
    ASSERT_EQ(food.EntryCount(), 2);
    EXPECT_EQ(food.Entries[0].EntrySize + food.Entries[1].EntrySize, 0);
}

TEST(LanguageOverlay, ACaptionTooWideForItsPlaceFailsNamingTheLanguageAndTheText)
{
    const TRun run = RunSkinmakerWith("content-zz", "zz");
    EXPECT_NE(run.Status, 0);
    EXPECT_NE(run.Output.find("\"Jetzt sofort spielen\" (language zz"), std::string::npos) << run.Output;
    EXPECT_FALSE(std::filesystem::exists(TestPath("content-zz") / "kobalind_zz.dat"));
}

} // namespace
