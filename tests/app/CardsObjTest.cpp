// The card-set catalogue and the options panel's rules: pair counts, the cap
// to a set's faces, and the naming and counting of players.

#include "app/CardSetLanguage.h"
#include "app/CardsObj.h"

#include "CardsObjTestFiles.h"
#include "Support/TestSkin.h"

#include "resources/Bitmap.h"
#include "resources/LumResWriter.h"
#include "resources/PictureTestSupport.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace {

std::int32_t IndexOf(std::int32_t pairs) { return PairCountIndex(pairs); }

TEST(CardSets, ListsReadableSetsInFolderOrder)
{
    TCardsTestFolder folder;
    folder.AddSet("animals.crd", "Animals", 20, 80, 60);
    folder.AddSet("FLAGS.CRD", "Флаги", 33);            // a name Windows-1252 lacks
    folder.AddSet("twin.crd", "Animals", 8);           // duplicate names stay
    folder.AddSet("flat.crd", "Flat", 8, 0, 30);       // no card size: cannot be laid out
    folder.AddSet("notes.txt", "Not a set", 8);        // wrong extension
    folder.AddFile("garbage.crd", "\x01\x02\x03");     // not an archive
    folder.AddFile("empty.crd", "");                   // an archive without entry 0
    std::filesystem::create_directories(folder.Cards() / "folder.crd");

    TCardSets sets;
    const std::int32_t selected = BuildCardSets({folder.CardsDir()}, "FLAGS.CRD", sets);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[selected].SetName, "Флаги");

    // The folder's own listing order, filtered to the readable sets.
    std::vector<std::string> expected;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Cards())) {
        const std::string name = entry.path().filename().string();
        if (name == "animals.crd" || name == "FLAGS.CRD" || name == "twin.crd")
            expected.push_back(folder.CardsDir() + name);
    }
    for (std::size_t i = 0; i < sets.size(); ++i)
        EXPECT_EQ(sets[i].FileName, expected[i]);

    for (const TCardsObj& set : sets)
        if (CardSetFileName(set) == "animals.crd") {
            EXPECT_EQ(set.SetName, "Animals");
            EXPECT_EQ(set.CardWidth, 80);
            EXPECT_EQ(set.CardHeight, 60);
            EXPECT_EQ(set.ImageCount, 20);
        }
}

TEST(CardSets, TheRememberedNameMustMatchExactly)
{
    TCardsTestFolder folder;
    folder.AddSet("a.crd", "A", 8);
    folder.AddSet("b.crd", "B", 8);
    TCardSets sets;
    const std::int32_t selected = BuildCardSets({folder.Cards().string()}, "b.crd", sets); // no trailing '/'
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(CardSetFileName(sets[selected]), "b.crd");
    EXPECT_EQ(sets[selected].FileName, folder.CardsDir() + "b.crd");
    EXPECT_EQ(BuildCardSets({folder.CardsDir()}, "B.crd", sets), 0);
    EXPECT_EQ(BuildCardSets({folder.CardsDir()}, "", sets), 0);
}

TEST(CardSets, AMissingFolderGivesAnEmptyCatalogue)
{
    TCardsTestFolder folder;
    TCardSets sets(2);
    EXPECT_EQ(BuildCardSets({(folder.Root / "nowhere/").string()}, "a.crd", sets), 0);
    EXPECT_TRUE(sets.empty());
}

