#pragma once
// The current user's folders from the XDG base directory variables: an
// absolute $XDG_CONFIG_HOME or $XDG_STATE_HOME, otherwise ~/.config or
// ~/.local/state ($HOME, else the password database, else /tmp).

#include <filesystem>

std::filesystem::path UserConfigFolder();
std::filesystem::path UserStateFolder();

// Where a game in progress and the record of finished games are kept:
// <state>/Orvane/Orvane Kobalind/game and .../records.
std::filesystem::path SavedGameFile();
std::filesystem::path RecordsFile();
