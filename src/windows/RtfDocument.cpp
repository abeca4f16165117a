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
