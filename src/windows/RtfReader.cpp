#include "RtfReader.h"

#include "WindowError.h"

#include "resources/TextCodec.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Limits that keep hostile input bounded; real documents stay far below.
constexpr std::size_t MaxDepth = 256;         // deeper groups share the deepest state
constexpr std::size_t MaxWordLength = 32;     // longer control words are ignored
constexpr int MaxDigits = 10;                 // of a numeric parameter
constexpr std::int32_t MaxFontSize = 3276;    // half points (1638 pt)
constexpr std::int32_t MaxIndent = 31680;     // twips (22 inches)
constexpr std::int32_t MaxUnicodeSkip = 16;   // fallback characters after \uN
constexpr std::size_t MaxTableEntries = 4096; // fonts or colours

enum class TDest { Text, FontTable, FontAlt, ColorTable, Skip };

enum class TWord {
    Ignore, AnsiCpg, Deff, DefLang, FontTable, ColorTable, Skip, FontAlt, Font,
    FontFamily, FontCharset, Red, Green, Blue, Par, Line, Tab, Pard, Plain,
    Bold, Italic, Underline, UnderlineNone, ColorFg, FontSize, LeftIndent,
    UnicodeSkip, Unicode, Bin, Char
};

struct TWordInfo {
    TWord Kind;
    char32_t Char = 0; // for TWord::Char
};

const std::unordered_map<std::string_view, TWordInfo>& Words()
{
    static const std::unordered_map<std::string_view, TWordInfo> words = [] {
        std::unordered_map<std::string_view, TWordInfo> w = {
            {"ansicpg", {TWord::AnsiCpg}}, {"deff", {TWord::Deff}},
            {"deflang", {TWord::DefLang}}, {"fonttbl", {TWord::FontTable}},
            {"colortbl", {TWord::ColorTable}}, {"falt", {TWord::FontAlt}},
            {"f", {TWord::Font}}, {"fcharset", {TWord::FontCharset}},
            {"red", {TWord::Red}}, {"green", {TWord::Green}}, {"blue", {TWord::Blue}},
            {"par", {TWord::Par}}, {"line", {TWord::Line}}, {"tab", {TWord::Tab}},
            {"pard", {TWord::Pard}}, {"plain", {TWord::Plain}}, {"b", {TWord::Bold}},
            {"i", {TWord::Italic}}, {"ul", {TWord::Underline}},
            {"ulnone", {TWord::UnderlineNone}}, {"cf", {TWord::ColorFg}},
            {"fs", {TWord::FontSize}}, {"li", {TWord::LeftIndent}},
            {"uc", {TWord::UnicodeSkip}}, {"u", {TWord::Unicode}}, {"bin", {TWord::Bin}},
            {"lquote", {TWord::Char, 0x2018}}, {"rquote", {TWord::Char, 0x2019}},
            {"ldblquote", {TWord::Char, 0x201C}}, {"rdblquote", {TWord::Char, 0x201D}},
            {"bullet", {TWord::Char, 0x2022}}, {"endash", {TWord::Char, 0x2013}},
            {"emdash", {TWord::Char, 0x2014}},
        };
        for (std::string_view family : {"fnil", "froman", "fswiss", "fmodern", "fscript",
                                        "fdecor", "ftech", "fbidi"})
            w.emplace(family, TWordInfo{TWord::FontFamily});
        // Destinations whose text is not part of the shown document.
        for (std::string_view skip :
             {"stylesheet", "info", "pict", "object", "objdata", "header", "headerl",
              "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
              "fldinst", "filetbl", "revtbl", "listtable", "listoverridetable", "rsidtbl",
              "generator", "themedata", "colorschememapping", "latentstyles", "datastore",
              "xmlnstbl", "pgdsctbl", "author", "operator", "title", "subject", "keywords",
              "comment", "doccomm", "bkmkstart", "bkmkend", "annotation", "atnid",
              "atnauthor", "private", "nonshppict", "shpinst", "fchars", "lchars"})
            w.emplace(skip, TWordInfo{TWord::Skip});
        return w;
    }();
    return words;
}

