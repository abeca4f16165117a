// Which language the desktop asks for, and the texts' hook without a
// translator: English, with "(s)" resolved and placeholders filled.
#include "platform/Languages.h"
#include "platform/Translate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct TLocaleRow {
    std::map<std::string, std::string> Variables;
    const char* Stored; // the options panel's choice
    const char* Language;
};

const TLocaleRow LocaleRows[] = {
    {{}, "", "en"},
    {{{"LANG", "de_DE.UTF-8"}}, "", "de"},
    {{{"LANG", "de_AT.UTF-8@euro"}}, "", "de"},         // the country falls back to the language
    {{{"LANG", "pt_PT.UTF-8"}}, "", "pt_BR"},           // the Portuguese we have
    {{{"LANG", "pt_BR.UTF-8"}}, "", "pt_BR"},
    {{{"LANG", "ja_JP.UTF-8"}}, "", "en"},              // one we do not ship
    {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "ru:de"}}, "", "ru"},
    {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "ja:nl_BE:de"}}, "", "nl"}, // the first we ship
    {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "ja"}}, "", "fr"},
    {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "en:fr"}}, "", "en"},
    {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "", "en"},   // C ignores LANGUAGE
    {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, "", "en"},
    {{{"LC_ALL", "it_IT.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "", "it"},
    {{{"LC_MESSAGES", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "", "es"},
    {{{"LC_ALL", ""}, {"LANG", "pl_PL.UTF-8"}}, "", "pl"},    // empty is unset
    {{{"LANG", "de_DE.UTF-8"}}, "ru", "ru"},                  // the panel's choice first
    {{{"LANG", "de_DE.UTF-8"}}, "en", "en"},
    {{{"LANG", "de_DE.UTF-8"}}, "klingon", "de"},             // an unknown choice is "System"
};

TEST(LanguagesTest, TheChoiceOrTheDesktopsLocaleNamesTheLanguage)
{
    for (const TLocaleRow& row : LocaleRows) {
        const auto getenv = [&row](const char* name) -> const char* {
            const auto found = row.Variables.find(name);
            return found == row.Variables.end() ? nullptr : found->second.c_str();
        };
        std::string given;
        for (const auto& [name, value] : row.Variables)
            given += name + "=" + value + " ";
        EXPECT_EQ(ChooseLanguage(row.Stored, getenv), row.Language) << given << "choice " << row.Stored;
    }
}

TEST(LanguagesTest, WithoutATranslatorTextsAreEnglish)
{
    EXPECT_EQ(Tr("Records", "%n move(s)", nullptr, 1), "1 move");
    EXPECT_EQ(Tr("Records", "%n move(s)", nullptr, 0), "0 moves");
    EXPECT_EQ(Tr("Game", "No winner"), "No winner");
    // Placeholders take their arguments once, in order of their numbers.
    EXPECT_EQ(FillIn("%2 beats %1 (%3)", {"Ann %2", "Bob"}), "Bob beats Ann %2 (%3)");
}

} // namespace
