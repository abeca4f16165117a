// The key store over real files: where keys live, typed reads, when files are
// written, and that a damaged file or a killed writer never costs the key.

#include "platform/KeyStore.h"
#include "platform/PlatformError.h"

#include "KillWhileWriting.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string GameKey = "Software\\Orvane\\Orvane Kobalind";

std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string InvalidTypeMessage(const std::function<void()>& read)
{
    try {
        read();
    } catch (const EPlatformError& e) {
        return e.what();
    }
    return "no error";
}

class KeyStore : public ::testing::Test {
protected:
    TTempFolder Folder;
    TKeyStore Store {Folder.Path};
    std::filesystem::path GameFile = Folder.Path / "Software" / "Orvane" / "Orvane Kobalind.reg";
};

TEST_F(KeyStore, KeyFilesMirrorTheKeyPath)
{
    EXPECT_EQ(Store.KeyFilePath(GameKey), GameFile);
    EXPECT_EQ(Store.KeyFilePath("Software\\Orvane\\Install\\"), Folder.Path / "Software" / "Orvane" / "Install.reg");
    for (const char* bad : {"", "\\\\", "Software\\..\\x", "Software\\.", "a/b\\c"})
        EXPECT_THROW(Store.KeyFilePath(bad), EPlatformError) << bad;
}

TEST_F(KeyStore, TheUsersStoreFollowsXdgConfigHome)
{
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldConfig ? oldConfig : "";
    ::setenv("XDG_CONFIG_HOME", Folder.Path.c_str(), 1);
    EXPECT_EQ(TKeyStore::ForCurrentUser().RootFolder(), Folder.Path);
    ::setenv("XDG_CONFIG_HOME", "relative/dir", 1); // not absolute: ignored
    const char* home = std::getenv("HOME");
    if (home) {
        EXPECT_EQ(TKeyStore::ForCurrentUser().RootFolder(), std::filesystem::path(home) / ".config");
    }
    if (oldConfig)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(KeyStore, AMissingKeyOpensOnlyWhenItMayBeCreated)
{
    TRegistryKey key(Store);
    EXPECT_FALSE(key.OpenKey(GameKey, false));
    EXPECT_FALSE(std::filesystem::exists(GameFile));
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    EXPECT_TRUE(std::filesystem::exists(GameFile));
    EXPECT_TRUE(LoadKeyFile(GameFile).Values.empty());
    EXPECT_EQ(LoadKeyFile(GameFile).KeyPath, GameKey);
    key.CloseKey();
    EXPECT_TRUE(key.OpenKey(GameKey, false));
}

TEST_F(KeyStore, ValuesKeepTheirTypes)
{
    {
        TRegistryKey key(Store);
        ASSERT_TRUE(key.OpenKey(GameKey, true));
        key.WriteInteger("Pairs", -5);
        key.WriteBool("Sound", true);
        key.WriteString("Cards", "x.crd");
        key.WriteExpandString("CardBuilder", "%HOME%/t");
        key.CloseKey();
    }
    TRegistryKey key(Store);
    ASSERT_TRUE(key.OpenKey(GameKey, false));
    EXPECT_EQ(key.ReadInteger("Pairs"), -5);
    EXPECT_TRUE(key.ReadBool("sound"));
    EXPECT_EQ(key.ReadString("Cards"), "x.crd");
    EXPECT_EQ(key.ReadString("CardBuilder"), "%HOME%/t"); // as stored, not expanded
    EXPECT_EQ(key.ReadString("Player1"), "");               // missing string: empty

    EXPECT_EQ(InvalidTypeMessage([&] { key.ReadString("Pairs"); }), "Invalid data type for 'Pairs'");
    EXPECT_EQ(InvalidTypeMessage([&] { key.ReadInteger("Cards"); }), "Invalid data type for 'Cards'");
    EXPECT_EQ(InvalidTypeMessage([&] { key.ReadInteger("Level"); }), "Invalid data type for 'Level'");
}

TEST_F(KeyStore, OtherTypesReadAsTheWrongTypeAndSurviveARewrite)
{
    WriteText(GameFile, "REGEDIT4\n[HKEY_CURRENT_USER\\" + GameKey + "]\n\"Blob\"=hex:01,02\n");
    TRegistryKey key(Store);
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    EXPECT_TRUE(key.ValueExists("Blob"));
    EXPECT_THROW(key.ReadInteger("Blob"), EPlatformError);
    EXPECT_THROW(key.ReadString("Blob"), EPlatformError);
    key.WriteInteger("Pairs", 8);
    key.CloseKey();
    EXPECT_NE(ReadText(GameFile).find("\"Blob\"=hex:01,02"), std::string::npos);
}

TEST_F(KeyStore, WritesReachTheFileWhenTheKeyCloses)
{
    WriteText(GameFile, "REGEDIT4\n[HKEY_CURRENT_USER\\" + GameKey + "]\n\"Level\"=dword:00000007\n");
    const std::string before = ReadText(GameFile);
    TRegistryKey key(Store);
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    key.WriteInteger("Pairs", 12);
    EXPECT_EQ(ReadText(GameFile), before);
    key.CloseKey();
    const TKeyFile saved = LoadKeyFile(GameFile);
    ASSERT_NE(saved.Find("Level"), nullptr); // a value not written stays
    EXPECT_EQ(saved.Find("Level")->Number, 7u);
    EXPECT_EQ(saved.Find("Pairs")->Number, 12u);
    // Only the key file itself is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GameFile.parent_path()), {}), 1);
    EXPECT_THROW(key.WriteInteger("Pairs", 1), EPlatformError); // closed
}

TEST_F(KeyStore, ADamagedFileReadsAsEmptyAndIsOnlyReplacedByAWrite)
{
    const std::string garbage = "REGEDIT4\n[HKEY_CURRENT_USER\\" + GameKey + "]\n\"Pairs\"=dword:zz\n\"Level\"=dw";
    WriteText(GameFile, garbage);
    TRegistryKey key(Store);
    EXPECT_FALSE(key.OpenKey(GameKey, false));
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    EXPECT_FALSE(key.ValueExists("Pairs"));
    EXPECT_EQ(key.ReadString("Cards"), "");
    key.CloseKey();
    EXPECT_EQ(ReadText(GameFile), garbage);

    ASSERT_TRUE(key.OpenKey(GameKey, true));
    key.WriteInteger("Delay", 2);
    key.CloseKey();
    const TKeyFile saved = LoadKeyFile(GameFile);
    ASSERT_EQ(saved.Values.size(), 1u);
    EXPECT_EQ(saved.Values[0].Name, "Delay");
}

TEST_F(KeyStore, AnOversizedFileIsDamaged)
{
    WriteText(GameFile, "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n" + std::string(MaxKeyFileSize, ';'));
    EXPECT_THROW(LoadKeyFile(GameFile), EPlatformError);
    TRegistryKey key(Store);
    EXPECT_FALSE(key.OpenKey(GameKey, false));
}

TEST_F(KeyStore, AFailedSaveReportsAndLeavesWhatWasThere)
{
    // A folder where the key file should be: it can be neither read nor replaced.
    std::filesystem::create_directories(GameFile / "inside");
    TRegistryKey key(Store);
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    key.WriteInteger("Pairs", 8);
    EXPECT_THROW(key.CloseKey(), EPlatformError);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_TRUE(std::filesystem::is_directory(GameFile / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GameFile.parent_path()), {}), 1);
}

