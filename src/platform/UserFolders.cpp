#include "UserFolders.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace {

std::filesystem::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? user->pw_dir : "/tmp";
    }
    return home;
}

std::filesystem::path XdgFolder(const char* variable, const std::filesystem::path& underHome)
{
    const char* folder = std::getenv(variable);
    if (folder && folder[0] == '/')
        return folder;
    return HomeFolder() / underHome;
}

const std::filesystem::path ProgramFolderName = std::filesystem::path("Orvane") / "Orvane Kobalind";

std::filesystem::path ProgramStateFolder()
{
    return UserStateFolder() / ProgramFolderName;
}

} // namespace

std::filesystem::path UserConfigFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserStateFolder()
{
    return XdgFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
}

std::filesystem::path UserDataFolder()
{
    return XdgFolder("XDG_DATA_HOME", std::filesystem::path(".local") / "share");
}

std::filesystem::path UserCardsFolder()
{
    return UserDataFolder() / ProgramFolderName / "cards";
}

std::filesystem::path SavedGameFile()
{
    return ProgramStateFolder() / "game";
}

std::filesystem::path RecordsFile()
{
    return ProgramStateFolder() / "records";
}
