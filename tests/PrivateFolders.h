#pragma once
// The user's folders a test or benchmark gives the program: settings, state,
// data and runtime folders of its own under root, never the developer's.
// Only the runtime folder is made (private, as its users expect); the others
// are left for the program to create.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

inline std::map<std::string, std::string> PrivateFolderVariables(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    return {
        {"XDG_CONFIG_HOME", (root / "config").string()},
        {"XDG_STATE_HOME", (root / "state").string()},
        {"XDG_DATA_HOME", (root / "data").string()},
        {"XDG_RUNTIME_DIR", (root / "runtime").string()},
    };
}

// The same folders for this process and the programs it starts.
inline void UsePrivateFolders(const std::filesystem::path& root)
{
    for (const auto& [name, value] : PrivateFolderVariables(root))
        ::setenv(name.c_str(), value.c_str(), 1);
}
