// Linked into every test program: the tests run in a home of their own, so
// a test that forgets its private folders (PrivateFolders.h) can neither
// read nor move the developer's settings, saved game or records, and fails.
//
// HOME points at a fresh folder holding canary files where the program keeps
// its settings, saved game and records; XDG_CONFIG_HOME, XDG_STATE_HOME and
// XDG_DATA_HOME are unset so that they fall back under it, and
// XDG_RUNTIME_DIR is a folder of its own. The canary saved game is damaged,
// so a start-up that reads it moves it aside. When the program ends, the
// program's files there must be exactly the canaries, unchanged.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Every file or folder whose path names the program's maker, with the
// content of files. Other programs' files (font caches, accessibility buses)
// may come and go.
std::map<std::string, std::string> ProgramFiles(const fs::path& root)
{
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().lexically_relative(root).string();
        if (name.find("Orvane") == std::string::npos)
            continue;
        std::string content = "(folder)";
        if (it->is_regular_file(ec)) {
            std::ifstream in(it->path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            content = bytes.str();
        } else if (!it->is_directory(ec)) {
            content = "(not a file)";
        }
        files[name] = content;
    }
    return files;
}

void WriteCanary(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

class THomeGuard : public testing::Environment {
public:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kobalind-test-home-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        Root = pattern;
        const fs::path home = Root / "home";
        const fs::path program = "Orvane";
        WriteCanary(home / ".config" / program / "Orvane Kobalind.reg", "canary settings\n");
        WriteCanary(home / ".local" / "state" / program / "Orvane Kobalind" / "game", "canary saved game\n");
        WriteCanary(home / ".local" / "state" / program / "Orvane Kobalind" / "records", "canary records\n");
        fs::create_directories(home / ".local" / "share" / program);
        fs::create_directories(Root / "runtime");
        fs::permissions(Root / "runtime", fs::perms::owner_all, fs::perm_options::replace);
        Canaries = ProgramFiles(Root);

        // Font and shader caches stay where they are; the program keeps none.
        const char* realHome = std::getenv("HOME");
        if (realHome && !std::getenv("XDG_CACHE_HOME"))
            ::setenv("XDG_CACHE_HOME", (fs::path(realHome) / ".cache").c_str(), 1);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (Root / "runtime").c_str(), 1);
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            ::unsetenv(variable);
    }

    void TearDown() override
    {
        const std::map<std::string, std::string> now = ProgramFiles(Root);
        std::string changed;
        for (const auto& [name, content] : now)
            if (!Canaries.count(name) || Canaries.at(name) != content)
                changed += "\n  " + name + (Canaries.count(name) ? " (changed)" : " (new)");
        for (const auto& [name, content] : Canaries)
            if (!now.count(name))
                changed += "\n  " + name + " (gone)";
        EXPECT_TRUE(changed.empty()) << "A test used the user's own folders (here a stand-in home, " << Root
                                     << ") instead of private ones:" << changed;
        std::error_code ec;
        fs::remove_all(Root, ec);
    }

private:
    fs::path Root;
    std::map<std::string, std::string> Canaries;
};

const testing::Environment* const HomeGuard = testing::AddGlobalTestEnvironment(new THomeGuard);

} // namespace