struct TState {
    TDest Dest = TDest::Text;
    TRtfCharFormat Format;
    std::int32_t LeftIndent = 0;
    std::int32_t UnicodeSkip = 1;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class TReader {
public:
    explicit TReader(std::string_view bytes) : In(bytes), Stack(1) {}
    TRtfDocument Read();

private:
    TState& State() { return Stack.back(); }
    void OpenGroup();
    bool CloseGroup(); // false once the outermost group has closed
    void ControlWord();
    void ControlSymbol(char c);
    void Word(std::string_view name, bool hasParam, std::int32_t param);
    void Byte(std::uint8_t byte);
    void Char(char32_t ch);
    void Unicode(std::int32_t value);
    void FlushSurrogate();
    bool SkipFallback();
    void EndParagraph();
    void CommitFont();
    void CommitColor();
    std::int32_t TextCodePage();

    std::string_view In;
    std::size_t Pos = 0;
    std::vector<TState> Stack;
    std::size_t ExtraDepth = 0;
    bool IgnorableNext = false;
    std::int32_t SkipChars = 0;
    char16_t HighSurrogate = 0;

    TRtfDocument Doc;
    TRtfParagraph Para;
    TRtfFont PendingFont;
    std::u32string PendingName, PendingAlt;
    bool FontPending = false;
    TRtfColor PendingColor;
    bool ColorHasValue = false;
    std::int32_t CachedFont = -1, CachedCodePage = 1252;
};

TRtfDocument TReader::Read()
{
    while (Pos < In.size()) {
        const char c = In[Pos++];
        if (c == '{') {
            OpenGroup();
        } else if (c == '}') {
            if (!CloseGroup())
                break; // text after the outermost group is not part of the document
        } else if (c == '\\') {
            ControlWord();
        } else if (c != '\r' && c != '\n') {
            if (!SkipFallback())
                Byte(static_cast<std::uint8_t>(c));
        }
    }
    FlushSurrogate();
    if (!Para.Runs.empty())
        Doc.Paragraphs.push_back(std::move(Para));
    return std::move(Doc);
}

void TReader::OpenGroup()
{
    SkipChars = 0;
    IgnorableNext = false;
    if (Stack.size() > MaxDepth)
        ++ExtraDepth;
    else
        Stack.push_back(State());
}

bool TReader::CloseGroup()
{
    SkipChars = 0;
    IgnorableNext = false;
    if (ExtraDepth > 0) {
        --ExtraDepth;
        return true;
    }
    if (Stack.size() <= 1)
        return false;
    const TDest closed = State().Dest;
    Stack.pop_back();
    if (closed == TDest::FontTable && State().Dest != TDest::FontTable)
        CommitFont(); // a last font written without its ';'
    return Stack.size() > 1;
}

void TReader::ControlWord()
{
    if (Pos >= In.size())
        return; // a lone backslash at the end
    if (!IsLetter(In[Pos])) {
        const char symbol = In[Pos++];
        if (symbol == '\'' || !SkipFallback()) // a hex escape counts its own skip
            ControlSymbol(symbol);
        return;
    }
    const std::size_t start = Pos;
    while (Pos < In.size() && IsLetter(In[Pos]))
        ++Pos;
    const std::string_view name = In.substr(start, Pos - start);

    bool negative = false, hasParam = false;
    std::int64_t value = 0;
    if (Pos + 1 < In.size() && In[Pos] == '-' && IsDigit(In[Pos + 1])) {
        negative = true;
        ++Pos;
    }
    for (int digits = 0; Pos < In.size() && IsDigit(In[Pos]); ++Pos, ++digits) {
        hasParam = true;
        if (digits < MaxDigits)
            value = value * 10 + (In[Pos] - '0');
    }
    if (Pos < In.size() && In[Pos] == ' ')
        ++Pos;
    value = std::clamp<std::int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX);

    if (name == "bin") { // binary data is skipped whatever the destination
        const std::size_t count = hasParam && value > 0 ? static_cast<std::size_t>(value) : 0;
        Pos += std::min(count, In.size() - Pos);
        return;
    }
    if (SkipFallback())
        return;
    if (name.size() <= MaxWordLength)
        Word(name, hasParam, static_cast<std::int32_t>(value));
    IgnorableNext = false;
}

