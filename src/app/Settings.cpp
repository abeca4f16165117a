#include "app/Settings.h"

#include "platform/PlatformError.h"
#include "platform/Translate.h"

#include <filesystem>
#include <system_error>
#include <variant>

namespace {

// The remembered card set is stored by its file name, not by its index.
struct TCardsName {};

using TField = std::variant<std::int32_t TSettings::*, bool TSettings::*, std::string TSettings::*, TCardsName>;

struct TSettingDef {
    const char* ValueName;
    TField Field;
    std::int32_t DefaultNumber; // numbers and flags
    const char* DefaultText;    // strings
};

// Every stored setting, in reading and writing order.
const TSettingDef SettingDefs[] = {
    {"Pairs", &TSettings::PairCount, 8, nullptr},
    {"Computer", &TSettings::ComputerPlays, 1, nullptr},
    {"Sound", &TSettings::SoundOn, 1, nullptr},
    {"Level", &TSettings::ComputerLevel, 3, nullptr},
    {"Delay", &TSettings::DelayIndex, 3, nullptr},
    {"Language", &TSettings::Language, 0, ""},
    {"Cards", TCardsName {}, 0, ""},
    {"CardBuilder", &TSettings::CardBuilderPath, 0, ""},
    {"Motion", &TSettings::MotionOn, 1, nullptr},
};

// The four stored names; with the computer playing they belong to records 2..5.
const char* const PlayerValueNames[] = {"Player1", "Player2", "Player3", "Player4"};

constexpr const char* CardBuilderFolderValue = "Tessaly";
constexpr const char* CardBuilderProgram = "tessalyx.exe";

std::size_t FirstNameRecord(bool computerPlays) { return computerPlays ? 2 : 1; }

void ApplyDefaults(TSettings& settings, TPlayers& players, std::string& cardsName)
{
    for (TPlayer& p : players)
        p = TPlayer();
    for (const TSettingDef& def : SettingDefs) {
        if (auto number = std::get_if<std::int32_t TSettings::*>(&def.Field))
            settings.*(*number) = def.DefaultNumber;
        else if (auto flag = std::get_if<bool TSettings::*>(&def.Field))
            settings.*(*flag) = def.DefaultNumber != 0;
        else if (auto text = std::get_if<std::string TSettings::*>(&def.Field))
            settings.*(*text) = def.DefaultText;
        else
            cardsName = def.DefaultText;
    }
    settings.SelectedCardSet = 0;
    players[1].Name = Tr("Players", "Computer");
    players[2].Name = Tr("Players", "Player");
}

// Reads the values that exist, in table order, then the four names. Throws
// EPlatformError at the first value of the wrong type.
void ReadGameKey(const TRegistryKey& key, TSettings& settings, TPlayers& players, std::string& cardsName)
{
    for (const TSettingDef& def : SettingDefs) {
        if (!key.ValueExists(def.ValueName))
            continue;
        if (auto number = std::get_if<std::int32_t TSettings::*>(&def.Field))
            settings.*(*number) = key.ReadInteger(def.ValueName);
        else if (auto flag = std::get_if<bool TSettings::*>(&def.Field))
            settings.*(*flag) = key.ReadBool(def.ValueName);
        else if (auto text = std::get_if<std::string TSettings::*>(&def.Field))
            settings.*(*text) = key.ReadString(def.ValueName);
        else
            cardsName = key.ReadString(def.ValueName);
    }
    const std::size_t first = FirstNameRecord(settings.ComputerPlays);
    for (std::size_t i = 0; i < std::size(PlayerValueNames); ++i)
        players[first + i].Name = key.ReadString(PlayerValueNames[i]);
}

bool IsExistingFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void FindCardBuilder(const TKeyStore& store, TSettings& settings)
{
    if (IsExistingFile(settings.CardBuilderPath))
        return;
    TRegistryKey install(store);
    if (install.OpenKey(InstallKeyPath, true) && install.ValueExists(CardBuilderFolderValue))
        settings.CardBuilderPath = install.ReadString(CardBuilderFolderValue) + CardBuilderProgram;
    install.CloseKey();
}

void WriteGameKey(TRegistryKey& key, const TSettings& settings, const TPlayers& players, const TCardSets& cardSets)
{
    for (const TSettingDef& def : SettingDefs) {
        if (auto number = std::get_if<std::int32_t TSettings::*>(&def.Field)) {
            key.WriteInteger(def.ValueName, settings.*(*number));
        } else if (auto flag = std::get_if<bool TSettings::*>(&def.Field)) {
            key.WriteBool(def.ValueName, settings.*(*flag));
        } else if (auto text = std::get_if<std::string TSettings::*>(&def.Field)) {
            // An empty editor path is not stored, so a stored one survives;
            // an empty language ("System") replaces a stored one.
            if (!(settings.*(*text)).empty() || *text == &TSettings::Language)
                key.WriteString(def.ValueName, settings.*(*text));
        } else {
            const std::int32_t index = settings.SelectedCardSet;
            if (index < 0 || index >= static_cast<std::int32_t>(cardSets.size()))
                throw EPlatformError("No card set to remember");
            key.WriteString(def.ValueName, CardSetFileName(cardSets[index]));
        }
    }
    const std::size_t first = FirstNameRecord(settings.ComputerPlays);
    for (std::size_t i = 0; i < std::size(PlayerValueNames); ++i)
        key.WriteString(PlayerValueNames[i], players[first + i].Name);
}

} // namespace

void LoadSettings(const TKeyStore& store, const std::vector<std::string>& cardsDirs, TSettings& settings,
                  TPlayers& players, TCardSets& cardSets)
{
    std::string cardsName;
    ApplyDefaults(settings, players, cardsName);
    try {
        TRegistryKey key(store);
        if (key.OpenKey(GameKeyPath, true))
            ReadGameKey(key, settings, players, cardsName);
        key.CloseKey();
        FindCardBuilder(store, settings);
    } catch (const EPlatformError&) {
        // A value of the wrong type: what was read before it stays.
    }
    settings.SelectedCardSet = BuildCardSets(cardsDirs, cardsName, cardSets);
}

std::string ReadLanguageSetting(const TKeyStore& store)
{
    try {
        TRegistryKey key(store);
        if (key.OpenKey(GameKeyPath, false) && key.ValueExists("Language"))
            return key.ReadString("Language");
    } catch (const EPlatformError&) {
    }
    return "";
}

void SaveSettings(const TKeyStore& store, const TSettings& settings, const TPlayers& players,
                  const TCardSets& cardSets)
{
    try {
        TRegistryKey key(store);
        if (!key.OpenKey(GameKeyPath, true))
            return;
        try {
            WriteGameKey(key, settings, players, cardSets);
        } catch (const EPlatformError&) {
            // Ends the writing; what was written is still saved below.
        }
        key.CloseKey(); // a save not confirmed on the disk is as silent as a failed one
    } catch (const EPlatformError&) {
    }
}
