#pragma once
// Texts shown to players pass through Tr, so that the program can show them in
// the player's language. The core has no Qt: the program installs a translator
// at start; without one (tools without catalogues, tests) texts stay English.
// Tr takes QCoreApplication::translate's arguments, so lupdate reads its calls
// as translate() (-tr-function-alias translate+=Tr) and collects the texts;
// TrNoop marks a text in a table, to be passed through Tr where it is shown
// (-tr-function-alias QT_TRANSLATE_NOOP+=TrNoop).
//
// Plural texts pass n and hold "%n", which becomes the number. English sources
// write the plural ending as "(s)" ("%n pair(s)"); where no translation replaced
// the text, Tr resolves it by n, so English needs no catalogue of its own.

#include <initializer_list>
#include <string>
#include <string_view>

// Returns the translation with "%n" replaced by n (when n >= 0), or the source
// text so treated when there is none.
using TTranslateFunction = std::string (*)(const char* context, const char* text, const char* disambiguation,
                                           int n);

// Installs the translator (nullptr: English again). Call before any text is
// shown, from one thread.
void SetTranslateFunction(TTranslateFunction translate);

std::string Tr(const char* context, const char* text, const char* disambiguation = nullptr, int n = -1);

constexpr const char* TrNoop(const char* /*context*/, const char* text) { return text; }

// The text with "%1" to "%9" replaced by the arguments, the first for "%1".
// A placeholder without an argument stays as it is; arguments are not searched.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments);
