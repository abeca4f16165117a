// The key file text: what it holds, how strings are escaped, and which broken
// files are refused.

#include "platform/KeyFile.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TKeyValue DWord(std::string name, std::uint32_t n) { return {std::move(name), TKeyValueType::DWord, n, {}}; }
TKeyValue Str(std::string name, std::string text) { return {std::move(name), TKeyValueType::String, 0, std::move(text)}; }

TEST(KeyFile, ReadsAnExportOfEveryType)
{
    const TKeyFile key = ParseKeyFile("REGEDIT4\r\n"
                                      "\r\n"
                                      "; written by hand\r\n"
                                      "[HKEY_CURRENT_USER\\Software\\Orvane\\Orvane Kobalind]\r\n"
                                      "\"Pairs\"=dword:0000001E\r\n"
                                      "\"Cards\"=\"animals.crd\"\r\n"
                                      "\"Path\"=hex(2):43,3a,5c,\\\r\n"
                                      "  25,00\r\n"
                                      "\"Blob\"=hex:01,02\r\n"
                                      "@=\"default\"\r\n");
    EXPECT_EQ(key.KeyPath, "Software\\Orvane\\Orvane Kobalind");
    ASSERT_EQ(key.Values.size(), 5u);
    EXPECT_EQ(key.Values[0], DWord("Pairs", 30));
    EXPECT_EQ(key.Values[1], Str("Cards", "animals.crd"));
    EXPECT_EQ(key.Values[2], (TKeyValue {"Path", TKeyValueType::ExpandString, 0, "C:\\%"}));
    EXPECT_EQ(key.Values[3], (TKeyValue {"Blob", TKeyValueType::Other, 0, "hex:01,02"}));
    EXPECT_EQ(key.Values[4], Str("", "default"));
}

TEST(KeyFile, NamesIgnoreCaseAndTheLastOfTwinsWins)
{
    const TKeyFile key = ParseKeyFile("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"Level\"=dword:1\n\"LEVEL\"=dword:2\n");
    ASSERT_EQ(key.Values.size(), 1u);
    EXPECT_EQ(key.Values[0].Number, 2u);
    ASSERT_NE(key.Find("level"), nullptr);
    EXPECT_EQ(key.Find("Pairs"), nullptr);
}

TEST(KeyFile, EscapedTextSurvivesARoundTrip)
{
    TKeyFile key;
    key.KeyPath = "Software\\Orvane\\Orvane Kobalind";
    key.Set(Str("Player1", "say \"hi\"\\ C:\\games\\"));
    key.Set(Str("Player2", "two\nlines\r\n"));
    key.Set(Str("name with \"quote\"", ""));
    key.Set({"Exp", TKeyValueType::ExpandString, 0, "%HOME%\\x\xC3\xA9"});
    key.Set(DWord("Big", 0xFFFFFFFFu));
    key.Set({"Raw", TKeyValueType::Other, 0, "hex(7):41,00,00"});
    const std::string text = FormatKeyFile(key);
    // Every value keeps to one line.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 6);
    const TKeyFile back = ParseKeyFile(text);
    EXPECT_EQ(back.KeyPath, key.KeyPath);
    EXPECT_EQ(back.Values, key.Values);
}

TEST(KeyFile, WritesTheRegedit4Form)
{
    TKeyFile key;
    key.KeyPath = "Software\\Orvane\\Install";
    key.Set(DWord("Sound", 1));
    key.Set(Str("Tessaly", "C:\\Tessaly\\"));
    EXPECT_EQ(FormatKeyFile(key), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Orvane\\Install]\n"
                                  "\"Sound\"=dword:00000001\n\"Tessaly\"=\"C:\\\\Tessaly\\\\\"\n");
}

TEST(KeyFile, RefusesDamagedFiles)
{
    const std::string head = "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n";
    const struct {
        std::string Text;
        const char* Message;
    } rows[] = {
        {"", "no key"},
        {"[HKEY_CURRENT_USER\\K]\n", "does not start with REGEDIT4"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n", "does not start with REGEDIT4"},
        {"REGEDIT4\n\"a\"=dword:1\n", "line 2: a value outside a key"},
        {head + "[HKEY_CURRENT_USER\\L]\n", "line 3: a second key"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\K]\n", "a key outside HKEY_CURRENT_USER"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\K\n", "an unclosed key name"},
        {head + "Pairs=dword:1\n", "not a value"},
        {head + "\"Pairs\"dword:1\n", "without '='"},
        {head + "\"Pairs\"=dword:\n", "1 to 8 hex digits"},
        {head + "\"Pairs\"=dword:123456789\n", "1 to 8 hex digits"},
        {head + "\"Pairs\"=dword:12g4\n", "1 to 8 hex digits"},
        {head + "\"Pairs\"=8\n", "unknown form"},
        {head + "\"Cards\"=\"open\n", "an unclosed string"},
        {head + "\"Cards\"=\"a\\tb\"\n", "an unknown escape"},
        {head + "\"Cards\"=\"a\" \"b\"\n", "text after a string"},
        {head + "\"P\"=hex(2):41,42\n", "without its closing NUL"},
        {head + "\"P\"=hex(2):41,00,42,00\n", "a NUL inside"},
        {head + "\"P\"=hex(2):4,00\n", "bad hex bytes"},
        {head + "\"P\"=hex(2):41,\n", "bad hex bytes"},
        {head + std::string("\"P\"=\"a\0b\"\n", 10), "NUL byte"},
        {head + std::string(MaxKeyFileSize, ';'), "larger than"},
    };
    for (const auto& row : rows) {
        try {
            ParseKeyFile(row.Text);
            ADD_FAILURE() << "accepted: " << row.Text.substr(0, 80);
        } catch (const EPlatformError& e) {
            EXPECT_NE(std::string(e.what()).find(row.Message), std::string::npos)
                << e.what() << " for " << row.Text.substr(0, 80);
        }
    }
}

TEST(KeyFile, ToleratesBomCommentsAndMissingFinalNewline)
{
    const TKeyFile key = ParseKeyFile("\xEF\xBB\xBFREGEDIT4\n;c\n[HKEY_CURRENT_USER]\n\"a\"=dword:ff  ");
    EXPECT_EQ(key.KeyPath, "");
    ASSERT_EQ(key.Values.size(), 1u);
    EXPECT_EQ(key.Values[0].Number, 255u);
}

} // namespace
