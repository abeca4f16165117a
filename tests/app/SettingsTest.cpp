// Loading and saving the settings over real key files: defaults, the reading
// order with its stop at a value of the wrong type, where the names go, the
// remembered card set and the card-set editor's path.

#include "app/Settings.h"

#include "CardsObjTestFiles.h"

#include <gtest/gtest.h>

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder.AddSet("first.crd", "First", 20);
        Folder.AddSet("second.crd", "Second", 60);
    }

    void Load()
    {
        LoadSettings(Store, {Folder.CardsDir()}, Values, Players, Sets);
    }
    void Save() { SaveSettings(Store, Values, Players, Sets); }

    // Writes values into a key before the program runs.
    template <typename F>
    void Prepare(const char* keyPath, F fill)
    {
        TRegistryKey key(Store);
        ASSERT_TRUE(key.OpenKey(keyPath, true));
        fill(key);
        key.CloseKey();
    }

    TKeyFile Stored() const { return LoadKeyFile(Store.KeyFilePath(GameKeyPath)); }
    std::int32_t IndexOfSet(const std::string& fileName) const
    {
        for (std::size_t i = 0; i < Sets.size(); ++i)
            if (CardSetFileName(Sets[i]) == fileName)
                return std::int32_t(i);
        return -1;
    }

    TCardsTestFolder Folder;
    TKeyStore Store {Folder.Config()};
    TSettings Values;
    TPlayers Players;
    TCardSets Sets;
};

TEST_F(Settings, AFirstRunCreatesTheKeyAndUsesTheDefaults)
{
    Values.PairCount = 44;
    Players[3].Name = "left over";
    Players[4].Score = 9;
    Load();
    EXPECT_TRUE(std::filesystem::exists(Store.KeyFilePath(GameKeyPath)));
    EXPECT_EQ(Values.PairCount, 8);
    EXPECT_TRUE(Values.ComputerPlays);
    EXPECT_TRUE(Values.SoundOn);
    EXPECT_EQ(Values.ComputerLevel, 3);
    EXPECT_EQ(Values.DelayIndex, 3);
    EXPECT_EQ(Values.SelectedCardSet, 0);
    EXPECT_EQ(Values.CardBuilderPath, "");
    EXPECT_TRUE(Values.MotionOn);
    ASSERT_EQ(Sets.size(), 2u);
    EXPECT_EQ(Players[1].Name, "Computer");
    // The names are read without a test for their existence: the first human is
    // nameless until a game is started.
    for (std::size_t i = 2; i <= 5; ++i)
        EXPECT_EQ(Players[i].Name, "") << i;
    for (const TPlayer& p : Players)
        EXPECT_EQ(p.Score, 0);
}

TEST_F(Settings, SavedValuesComeBack)
{
    Load();
    Values.PairCount = 36;
    Values.ComputerPlays = true;
    Values.SoundOn = false;
    Values.ComputerLevel = 10;
    Values.DelayIndex = 8;
    Values.SelectedCardSet = IndexOfSet("second.crd");
    Values.CardBuilderPath = "/opt/tessaly/tessalyx.exe";
    Values.MotionOn = false;
    ApplyPlayerNames(Players, {"Ann", "B \"o\" \\", "", "Di"}, true);
    Save();

    const TKeyFile key = Stored();
    EXPECT_EQ(key.Find("Pairs")->Type, TKeyValueType::DWord);
    EXPECT_EQ(key.Find("Sound")->Number, 0u);
    EXPECT_EQ(key.Find("Cards")->Text, "second.crd");

    TSettings loaded;
    TPlayers names;
    LoadSettings(Store, {Folder.CardsDir()}, loaded, names, Sets);
    EXPECT_EQ(loaded.PairCount, 36);
    EXPECT_FALSE(loaded.SoundOn);
    EXPECT_EQ(loaded.ComputerLevel, 10);
    EXPECT_EQ(loaded.DelayIndex, 8);
    EXPECT_EQ(CardSetFileName(Sets[loaded.SelectedCardSet]), "second.crd");
    EXPECT_EQ(loaded.CardBuilderPath, "/opt/tessaly/tessalyx.exe");
    EXPECT_FALSE(loaded.MotionOn);
    EXPECT_EQ(names[2].Name, "Ann");
    EXPECT_EQ(names[3].Name, "B \"o\" \\");
    EXPECT_EQ(names[4].Name, "");
    EXPECT_EQ(names[5].Name, "Di");
}

