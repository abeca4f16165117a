#include "RtfDocument.h"

const TRtfFont* TRtfDocument::FindFont(std::int32_t index) const
{
    for (const TRtfFont& font : Fonts)
        if (font.Index == index)
            return &font;
    return nullptr;
}

std::u32string TRtfDocument::PlainText() const
{
    std::u32string text;
    for (std::size_t p = 0; p < Paragraphs.size(); ++p) {
        if (p > 0)
            text.push_back('\n');
        for (const TRtfRun& run : Paragraphs[p].Runs)
            text += run.Text;
    }
    return text;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
            ch = 0xFFFD;
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else if (ch < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return out;
}
