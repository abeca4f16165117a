#pragma once
// One key of the key store as text, in the style of a REGEDIT4 export:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Orvane\Orvane Kobalind]
//   "Pairs"=dword:00000008
//   "Cards"="animals.crd"
//   "Path"=hex(2):43,3a,5c,00        (an expandable string, NUL-terminated bytes)
//
// String values escape '\\' and '"' with a backslash, and a line break as \n
// or \r, so every value stays on one line. Comment lines start with ';'. A
// value line may continue on the next line after a trailing '\'. Values of
// any other type (hex:, hex(7):, ...) are kept as their raw text so that a
// rewrite does not lose them; they read as the wrong type for both numbers
// and strings.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TKeyValueType { DWord, String, ExpandString, Other };

struct TKeyValue {
    std::string Name;       // "" is the key's default value, written as @
    TKeyValueType Type = TKeyValueType::String;
    std::uint32_t Number = 0; // DWord
    std::string Text;       // String and ExpandString: the value; Other: the raw text after '='

    bool operator==(const TKeyValue&) const = default;
};

struct TKeyFile {
    std::string KeyPath; // as written in the section header, without the root
    std::vector<TKeyValue> Values; // in file order, names unique (ignoring ASCII case)

    // The value of that name (ASCII case ignored, as the registry does), or nullptr.
    const TKeyValue* Find(std::string_view name) const;
    // Replaces the value of that name in place or appends it.
    void Set(TKeyValue value);
};

// Largest key file that is read; a bigger one counts as damaged. The game's
// key holds a dozen short values.
constexpr std::size_t MaxKeyFileSize = 1024 * 1024;

// Parses a key file. Throws EPlatformError naming the line for anything that
// is not a well-formed key file: no "REGEDIT4" line, no or a second section
// header, a line that is not a value, a bad escape, a dword that is not 1 to
// 8 hex digits, text beyond MaxKeyFileSize or holding a NUL byte. A name
// given twice keeps its last value, as the registry import does.
TKeyFile ParseKeyFile(std::string_view text);

// The text of a key file; ParseKeyFile(FormatKeyFile(k)) gives k back.
std::string FormatKeyFile(const TKeyFile& key);
