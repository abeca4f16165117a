#pragma once
// What the end-to-end tests share about the program itself: where it runs
// from, its main window's title, the skin's picture sizes they aim by, and a
// fresh home (configuration and runtime folders) for each run.

#include "XSession.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

inline const std::string RunDir = KOBALIND_RUN_DIR;
inline const std::string MainTitle = "Orvane Kobalind 2.06";

// A skin picture's size, to aim at controls as the windows lay them out.
std::pair<int, int> SkinPictureSize(std::int32_t entry);

std::string ReadText(const std::filesystem::path& file);

// A temporary folder for the program's own folders (PrivateFolders.h): the
// configuration, state and data folders are left for the program to create.
// Removed again on destruction.
class TFreshHome {
public:
    explicit TFreshHome(const std::string& tag);
    ~TFreshHome();
    TFreshHome(const TFreshHome&) = delete;
    TFreshHome& operator=(const TFreshHome&) = delete;

    const std::filesystem::path& Path() const { return Root; }
    std::filesystem::path SettingsFile() const;
    // Writes the game's settings key before the program starts; values are
    // REGEDIT4 value lines such as "\"Pairs\"=dword:00000008".
    void WriteSettings(const std::string& valueLines) const;
    TEnvironment Environment(const TXSession& session) const;

private:
    std::filesystem::path Root;
};
