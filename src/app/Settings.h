#pragma once
// The settings kept between runs, over the key store (platform/KeyStore.h):
// the game's key "Software\Orvane\Orvane Kobalind" and the maker's shared
// "Software\Orvane\Install\" key, each a key file under $XDG_CONFIG_HOME.
// Every stored setting is declared once, in Settings.cpp's table, with its
// value name, type and default; loading and saving walk that table.
//
// Neither call reports anything or throws: a value of the wrong type stops
// the reading silently (that value and all after it keep their defaults),
// and an error while writing ends the writing (values written before it are
// saved).

#include "app/CardsObj.h"
#include "game/Settings.h"
#include "platform/KeyStore.h"

#include <string>
#include <vector>

inline constexpr const char* GameKeyPath = "Software\\Orvane\\Orvane Kobalind";
inline constexpr const char* InstallKeyPath = "Software\\Orvane\\Install\\";

// Empties the five names and scores, applies the defaults, reads the game's
// key, finds the card-set editor through the Install key when the stored
// path names no file, then builds cardSets from cardsDirs (BuildCardSets:
// the program's folder first, then the user's) and selects the remembered
// set (settings.SelectedCardSet, 0 when none matches).
void LoadSettings(const TKeyStore& store, const std::vector<std::string>& cardsDirs, TSettings& settings,
                  TPlayers& players, TCardSets& cardSets);

// The stored language choice alone, read before any window exists; "" when
// there is none or it cannot be read.
std::string ReadLanguageSetting(const TKeyStore& store);

// Writes the settings into the game's key (creating it). With an empty
// catalogue (or a selection outside it) the "Cards" value cannot be formed:
// "Pairs" to "Language" are written and nothing after them.
void SaveSettings(const TKeyStore& store, const TSettings& settings, const TPlayers& players,
                  const TCardSets& cardSets);
