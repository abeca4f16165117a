// Splitting registered commands and desktop Exec lines into program and
// arguments, and finding a handler's desktop entry.

#include "platform/ShellCommand.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct TEnv {
    TEnv(const char* name, const std::string& value) : Name(name) { ::setenv(name, value.c_str(), 1); }
    ~TEnv() { ::unsetenv(Name); }
    const char* Name;
};

TEST(ShellCommand, SplitsRegisteredCommands)
{
    TEnv dir("KOBALIND_TEST_DIR", "C:\\Tools");
    const struct {
        const char* Command;
        const char* Program;
        const char* Arguments;
    } rows[] = {
        // A quoted program path, an option and the quoted placeholder.
        {"\"C:\\Program Files\\Browser\\browser.exe\" -new \"%1\"", "C:\\Program Files\\Browser\\browser.exe", "-new"},
        // Only the quoted placeholder: no arguments, the link alone follows.
        {"\"C:\\Browser\\BROWSER.EXE\" \"%1\"", "C:\\Browser\\BROWSER.EXE", ""},
        {"C:\\mail\\mail.exe /mailurl:%1", "C:\\mail\\mail.exe", "/mailurl:"},
        {"run.Bat %1 -x", "run.Bat", "-x"},
        {"c:\\x.com\\tool.exe -a %L %*", "c:\\x.com\\tool.exe", "-a"},
        {"prog.com", "prog.com", ""},
        {"%KOBALIND_TEST_DIR%\\b.exe -n", "C:\\Tools\\b.exe", "-n"},
        {"%KOBALIND_NO_SUCH_VAR%\\b.exe", "%KOBALIND_NO_SUCH_VAR%\\b.exe", ""},
        // Exec lines name no extension: the program is the first word.
        {"/usr/lib/firefox-esr/firefox-esr %u", "/usr/lib/firefox-esr/firefox-esr", ""},
        {"thunderbird -compose %u", "thunderbird", "-compose"},
        {"\"/opt/My Browser/run\" --new-window %U", "/opt/My Browser/run", "--new-window"},
        {"env GDK_BACKEND=x11 app %u", "env", "GDK_BACKEND=x11 app"},
        {"  browser  ", "browser", ""},
        {"\"/opt/unclosed quote", "/opt/unclosed quote", ""},
    };
    for (const auto& row : rows) {
        std::string program = "old";
        std::string arguments = "old";
        EXPECT_TRUE(ParseShellCommand(row.Command, program, arguments)) << row.Command;
        EXPECT_EQ(program, row.Program) << row.Command;
        EXPECT_EQ(arguments, row.Arguments) << row.Command;
    }
}

TEST(ShellCommand, RefusesEmptyAndOverlongPrograms)
{
    TEnv longDir("KOBALIND_TEST_LONG", std::string(300, 'x'));
    for (const char* command : {"", "   ", "\"", "%KOBALIND_TEST_LONG%\\b.exe -n"}) {
        std::string program = "old";
        std::string arguments = "old";
        EXPECT_FALSE(ParseShellCommand(command, program, arguments)) << command;
        EXPECT_EQ(program, "");
        EXPECT_EQ(arguments, "");
    }
}

TEST(ShellCommand, ExpandsOnlyKnownReferences)
{
    TEnv a("KOBALIND_TEST_A", "1");
    EXPECT_EQ(ExpandEnvironmentRefs("%KOBALIND_TEST_A%%KOBALIND_TEST_A%"), "11");
    EXPECT_EQ(ExpandEnvironmentRefs("50%KOBALIND_TEST_A%"), "501");
    EXPECT_EQ(ExpandEnvironmentRefs("a%%b"), "a%%b");
    EXPECT_EQ(ExpandEnvironmentRefs("%nope%KOBALIND_TEST_A%"), "%nope1");
    EXPECT_EQ(ExpandEnvironmentRefs("tail%"), "tail%");
}

TEST(ShellCommand, ReadsTheExecOfTheDesktopEntryGroup)
{
    EXPECT_EQ(DesktopEntryExec("[Desktop Action new]\nExec=wrong\n"
                               "[Desktop Entry]\n# Exec=comment\nName=Browser\nExec[de]=lokal\n"
                               "Exec = /opt/web\\sbrowser\\\\x %u\r\n"
                               "[Other]\nExec=later\n"),
              "/opt/web browser\\x %u");
    EXPECT_EQ(DesktopEntryExec("[Desktop Entry]\nName=x\n"), "");
    EXPECT_EQ(DesktopEntryExec("Exec=outside any group\n"), "");
}

TEST(ShellCommand, FindsDesktopEntriesInTheirFolders)
{
    TTempFolder first;
    TTempFolder second;
    std::filesystem::create_directories(second.Path / "kde");
    std::ofstream(second.Path / "mail.desktop") << "[Desktop Entry]\n";
    std::ofstream(second.Path / "kde" / "web.desktop") << "[Desktop Entry]\n";
    std::ofstream(first.Path / "mail.desktop") << "[Desktop Entry]\n";
    const std::vector<std::string> folders = {first.Path.string(), second.Path.string()};
    EXPECT_EQ(FindDesktopEntryFile("mail.desktop", folders), (first.Path / "mail.desktop").string());
    EXPECT_EQ(FindDesktopEntryFile("kde-web.desktop", folders), (second.Path / "kde" / "web.desktop").string());
    EXPECT_EQ(FindDesktopEntryFile("none.desktop", folders), "");
    EXPECT_EQ(FindDesktopEntryFile("../mail.desktop", folders), "");
    EXPECT_EQ(FindDesktopEntryFile("..", folders), "");
}

TEST(ShellCommand, DesktopFoldersComeFromTheEnvironment)
{
    TEnv home("XDG_DATA_HOME", "/home/u/data");
    TEnv dirs("XDG_DATA_DIRS", "/a:relative::/b");
    EXPECT_EQ(DesktopEntryFolders(), (std::vector<std::string> {"/home/u/data/applications", "/a/applications",
                                                                "/b/applications"}));
}

} // namespace
