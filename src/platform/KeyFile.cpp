#include "KeyFile.h"

#include "PlatformError.h"

#include <cstdio>

namespace {

constexpr std::string_view Signature = "REGEDIT4";
constexpr std::string_view Root = "HKEY_CURRENT_USER";
constexpr std::string_view ExpandPrefix = "hex(2):";

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Walks the lines of the text and says which one failed.
class TParser {
public:
    explicit TParser(std::string_view text) : Text(text) {}

    TKeyFile Parse()
    {
        TKeyFile key;
        bool signature = false;
        bool section = false;
        std::string_view line;
        while (NextLine(line)) {
            if (line.empty() || line.front() == ';')
                continue;
            if (!signature) {
                if (line != Signature)
                    Fail("the file does not start with " + std::string(Signature));
                signature = true;
            } else if (line.front() == '[') {
                if (section)
                    Fail("a second key");
                key.KeyPath = ParseSection(line);
                section = true;
            } else {
                if (!section)
                    Fail("a value outside a key");
                key.Set(ParseValue(line));
            }
        }
        if (!section)
            Fail("no key");
        return key;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const
    {
        throw EPlatformError("Damaged key file, line " + std::to_string(LineNumber) + ": " + why);
    }

    bool NextLine(std::string_view& line)
    {
        if (Pos >= Text.size())
            return false;
        const std::size_t end = Text.find('\n', Pos);
        const std::size_t stop = end == std::string_view::npos ? Text.size() : end;
        line = TrimRight(Text.substr(Pos, stop - Pos));
        Pos = stop == Text.size() ? stop : stop + 1;
        ++LineNumber;
        return true;
    }

    std::string ParseSection(std::string_view line) const
    {
        if (line.back() != ']' || line.size() < 2)
            Fail("an unclosed key name");
        std::string_view path = line.substr(1, line.size() - 2);
        if (path.substr(0, Root.size()) != Root)
            Fail("a key outside " + std::string(Root));
        path.remove_prefix(Root.size());
        if (path.empty())
            return {};
        if (path.front() != '\\')
            Fail("a key outside " + std::string(Root));
        return std::string(path.substr(1));
    }

    // A quoted string from rest's start; rest is left after the closing quote.
    std::string ParseQuoted(std::string_view& rest) const
    {
        std::string out;
        std::size_t i = 1;
        for (; i < rest.size() && rest[i] != '"'; ++i) {
            if (rest[i] != '\\') {
                out += rest[i];
                continue;
            }
            if (++i == rest.size())
                Fail("an unclosed string");
            switch (rest[i]) {
            case '\\': out += '\\'; break;
            case '"': out += '"'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: Fail("an unknown escape");
            }
        }
        if (i >= rest.size())
            Fail("an unclosed string");
        rest.remove_prefix(i + 1);
        return out;
    }

    TKeyValue ParseValue(std::string_view line)
    {
        TKeyValue value;
        std::string_view rest = line;
        if (rest.front() == '@')
            rest.remove_prefix(1);
        else if (rest.front() == '"')
            value.Name = ParseQuoted(rest);
        else
            Fail("a line that is not a value");
        if (rest.empty() || rest.front() != '=')
            Fail("a value without '='");
        rest.remove_prefix(1);

        if (!rest.empty() && rest.front() == '"') {
            value.Type = TKeyValueType::String;
            value.Text = ParseQuoted(rest);
            if (!rest.empty())
                Fail("text after a string");
        } else if (rest.substr(0, 6) == "dword:") {
            value.Type = TKeyValueType::DWord;
            value.Number = ParseDWord(rest.substr(6));
        } else if (rest.substr(0, 3) == "hex") {
            std::string data = JoinContinuations(rest);
            if (std::string_view(data).substr(0, ExpandPrefix.size()) == ExpandPrefix) {
                value.Type = TKeyValueType::ExpandString;
                value.Text = ParseExpandBytes(std::string_view(data).substr(ExpandPrefix.size()));
            } else {
                value.Type = TKeyValueType::Other;
                value.Text = std::move(data);
            }
        } else {
            Fail("a value of unknown form");
        }
        return value;
    }

    std::uint32_t ParseDWord(std::string_view digits) const
    {
        if (digits.empty() || digits.size() > 8)
            Fail("a dword that is not 1 to 8 hex digits");
        std::uint32_t n = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0)
                Fail("a dword that is not 1 to 8 hex digits");
            n = n << 4 | std::uint32_t(d);
        }
        return n;
    }