// The user's folder is read after the program's: its sets follow, and its
// copy of a set takes the place of the program's set of that file name, so
// a remembered file name, old or new, always means one set.
TEST(CardSets, TheUsersSetsFollowAndHideTheProgramsOfTheirFileName)
{
    TCardsTestFolder folder;
    const std::filesystem::path user = folder.Root / "user";
    std::filesystem::create_directories(user);
    folder.AddSet("a.crd", "Program A", 8);
    folder.AddSet("b.crd", "Program B", 8);
    folder.AddFile("broken.crd", "\x01\x02");
    folder.AddSet((user / "b.crd").string(), "My B", 12);
    folder.AddSet((user / "mine.crd").string(), "Mine", 9);
    std::ofstream(user / "a.crd", std::ios::binary) << "not a set"; // broken: hides nothing

    const std::vector<std::string> both = {folder.CardsDir(), user.string()};
    TCardSets sets;
    const std::int32_t remembered = BuildCardSets(both, "b.crd", sets);
    std::map<std::string, std::string> listed; // set name -> path
    for (const TCardsObj& set : sets)
        listed[set.SetName] = set.FileName;
    EXPECT_EQ(listed, (std::map<std::string, std::string> {{"Program A", folder.CardsDir() + "a.crd"},
                                                           {"My B", user.string() + "/b.crd"},
                                                           {"Mine", user.string() + "/mine.crd"}}));
    EXPECT_EQ(sets[remembered].SetName, "My B");
    EXPECT_EQ(sets.back().SetName, "Mine"); // after the program's sets
    EXPECT_EQ(sets[BuildCardSets(both, "a.crd", sets)].SetName, "Program A");
    EXPECT_EQ(sets[BuildCardSets(both, "mine.crd", sets)].SetName, "Mine");
    EXPECT_EQ(FindCardSet(sets, "broken.crd"), -1);
}

TEST(OptionsRules, StoredPairCountsPickTheirItem)
{
    EXPECT_EQ(PairCounts[IndexOf(24)], 24);
    EXPECT_EQ(PairCounts[IndexOf(60)], 60);
    EXPECT_EQ(IndexOf(25), 0); // not offered: "8"
    EXPECT_EQ(IndexOf(-8), 0);
    EXPECT_EQ(DelayTexts[3], std::string("2.5"));
}

TEST(OptionsRules, TheCountIsCappedToTheSetsFaces)
{
    const struct {
        std::int32_t Selected, Faces, Shown;
        bool Message;
    } rows[] = {
        {24, 20, 20, true},  // an offered count: exactly that
        {24, 23, 22, true},  // the next lower offered count
        {24, 5, 24, true},   // nothing fits: the selection stays
        {24, 24, 24, false}, // enough faces: nothing happens
        {60, 112, 60, false},
        {8, 7, 8, true},
        {60, 59, 56, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LacksImages(IndexOf(row.Selected), row.Faces), row.Message) << row.Selected << "/" << row.Faces;
        EXPECT_EQ(PairCounts[CapPairIndex(IndexOf(row.Selected), row.Faces)], row.Shown)
            << row.Selected << "/" << row.Faces;
    }
    EXPECT_EQ(CapPairIndex(-1, 20), -1);
    EXPECT_FALSE(LacksImages(28, 0));
}

TEST(OptionsRules, LargestOfferedPairCount)
{
    EXPECT_EQ(LargestOfferedPairCount(1000), 60);
    EXPECT_EQ(LargestOfferedPairCount(59), 56);
    EXPECT_EQ(LargestOfferedPairCount(23), 22);
    EXPECT_EQ(LargestOfferedPairCount(8), 8);
    EXPECT_EQ(LargestOfferedPairCount(7), 0);
}

TPlayers Named(std::initializer_list<const char*> names)
{
    TPlayers players;
    std::size_t i = 1;
    for (const char* name : names)
        players[i++].Name = name;
    return players;
}

TEST(OptionsRules, PlayersAreNamedAndCounted)
{
    const struct {
        bool Computer;
        TPlayerEdits Edits;
        std::int32_t Count;
        std::array<const char*, 5> Names; // records 1..5 afterwards
    } rows[] = {
        {true, {"", "", "", ""}, 2, {"Computer", "Player", "", "", ""}},
        {false, {"", "", "", ""}, 2, {"Player 1", "Player 2", "", "", "old5"}},
        {false, {"Ann", "", "", ""}, 2, {"Ann", "Player 2", "", "", "old5"}},
        // A name after an empty edit takes no part but is kept, unless the
        // second player's default fills the gap: the deal counts it then.
        {true, {"Ann", "", "Cy", ""}, 2, {"Computer", "Ann", "", "Cy", ""}},
        {false, {"Ann", "", "Cy", ""}, 3, {"Ann", "Player 2", "Cy", "", "old5"}},
        {false, {"Ann", "", "", "Di"}, 2, {"Ann", "Player 2", "", "Di", "old5"}},
        {true, {"Ann", "Bo", "Cy", "Di"}, 5, {"Computer", "Ann", "Bo", "Cy", "Di"}},
        {false, {"Ann", "Bo", "Cy", "Di"}, 4, {"Ann", "Bo", "Cy", "Di", "old5"}},
        // Names are taken as typed, spaces included.
        {false, {" ", "Bo", "", ""}, 2, {" ", "Bo", "", "", "old5"}},
    };
    for (const auto& row : rows) {
        TPlayers players = Named({"x1", "x2", "x3", "x4", "old5"});
        EXPECT_EQ(ApplyPlayerNames(players, row.Edits, row.Computer), row.Count) << row.Edits[0];
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(players[i + 1].Name, row.Names[i]) << "record " << i + 1 << " for " << row.Edits[0];
    }
}

