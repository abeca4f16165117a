#pragma once
// The plain document model between the RTF reader and writer and the rich
// text viewer: paragraphs of runs with their character formats, and the
// font and colour tables the formats refer to by index. No Qt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TRtfFont {
    std::int32_t Index = 0;    // the number \fN gives it
    std::string Name;          // in the document's code page, decoded to UTF-8
    std::string AltName;       // \falt, used when Name is not installed
    std::int32_t Charset = 1;  // \fcharsetN; 1, the default set, reads in the document's code page
    std::string Family;        // "nil", "roman", "swiss", ...
    bool operator==(const TRtfFont&) const = default;
};

struct TRtfColor {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool Auto = false; // the table's empty first entry: the viewer's text colour
    bool operator==(const TRtfColor&) const = default;
};

struct TRtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::int32_t Font = 0;        // index as \fN names it, not a table position
    std::int32_t FontSize = 24;   // half points (\fs)
    std::int32_t Color = 0;       // colour table position; 0 is the default colour
    bool operator==(const TRtfCharFormat&) const = default;
};

struct TRtfRun {
    TRtfCharFormat Format;
    std::u32string Text; // '\t' for tabs, U+2028 for a line break inside a paragraph
    bool operator==(const TRtfRun&) const = default;
};

struct TRtfParagraph {
    std::int32_t LeftIndent = 0; // twips (\li)
    std::vector<TRtfRun> Runs;
    TRtfCharFormat EndFormat;    // the format at the paragraph mark: an empty line's height
    bool operator==(const TRtfParagraph&) const = default;
};

struct TRtfDocument {
    std::int32_t CodePage = 1252;   // \ansicpgN
    std::int32_t DefaultFont = 0;   // \deffN
    std::int32_t Language = 0;      // \deflangN
    std::vector<TRtfFont> Fonts;
    std::vector<TRtfColor> Colors;
    std::vector<TRtfParagraph> Paragraphs;

    // The font with the given \f number, or nullptr.
    const TRtfFont* FindFont(std::int32_t index) const;
    // The paragraphs' text joined with '\n', as the viewer shows it.
    std::u32string PlainText() const;
    bool operator==(const TRtfDocument&) const = default;
};
