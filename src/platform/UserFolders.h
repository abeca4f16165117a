#pragma once
// The current user's folders from the XDG base directory variables: an
// absolute $XDG_CONFIG_HOME, $XDG_STATE_HOME or $XDG_DATA_HOME, otherwise
// ~/.config, ~/.local/state or ~/.local/share ($HOME, else the password
// database, else /tmp).

#include <filesystem>

std::filesystem::path UserConfigFolder();
std::filesystem::path UserStateFolder();
std::filesystem::path UserDataFolder();

// Where a game in progress and the record of finished games are kept:
// <state>/Orvane/Orvane Kobalind/game and .../records.
std::filesystem::path SavedGameFile();
std::filesystem::path RecordsFile();

// The card sets the user makes or adds: <data>/Orvane/Orvane Kobalind/cards.
// Not created here; the first set written there creates it.
std::filesystem::path UserCardsFolder();
