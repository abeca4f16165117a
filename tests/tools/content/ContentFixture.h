#pragma once
// Runs skinmaker into temporary folders, so the tests look at exactly what
// the build ships. ctest runs each test in its own process, in parallel:
// every process writes folders of its own and removes them when it ends.

#include "../CommandTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path RunSkinmaker(const std::string& folder)
{
    const std::filesystem::path out = TestPath(folder);
    std::filesystem::remove_all(out);
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + SKINMAKER_PATH + "' '" + out.string() + "'";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "skinmaker failed: " << command;
    return out;
}

// The content folder of this test process, made on first use.
inline const std::filesystem::path& ContentDir()
{
    static const std::filesystem::path dir = RunSkinmaker("content-a");
    return dir;
}
