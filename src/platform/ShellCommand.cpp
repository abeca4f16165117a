#include "ShellCommand.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// The original desktop cut expanded command lines at its path limit.
constexpr std::size_t MaxProgramLength = 260;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// End of the program's name: after the last ".exe", ".bat" or ".com" in any
// case, else after the first word (a quoted one ends before its closing quote,
// which then goes with the arguments and is removed there).
std::size_t ProgramEnd(std::string_view command)
{
    for (std::size_t end = command.size(); end >= 4; --end) {
        std::string ext;
        for (std::size_t i = end - 4; i < end; ++i)
            ext += Lower(command[i]);
        if (ext == ".exe" || ext == ".bat" || ext == ".com")
            return end;
    }
    if (!command.empty() && command.front() == '"') {
        const std::size_t close = command.find('"', 1);
        return close == std::string_view::npos ? command.size() : close;
    }
    const std::size_t blank = command.find_first_of(" \t");
    return blank == std::string_view::npos ? command.size() : blank;
}

std::string CleanArguments(std::string_view tail)
{
    std::string args;
    for (char c : Trim(tail))
        if (c != '"')
            args += c;
    // Placeholders (%1, %u, %L, ...) stand for the link, which the caller appends.
    for (std::size_t p = args.find('%'); p != std::string::npos; p = args.find('%', p)) {
        const std::size_t space = args.find(' ', p);
        args.erase(p, space == std::string::npos ? std::string::npos : space - p);
    }
    return std::string(Trim(args));
}

std::string UnescapeDesktopValue(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: out += '\\'; out += value[i];
        }
    }
    return out;
}

bool IsFile(const std::filesystem::path& p)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

} // namespace

std::string ExpandEnvironmentRefs(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('%', i);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        const std::string name(text.substr(open + 1, close - open - 1));
        const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
        if (value) {
            out += value;
            i = close + 1;
        } else {
            // Not a reference: keep the first '%' and look again from the second.
            out += text.substr(open, close - open);
            i = close;
        }
    }
    return out;
}

bool ParseShellCommand(std::string_view command, std::string& program, std::string& arguments)
{
    program.clear();
    arguments.clear();
    command = Trim(command);
    if (command.empty())
        return false;
    const std::size_t end = ProgramEnd(command);
    std::string args = end < command.size() ? CleanArguments(command.substr(end)) : std::string();
    std::string_view name = command.substr(0, end);
    if (!name.empty() && name.front() == '"')
        name.remove_prefix(1);
    std::string expanded = name.find('%') != std::string_view::npos ? ExpandEnvironmentRefs(name) : std::string(name);
    if (expanded.empty() || expanded.size() > MaxProgramLength)
        return false;
    program = std::move(expanded);
    arguments = std::move(args);
    return true;
}

std::string DesktopEntryExec(std::string_view text)
{
    bool inEntry = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const std::size_t eq = line.find('=');
        if (inEntry && eq != std::string_view::npos && Trim(line.substr(0, eq)) == "Exec")
            return UnescapeDesktopValue(Trim(line.substr(eq + 1)));
    }
    return {};
}

std::vector<std::string> DesktopEntryFolders()
{
    std::vector<std::string> folders;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome && dataHome[0] == '/')
        folders.push_back(std::string(dataHome) + "/applications");
    else if (home && home[0] == '/')
        folders.push_back(std::string(home) + "/.local/share/applications");
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    std::string_view dirs = dataDirs && dataDirs[0] ? dataDirs : "/usr/local/share:/usr/share";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        if (!dir.empty() && dir.front() == '/')
            folders.push_back(std::string(dir) + "/applications");
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    return folders;
}

std::string FindDesktopEntryFile(const std::string& id, const std::vector<std::string>& folders)
{
    if (id.empty() || id == "." || id == ".." || id.find('/') != std::string::npos)
        return {};
    for (const std::string& folder : folders) {
        const std::filesystem::path base(folder);
        if (IsFile(base / id))
            return (base / id).string();
        // An id "vendor-app.desktop" may also name vendor/app.desktop.
        for (std::size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
            const std::filesystem::path nested = base / id.substr(0, dash) / id.substr(dash + 1);
            if (IsFile(nested))
                return nested.string();
        }
    }
    return {};
}