void TReader::ControlSymbol(char c)
{
    switch (c) {
    case '\'': {
        int high = Pos < In.size() ? HexValue(In[Pos]) : -1;
        if (high < 0)
            return;
        ++Pos;
        int low = Pos < In.size() ? HexValue(In[Pos]) : -1;
        if (low < 0)
            return;
        ++Pos;
        if (!SkipFallback())
            Byte(static_cast<std::uint8_t>(high * 16 + low));
        return;
    }
    case '\\': case '{': case '}': Char(static_cast<unsigned char>(c)); return;
    case '~': Char(0x00A0); return;
    case '_': Char(0x2011); return;
    case '*': IgnorableNext = true; return;
    case '\r': case '\n': Word("par", false, 0); return;
    default: return; // optional hyphens, index marks and unknown symbols
    }
}

void TReader::Word(std::string_view name, bool hasParam, std::int32_t param)
{
    const auto found = Words().find(name);
    const TWord kind = found == Words().end() ? TWord::Ignore : found->second.Kind;
    TState& s = State();
    if (s.Dest == TDest::Skip)
        return;
    if (IgnorableNext && kind != TWord::FontAlt) {
        s.Dest = TDest::Skip; // an optional destination this reader does not know
        return;
    }
    const bool on = !hasParam || param != 0;
    switch (kind) {
    case TWord::AnsiCpg: if (param > 0 && param < 65536) Doc.CodePage = param; break;
    case TWord::Deff: Doc.DefaultFont = param; break;
    case TWord::DefLang: Doc.Language = param; break;
    case TWord::FontTable: s.Dest = TDest::FontTable; break;
    case TWord::ColorTable: s.Dest = TDest::ColorTable; ColorHasValue = false; break;
    case TWord::Skip: s.Dest = TDest::Skip; break;
    case TWord::FontAlt:
        s.Dest = s.Dest == TDest::FontTable && FontPending ? TDest::FontAlt : TDest::Skip;
        break;
    case TWord::Font:
        if (s.Dest == TDest::FontTable) {
            CommitFont();
            PendingFont = TRtfFont{};
            PendingFont.Index = param;
            FontPending = true;
        } else if (s.Dest == TDest::Text) {
            s.Format.Font = param;
        }
        break;
    case TWord::FontFamily: if (FontPending) PendingFont.Family = name.substr(1); break;
    case TWord::FontCharset: if (FontPending) PendingFont.Charset = param; break;
    case TWord::Red: PendingColor.Red = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); ColorHasValue = true; break;
    case TWord::Green: PendingColor.Green = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); ColorHasValue = true; break;
    case TWord::Blue: PendingColor.Blue = static_cast<std::uint8_t>(std::clamp(param, 0, 255)); ColorHasValue = true; break;
    case TWord::Par: if (s.Dest == TDest::Text) EndParagraph(); break;
    case TWord::Line: Char(0x2028); break;
    case TWord::Tab: Char('\t'); break;
    case TWord::Pard: s.LeftIndent = 0; break;
    case TWord::Plain: s.Format = TRtfCharFormat{}; s.Format.Font = Doc.DefaultFont; break;
    case TWord::Bold: s.Format.Bold = on; break;
    case TWord::Italic: s.Format.Italic = on; break;
    case TWord::Underline: s.Format.Underline = on; break;
    case TWord::UnderlineNone: s.Format.Underline = false; break;
    case TWord::ColorFg: s.Format.Color = std::max(param, 0); break;
    case TWord::FontSize: s.Format.FontSize = param <= 0 ? 24 : std::min(param, MaxFontSize); break;
    case TWord::LeftIndent: s.LeftIndent = std::clamp(param, -MaxIndent, MaxIndent); break;
    case TWord::UnicodeSkip: s.UnicodeSkip = std::clamp(param, 0, MaxUnicodeSkip); break;
    case TWord::Unicode: Unicode(param); break;
    case TWord::Char: Char(found->second.Char); break;
    case TWord::Bin: case TWord::Ignore: break;
    }
}

// Consumes one fallback character of the last \uN; true when it did.
bool TReader::SkipFallback()
{
    if (SkipChars <= 0)
        return false;
    --SkipChars;
    return true;
}

