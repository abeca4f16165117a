#pragma once
// Parsing of the command lines that start a protocol's program: the
// registered open command of the original desktop, and here the Exec line of
// the default handler's desktop entry. Pure functions; the lookup of the
// handler itself runs xdg-mime and lives with the UI (app/ShellLaunch.h).

#include <string>
#include <string_view>
#include <vector>

// Splits a command into program and arguments:
//  - the program's name ends after the last ".exe", ".bat" or ".com" (any
//    case); a command without one of them (every Exec line) ends its name
//    after the first word, or after the closing quote when it starts with '"';
//  - the arguments are what follows, trimmed, with every '"' removed and every
//    token starting with '%' (a placeholder such as %1 or %u) removed, trimmed
//    again;
//  - a leading '"' of the program is dropped, and a program holding '%' gets
//    %NAME% environment references expanded (unknown names stay as written).
// Returns false for an empty command, and for an expanded program longer than
// 260 characters (cutting it could name another program).
bool ParseShellCommand(std::string_view command, std::string& program, std::string& arguments);

// %NAME% references replaced by the environment's values; "%%" and unknown
// names stay as they are.
std::string ExpandEnvironmentRefs(std::string_view text);

// The Exec value of the [Desktop Entry] group of a desktop entry file, with
// the file format's escapes (\s \n \t \r \\) resolved; "" when there is none.
std::string DesktopEntryExec(std::string_view text);

// The folders searched for desktop entries: $XDG_DATA_HOME (default
// ~/.local/share) then $XDG_DATA_DIRS (default /usr/local/share:/usr/share),
// each followed by "/applications".
std::vector<std::string> DesktopEntryFolders();

// The file of a desktop entry id ("firefox.desktop", or "kde-foo.desktop"
// for kde/foo.desktop) in the first folder that has it; "" when none does or
// the id holds '/' or is "." / "..".
std::string FindDesktopEntryFile(const std::string& id, const std::vector<std::string>& folders);