    // Hex data may go on over lines that end with '\'.
    std::string JoinContinuations(std::string_view first)
    {
        std::string data(first);
        std::string_view next;
        auto trimEnd = [&data](bool backslashes) {
            while (!data.empty() && (IsBlank(data.back()) || (backslashes && data.back() == '\\')))
                data.pop_back();
        };
        while (!data.empty() && data.back() == '\\') {
            data.pop_back();
            trimEnd(false);
            if (!NextLine(next)) {
                trimEnd(true); // a continuation into the end of the file continues nothing
                break;
            }
            data += TrimLeft(next);
        }
        return data;
    }

    // Comma-separated byte pairs, ending in the NUL that closes the text.
    std::string ParseExpandBytes(std::string_view list) const
    {
        std::string bytes;
        while (!list.empty()) {
            if (list.size() < 2 || HexDigit(list[0]) < 0 || HexDigit(list[1]) < 0)
                Fail("bad hex bytes");
            bytes += char(HexDigit(list[0]) << 4 | HexDigit(list[1]));
            list.remove_prefix(2);
            if (!list.empty()) {
                if (list.front() != ',' || list.size() == 1)
                    Fail("bad hex bytes");
                list.remove_prefix(1);
            }
        }
        if (bytes.empty() || bytes.back() != '\0')
            Fail("an expandable string without its closing NUL");
        bytes.pop_back();
        if (bytes.find('\0') != std::string::npos)
            Fail("an expandable string with a NUL inside");
        return bytes;
    }

    std::string_view Text;
    std::size_t Pos = 0;
    int LineNumber = 0;
};

void AppendQuoted(std::string& out, std::string_view s)
{
    out += '"';
    for (char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    out += '"';
}

} // namespace

const TKeyValue* TKeyFile::Find(std::string_view name) const
{
    for (const TKeyValue& v : Values)
        if (SameName(v.Name, name))
            return &v;
    return nullptr;
}

void TKeyFile::Set(TKeyValue value)
{
    for (TKeyValue& v : Values)
        if (SameName(v.Name, value.Name)) {
            v = std::move(value);
            return;
        }
    Values.push_back(std::move(value));
}

TKeyFile ParseKeyFile(std::string_view text)
{
    if (text.size() > MaxKeyFileSize)
        throw EPlatformError("Damaged key file: larger than " + std::to_string(MaxKeyFileSize) + " bytes");
    if (text.find('\0') != std::string_view::npos)
        throw EPlatformError("Damaged key file: it holds a NUL byte");
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return TParser(text).Parse();
}

std::string FormatKeyFile(const TKeyFile& key)
{
    std::string out(Signature);
    out += "\n\n[";
    out += Root;
    if (!key.KeyPath.empty()) {
        out += '\\';
        out += key.KeyPath;
    }
    out += "]\n";
    for (const TKeyValue& v : key.Values) {
        if (v.Name.empty())
            out += '@';
        else
            AppendQuoted(out, v.Name);
        out += '=';
        switch (v.Type) {
        case TKeyValueType::DWord: {
            char digits[9];
            std::snprintf(digits, sizeof digits, "%08x", unsigned(v.Number));
            out += "dword:";
            out += digits;
            break;
        }
        case TKeyValueType::String:
            AppendQuoted(out, v.Text);
            break;
        case TKeyValueType::ExpandString: {
            out += ExpandPrefix;
            static const char Hex[] = "0123456789abcdef";
            for (unsigned char c : v.Text) {
                out += Hex[c >> 4];
                out += Hex[c & 15];
                out += ',';
            }
            out += "00";
            break;
        }
        case TKeyValueType::Other:
            out += v.Text;
            break;
        }
        out += '\n';
    }
    return out;
}