// A writer killed between creating its temporary file and renaming it leaves
// the file behind; the next save of that key removes it, but never one that
// a live writer holds, nor a file of another name.
TEST_F(KeyStore, ASaveRemovesTheTemporaryFilesOfKilledWritersOnly)
{
    const std::filesystem::path folder = GameFile.parent_path();
    const std::filesystem::path stale = folder / ".Orvane Kobalind.reg.a1B2c3";
    const std::filesystem::path held = folder / ".Orvane Kobalind.reg.LiVe99";
    const std::filesystem::path others[] = {folder / ".Orvane Kobalind.reg.tmp", folder / ".Install.reg.a1B2c3",
                                            folder / ".Orvane Kobalind.reg.a1B2c3d"};
    for (const auto& file : {stale, held, others[0], others[1], others[2]})
        WriteText(file, "half a key");
    const int writer = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    TRegistryKey key(Store);
    ASSERT_TRUE(key.OpenKey(GameKey, true));
    key.WriteInteger("Pairs", 8);
    EXPECT_TRUE(key.CloseKey().Durable);
    ::close(writer);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(held));
    for (const auto& file : others)
        EXPECT_TRUE(std::filesystem::exists(file)) << file;
}

// A folder that cannot be opened cannot be flushed: the save has replaced
// the file all the same, and says that it is not sure to be on the disk.
// (Root may open any folder, so the writer runs as nobody.)
TEST_F(KeyStore, ASaveWhoseFolderCannotBeFlushedReplacesTheFileAndSaysSo)
{
    const std::filesystem::path folder = Folder.Path / "keys";
    const std::filesystem::path file = folder / "k.reg";
    WriteText(file, "old");
    std::filesystem::permissions(Folder.Path, std::filesystem::perms(0711));
    std::filesystem::permissions(folder, std::filesystem::perms(0333)); // no reading the folder
    TKeyFile written;
    written.KeyPath = "K";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(3);
        try {
            const TWriteOutcome outcome = SaveKeyFile(file, written);
            ::_exit(outcome.Durable ? 0 : outcome.Warning.find("k.reg was replaced") != std::string::npos ? 1 : 4);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "0: durable, 2: reported as failed, 3: no user to run as, 4: wrong warning";
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(LoadKeyFile(file).KeyPath, "K"); // the new file, not "old"
}

// A writer killed at random moments must leave a key that is whole: either an
// earlier save or a later one, never a mix or a torn file.
TEST_F(KeyStore, AKillMidWriteLeavesTheOldOrTheNewFile)
{
    const std::string padding(3000, 'p');
    const auto save = [&](std::int32_t i) {
        TRegistryKey key(Store);
        if (!key.OpenKey(GameKey, true))
            return false;
        key.WriteInteger("First", i);
        key.WriteString("Middle", padding + std::to_string(i));
        key.WriteInteger("Last", i);
        try {
            key.CloseKey();
        } catch (...) {
            return false;
        }
        return true;
    };
    KillWhileWriting(save, [&]() {
        const TKeyFile key = LoadKeyFile(GameFile); // throws if torn
        ASSERT_EQ(key.Values.size(), 3u);
        const std::uint32_t first = key.Find("First")->Number;
        EXPECT_GE(first, 1u);
        EXPECT_EQ(key.Find("Last")->Number, first);
        EXPECT_EQ(key.Find("Middle")->Text, padding + std::to_string(first));
    });
}

} // namespace