TEST(OptionsRules, EditsShowTheHumanRecords)
{
    const TPlayers players = Named({"Computer", "Ann", "Bo", "Cy", "Di"});
    EXPECT_EQ(NamesForEdits(players, true), (TPlayerEdits {"Ann", "Bo", "Cy", "Di"}));
    EXPECT_EQ(NamesForEdits(players, false), (TPlayerEdits {"Computer", "Ann", "Bo", "Cy"}));
}

TEST(CardSets, ADefaultSetShowsItsNameInThePlayersLanguageAndAnyOtherItsOwn)
{
    QTranslator translator; // the test language names "Animal Parade"
    ASSERT_TRUE(translator.load(QStringLiteral(TEST_TRANSLATIONS_DIR "/kobalind_xx.qm")));
    QCoreApplication::installTranslator(&translator);
    const std::string programCards = "/opt/kobalind/cards/";
    const auto set = [](const std::string& file, const char* name) {
        TCardsObj cards;
        cards.FileName = file;
        cards.SetName = name;
        return cards;
    };
    EXPECT_EQ(CardSetDisplayName(set(programCards + "animals.crd", "Animal Parade"), programCards),
              QString::fromUtf8("Парад зверей"));
    EXPECT_EQ(CardSetDisplayName(set(programCards + "mine.crd", "My cards"), programCards), QStringLiteral("My cards"));
    for (const char* elsewhere : {"/home/me/.local/share/kobalind/cards/animals.crd", "/opt/kobalind/cards/x/a.crd"})
        EXPECT_EQ(CardSetDisplayName(set(elsewhere, "Animal Parade"), programCards), QStringLiteral("Animal Parade"))
            << elsewhere;
    QCoreApplication::removeTranslator(&translator);
}

TEST(CardSets, ADefaultSetsAdvertisementComesFromTheLanguagesOverlayWhereThereIsOne)
{
    const std::filesystem::path folder = FreshTestFolder();
    const std::string cards = folder.string() + "/cards/";
    std::filesystem::create_directories(folder / "cards" / "xx");
    const auto writeOverlay = [&](const char* name, std::vector<std::uint8_t> advert) {
        TLumResWriter overlay;
        overlay.AddStored({}); // the record stays the set's own
        overlay.AddBitmap(std::move(advert));
        overlay.SaveToFile(cards + "xx/" + name);
    };
    writeOverlay("animals.crd", SolidBitmapFile(178, 170, 0xFF336699u));
    writeOverlay("broken.crd", std::vector<std::uint8_t>(40, 1));

    std::string problem;
    const std::unique_ptr<TGraphic> advert = LanguageAdvert(cards + "animals.crd", cards, "xx", problem);
    ASSERT_TRUE(advert);
    EXPECT_EQ(dynamic_cast<const TBitmap&>(*advert).Pixels().At(5, 5), 0xFF336699u);
    EXPECT_EQ(problem, "");
    // Another language, another folder's set of the same name, no overlay: the set's own picture.
    EXPECT_FALSE(LanguageAdvert(cards + "animals.crd", cards, "", problem));
    EXPECT_FALSE(LanguageAdvert("/home/me/cards/animals.crd", cards, "xx", problem));
    EXPECT_FALSE(LanguageAdvert(cards + "food.crd", cards, "xx", problem));
    EXPECT_EQ(problem, "");
    EXPECT_FALSE(LanguageAdvert(cards + "broken.crd", cards, "xx", problem));
    EXPECT_NE(problem.find("xx/broken.crd cannot be used"), std::string::npos) << problem;
}

} // namespace