TEST_F(Settings, TheLanguageChoiceIsReadBeforeTheWindowsAndSystemReplacesAStoredOne)
{
    EXPECT_EQ(ReadLanguageSetting(Store), "");
    Load();
    Values.Language = "pt_BR";
    Save();
    EXPECT_EQ(ReadLanguageSetting(Store), "pt_BR");
    TSettings loaded;
    TPlayers names;
    LoadSettings(Store, {Folder.CardsDir()}, loaded, names, Sets);
    EXPECT_EQ(loaded.Language, "pt_BR");

    Values.Language = ""; // "System"
    Save();
    EXPECT_EQ(ReadLanguageSetting(Store), "");
}

TEST_F(Settings, WithoutTheComputerTheNamesFillTheFirstRecords)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) {
        key.WriteInteger("Computer", 0);
        key.WriteString("Player1", "Ann");
        key.WriteString("Player2", "Bo");
        key.WriteString("Player3", "Cy");
        key.WriteString("Player4", "Di");
    });
    Load();
    EXPECT_FALSE(Values.ComputerPlays);
    EXPECT_EQ(Players[1].Name, "Ann");
    EXPECT_EQ(Players[4].Name, "Di");
    EXPECT_EQ(Players[5].Name, "");

    Players[1].Name = "Anna";
    Players[5].Name = "never saved";
    Save();
    EXPECT_EQ(Stored().Find("Player1")->Text, "Anna");
    EXPECT_EQ(Stored().Find("Player4")->Text, "Di");

    // The computer switched on between runs: the names move one record on.
    Values.ComputerPlays = true;
    Players[2].Name = "Anna";
    Players[3].Name = "Bo";
    Players[4].Name = "Cy";
    Players[5].Name = "Di";
    Save();
    Load();
    EXPECT_EQ(Players[1].Name, "Computer");
    EXPECT_EQ(Players[2].Name, "Anna");
    EXPECT_EQ(Players[5].Name, "Di");
}

TEST_F(Settings, AnUnknownSetNameSelectsTheFirstSetAndIsReplacedOnSave)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) { key.WriteString("Cards", "gone.crd"); });
    Load();
    EXPECT_EQ(Values.SelectedCardSet, 0);
    Save();
    EXPECT_EQ(Stored().Find("Cards")->Text, CardSetFileName(Sets[0]));
}

TEST_F(Settings, AStringOfTheExpandableKindIsTakenAsStored)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) {
        key.WriteExpandString("Cards", "second.crd");
        key.WriteExpandString("CardBuilder", "%HOME%/t.exe");
    });
    Load();
    EXPECT_EQ(CardSetFileName(Sets[Values.SelectedCardSet]), "second.crd");
    EXPECT_EQ(Values.CardBuilderPath.substr(0, 6), "%HOME%");
}

TEST_F(Settings, AValueOfTheWrongTypeStopsTheReading)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) {
        key.WriteInteger("Pairs", 20);
        key.WriteInteger("Computer", 0);
        key.WriteInteger("Sound", 0);
        key.WriteString("Level", "7");
        key.WriteInteger("Delay", 1);
        key.WriteString("Cards", "second.crd");
        key.WriteString("CardBuilder", "/x/y.exe");
        key.WriteString("Player1", "Ann");
    });
    Prepare(InstallKeyPath, [](TRegistryKey& key) { key.WriteString("Tessaly", "/opt/tessaly/"); });
    Load();
    EXPECT_EQ(Values.PairCount, 20);
    EXPECT_FALSE(Values.ComputerPlays);
    EXPECT_FALSE(Values.SoundOn);
    EXPECT_EQ(Values.ComputerLevel, 3);
    EXPECT_EQ(Values.DelayIndex, 3);
    EXPECT_EQ(Values.SelectedCardSet, 0);
    EXPECT_EQ(Values.CardBuilderPath, ""); // the Install key was not consulted
    EXPECT_EQ(Players[1].Name, "Computer");
    EXPECT_EQ(Players[2].Name, "Player");
    EXPECT_EQ(Sets.size(), 2u); // the catalogue is still built
}