void TReader::Unicode(std::int32_t value)
{
    // The parameter is a signed 16-bit value; larger ones are taken as given.
    char32_t ch = static_cast<char32_t>(value < 0 ? value + 65536 : value);
    if (value < -32768 || ch > 0x10FFFF)
        ch = 0xFFFD;
    if (ch >= 0xD800 && ch <= 0xDBFF) {
        FlushSurrogate();
        HighSurrogate = static_cast<char16_t>(ch);
    } else if (ch >= 0xDC00 && ch <= 0xDFFF) {
        if (HighSurrogate != 0) {
            const char32_t high = HighSurrogate;
            HighSurrogate = 0;
            Char(0x10000 + ((high - 0xD800) << 10) + (ch - 0xDC00));
        } else {
            Char(0xFFFD);
        }
    } else {
        Char(ch);
    }
    SkipChars = State().UnicodeSkip;
}

std::int32_t TReader::TextCodePage()
{
    const std::int32_t font = State().Dest == TDest::Text ? State().Format.Font : -1;
    if (font != CachedFont || font < 0) {
        const TRtfFont* f = font >= 0 ? Doc.FindFont(font) : nullptr;
        const std::int32_t charset = State().Dest == TDest::Text ? (f ? f->Charset : 1)
                                                                  : PendingFont.Charset;
        CachedCodePage = CodePageOfCharset(charset, Doc.CodePage);
        CachedFont = font;
    }
    return CachedCodePage;
}

void TReader::Byte(std::uint8_t byte)
{
    const TDest dest = State().Dest;
    if (byte == ';' && dest == TDest::FontTable) {
        CommitFont();
    } else if (byte == ';' && dest == TDest::ColorTable) {
        CommitColor();
    } else if (byte == '\t') {
        Char('\t');
    } else if (byte >= 0x20) {
        Char(DecodeAnsi(TextCodePage(), byte));
    }
}

// A high surrogate not followed by its low half stands for nothing readable.
void TReader::FlushSurrogate()
{
    if (HighSurrogate != 0) {
        HighSurrogate = 0;
        Char(0xFFFD);
    }
}

void TReader::Char(char32_t ch)
{
    FlushSurrogate();
    if (ch < 0x20 && ch != '\t')
        return;
    switch (State().Dest) {
    case TDest::Text: {
        const TState& s = State();
        if (Para.Runs.empty() || !(Para.Runs.back().Format == s.Format))
            Para.Runs.push_back(TRtfRun{s.Format, {}});
        Para.Runs.back().Text.push_back(ch);
        Para.LeftIndent = s.LeftIndent;
        Para.EndFormat = s.Format;
        break;
    }
    case TDest::FontTable: if (FontPending) PendingName.push_back(ch); break;
    case TDest::FontAlt: PendingAlt.push_back(ch); break;
    case TDest::ColorTable: case TDest::Skip: break;
    }
}

void TReader::EndParagraph()
{
    Para.LeftIndent = State().LeftIndent;
    Para.EndFormat = State().Format;
    Doc.Paragraphs.push_back(std::move(Para));
    Para = TRtfParagraph{};
}

void TReader::CommitFont()
{
    if (!FontPending)
        return;
    FontPending = false;
    if (Doc.Fonts.size() < MaxTableEntries && !Doc.FindFont(PendingFont.Index)) {
        PendingFont.Name = ToUtf8(PendingName);
        PendingFont.AltName = ToUtf8(PendingAlt);
        Doc.Fonts.push_back(PendingFont);
    }
    PendingName.clear();
    PendingAlt.clear();
    CachedFont = -1;
}

void TReader::CommitColor()
{
    if (Doc.Colors.size() < MaxTableEntries) {
        // An entry without values is the automatic colour, whatever came before.
        Doc.Colors.push_back(ColorHasValue ? PendingColor : TRtfColor{0, 0, 0, true});
    }
    PendingColor = TRtfColor{};
    ColorHasValue = false;
}

} // namespace

bool IsRtf(std::string_view bytes)
{
    return bytes.starts_with("{\\rtf");
}

TRtfDocument ReadRtf(std::string_view bytes)
{
    if (!IsRtf(bytes))
        throw EWindowError("Not rich text");
    return TReader(bytes).Read();
}
