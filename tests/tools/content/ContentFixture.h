#pragma once
// Runs skinmaker once per test program into a temporary folder, so the
// tests look at exactly what the build ships.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path RunSkinmaker(const std::string& folder)
{
    const std::filesystem::path out = std::filesystem::path(testing::TempDir()) / folder;
    std::filesystem::remove_all(out);
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + SKINMAKER_PATH + "' '" + out.string() + "'";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "skinmaker failed: " << command;
    return out;
}

// The content folder of this test run, made on first use.
inline const std::filesystem::path& ContentDir()
{
    static const std::filesystem::path dir = RunSkinmaker("content-a");
    return dir;
}
