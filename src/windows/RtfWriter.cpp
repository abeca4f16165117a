#include "RtfWriter.h"

#include "resources/TextCodec.h"

namespace {

void WriteUnit(std::string& out, char32_t unit)
{
    // \uN takes a signed 16-bit number.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + '?';
}

} // namespace

void WriteRtfText(std::string& out, std::u32string_view text)
{
    for (char32_t ch : text) {
        if (ch == '\\' || ch == '{' || ch == '}') {
            out.push_back('\\');
            out.push_back(static_cast<char>(ch));
        } else if (ch == '\t') {
            out += "\\tab ";
        } else if (ch == 0x2028) {
            out += "\\line ";
        } else if (ch >= 0x20 && ch < 0x7F) {
            out.push_back(static_cast<char>(ch));
        } else if (ch > 0xFFFF) {
            const char32_t v = ch - 0x10000;
            WriteUnit(out, 0xD800 + (v >> 10));
            WriteUnit(out, 0xDC00 + (v & 0x3FF));
        } else {
            WriteUnit(out, ch);
        }
    }
}

namespace {

void WriteFormat(std::string& out, const TRtfCharFormat& f)
{
    out += "\\plain\\f" + std::to_string(f.Font) + "\\fs" + std::to_string(f.FontSize);
    if (f.Color != 0)
        out += "\\cf" + std::to_string(f.Color);
    if (f.Bold) out += "\\b";
    if (f.Italic) out += "\\i";
    if (f.Underline) out += "\\ul";
    out.push_back(' ');
}

} // namespace

std::string WriteRtf(const TRtfDocument& document)
{
    std::string out = "{\\rtf1\\ansi\\ansicpg" + std::to_string(document.CodePage) + "\\deff"
                    + std::to_string(document.DefaultFont);
    if (document.Language != 0)
        out += "\\deflang" + std::to_string(document.Language);
    out += "{\\fonttbl";
    for (const TRtfFont& font : document.Fonts) {
        out += "{\\f" + std::to_string(font.Index);
        if (!font.Family.empty())
            out += "\\f" + font.Family;
        out += "\\fcharset" + std::to_string(font.Charset) + ' ';
        WriteRtfText(out, FromUtf8(font.Name));
        if (!font.AltName.empty()) {
            out += "{\\*\\falt ";
            WriteRtfText(out, FromUtf8(font.AltName));
            out += '}';
        }
        out += ";}";
    }
    out += "}\r\n";
    if (!document.Colors.empty()) {
        out += "{\\colortbl ";
        for (const TRtfColor& c : document.Colors) {
            if (!c.Auto)
                out += "\\red" + std::to_string(c.Red) + "\\green" + std::to_string(c.Green)
                     + "\\blue" + std::to_string(c.Blue);
            out += ';';
        }
        out += "}\r\n";
    }
    for (const TRtfParagraph& para : document.Paragraphs) {
        out += "\\pard";
        if (para.LeftIndent != 0)
            out += "\\li" + std::to_string(para.LeftIndent);
        for (const TRtfRun& run : para.Runs) {
            if (run.Text.empty())
                continue;
            WriteFormat(out, run.Format);
            WriteRtfText(out, run.Text);
        }
        WriteFormat(out, para.EndFormat);
        out += "\\par\r\n";
    }
    out += "}";
    return out;
}
