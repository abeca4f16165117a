#pragma once
// The languages the program speaks, and which one the desktop asks for: from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG as gettext reads them.

#include <functional>
#include <string>
#include <vector>

struct TLanguage {
    const char* Code; // as in the catalogues' names: "de", "pt_BR"; "en" for English
    const char* Name; // in the language itself: "Deutsch"
};

// The languages the program speaks, English last.
const std::vector<TLanguage>& Languages();

// The shipped language a locale name ("de_AT.UTF-8@euro", "pt", "C") asks
// for: the exact one, else the language without its country (pt: pt_BR).
// "en" for English, C and POSIX; "" for one we do not ship.
std::string ShippedLanguage(const std::string& locale);

// The language the desktop asks for, "en" when none we ship. getenv reads a
// variable (nullptr when unset).
std::string DesktopLanguage(const std::function<const char*(const char*)>& getenv);

// The stored choice if it names a shipped language, else the desktop's.
std::string ChooseLanguage(const std::string& stored, const std::function<const char*(const char*)>& getenv);
