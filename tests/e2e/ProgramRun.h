#pragma once
// What the end-to-end tests share about the program itself: where it runs
// from, its main window's title, the skin's picture sizes they aim by, and a
// fresh home (configuration and runtime folders) for each run.

#include "XSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

inline const std::string RunDir = KOBALIND_RUN_DIR;
inline const std::string MainTitle = "Orvane Kobalind 2.06";

// A skin picture's size, to aim at controls as the windows lay them out.
std::pair<int, int> SkinPictureSize(std::int32_t entry);

std::string ReadText(const std::filesystem::path& file);

// How long a start may take to show its first window. A start needs about
// 0.15 s of processor time; its wall time is set by its share of a loaded
// machine: up to 2 s on two cores busy with ten equal jobs, over 30 s when the
// test runs niced below two busy jobs. A hung start still fails, and says so.
inline constexpr std::chrono::seconds StartTimeout {60};

// The window titled so that the just-started program shows. Fails at once when
// the program ends first (with its exit code); after StartTimeout with the
// processor time it used, which tells a start starved by the load (little
// time) from one spinning (much).
::testing::AssertionResult AwaitStartWindow(const TXSession& session, TProcess& program, const std::string& title,
                                            std::string& window);

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