TEST_F(Settings, ASetNameReadBeforeAWrongTypeIsHonoured)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) {
        key.WriteString("Cards", "second.crd");
        key.WriteInteger("CardBuilder", 1);
        key.WriteString("Player1", "Ann");
    });
    Load();
    EXPECT_EQ(CardSetFileName(Sets[Values.SelectedCardSet]), "second.crd");
    EXPECT_EQ(Players[2].Name, "Player");
}

TEST_F(Settings, TheEditorIsFoundThroughTheInstallKeyWhenItsPathNamesNoFile)
{
    Prepare(InstallKeyPath, [](TRegistryKey& key) { key.WriteString("Tessaly", "/opt/tessaly/"); });
    Load();
    EXPECT_EQ(Values.CardBuilderPath, "/opt/tessaly/tessalyx.exe");

    Prepare(GameKeyPath, [](TRegistryKey& key) { key.WriteString("CardBuilder", "/no/such/file.exe"); });
    Load();
    EXPECT_EQ(Values.CardBuilderPath, "/opt/tessaly/tessalyx.exe");

    const std::string existing = (Folder.Cards() / "first.crd").string();
    Prepare(GameKeyPath, [&](TRegistryKey& key) { key.WriteString("CardBuilder", existing); });
    Load();
    EXPECT_EQ(Values.CardBuilderPath, existing);
}

TEST_F(Settings, AnEmptyEditorPathIsNotSaved)
{
    Prepare(GameKeyPath, [](TRegistryKey& key) { key.WriteString("CardBuilder", "/kept.exe"); });
    Load();
    Values.CardBuilderPath.clear();
    Save();
    EXPECT_EQ(Stored().Find("CardBuilder")->Text, "/kept.exe");
}

TEST_F(Settings, WithoutCardSetsOnlyTheNumbersAreSaved)
{
    std::filesystem::remove_all(Folder.Cards());
    Load();
    EXPECT_TRUE(Sets.empty());
    Values.PairCount = 12;
    Values.CardBuilderPath = "/t.exe";
    Players[2].Name = "Ann";
    Save();
    const TKeyFile key = Stored();
    EXPECT_EQ(key.Find("Pairs")->Number, 12u);
    EXPECT_NE(key.Find("Delay"), nullptr);
    EXPECT_EQ(key.Find("Cards"), nullptr);
    EXPECT_EQ(key.Find("CardBuilder"), nullptr);
    EXPECT_EQ(key.Find("Player1"), nullptr);
}

TEST_F(Settings, ADamagedKeyGivesDefaultsAndIsReplacedOnlyBySaving)
{
    const std::filesystem::path file = Store.KeyFilePath(GameKeyPath);
    std::filesystem::create_directories(file.parent_path());
    const std::string garbage = "REGEDIT4\n[HKEY_CURRENT_USER\\x]\n\"Pairs\"=dword:0000001\n\"Level\"=";
    std::ofstream(file, std::ios::binary) << garbage;
    Load();
    EXPECT_EQ(Values.PairCount, 8);
    EXPECT_EQ(Values.ComputerLevel, 3);
    EXPECT_NE(LoadKeyFile(Store.KeyFilePath(InstallKeyPath)).KeyPath, ""); // Install key made
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage); // left as it was
    Values.PairCount = 16;
    Save();
    EXPECT_EQ(Stored().Find("Pairs")->Number, 16u);
}

} // namespace
