#include "windows/RtfReader.h"
#include "windows/RtfWriter.h"
#include "windows/WindowError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u32string Text(std::string_view rtf) { return ReadRtf(rtf).PlainText(); }

TEST(RtfReader, RefusesBytesWithoutHeader)
{
    EXPECT_FALSE(IsRtf("plain words"));
    EXPECT_FALSE(IsRtf(" {\\rtf1 x}"));
    EXPECT_THROW(ReadRtf("plain words"), EWindowError);
    EXPECT_THROW(ReadRtf(""), EWindowError);
    EXPECT_NO_THROW(ReadRtf("{\\rtf"));
}

TEST(RtfReader, CharacterFormatsFollowGroupsAndResets)
{
    const TRtfDocument doc = ReadRtf(
        "{\\rtf1{\\colortbl ;\\red0\\green0\\blue255;}"
        "a{\\b b{\\i c}}\\ul d\\ul0 e\\cf1\\fs40 f\\plain g\\ulnone}");
    ASSERT_EQ(doc.Paragraphs.size(), 1u);
    const auto& runs = doc.Paragraphs[0].Runs;
    ASSERT_EQ(runs.size(), 7u);
    EXPECT_EQ(runs[0].Text, U"a");
    EXPECT_FALSE(runs[0].Format.Bold);
    EXPECT_TRUE(runs[1].Format.Bold);
    EXPECT_TRUE(runs[2].Format.Bold && runs[2].Format.Italic);
    EXPECT_TRUE(runs[3].Format.Underline);
    EXPECT_FALSE(runs[3].Format.Bold); // the group's bold ended with it
    EXPECT_FALSE(runs[4].Format.Underline);
    EXPECT_EQ(runs[5].Format.Color, 1);
    EXPECT_EQ(runs[5].Format.FontSize, 40);
    EXPECT_EQ(runs[6].Format, TRtfCharFormat{});
    ASSERT_EQ(doc.Colors.size(), 2u);
    EXPECT_TRUE(doc.Colors[0].Auto);
    EXPECT_EQ(doc.Colors[1], (TRtfColor{0, 0, 255, false}));
}

TEST(RtfReader, ColourEntryWithoutValuesIsAutomatic)
{
    // Values given before a table restarts do not leak into its empty entry.
    const TRtfDocument doc = ReadRtf("{\\rtf1{\\colortbl\\red250{\\colortbl ;\\green7;}}}");
    ASSERT_EQ(doc.Colors.size(), 2u);
    EXPECT_EQ(doc.Colors[0], (TRtfColor{0, 0, 0, true}));
    EXPECT_EQ(doc.Colors[1], (TRtfColor{0, 7, 0, false}));
}

TEST(RtfReader, ParagraphsKeepIndentUntilPard)
{
    const TRtfDocument doc = ReadRtf("{\\rtf1\\li300 one\\par two\\par\\pard three\\par\\par}");
    ASSERT_EQ(doc.Paragraphs.size(), 4u);
    EXPECT_EQ(doc.Paragraphs[0].LeftIndent, 300);
    EXPECT_EQ(doc.Paragraphs[1].LeftIndent, 300);
    EXPECT_EQ(doc.Paragraphs[2].LeftIndent, 0);
    EXPECT_TRUE(doc.Paragraphs[3].Runs.empty());
    EXPECT_EQ(doc.PlainText(), U"one\ntwo\nthree\n");
}

TEST(RtfReader, FontTableWithCharsetsFamiliesAndAlternativeNames)
{
    const TRtfDocument doc = ReadRtf(
        "{\\rtf1\\ansi\\ansicpg1250\\deff2{\\fonttbl{\\f0\\fnil\\fcharset238 MS Shell Dlg;}"
        "{\\f1\\fswiss\\fcharset238{\\*\\falt Arial}Arial CE;}\\f2\\fnil MS Sans Serif;}"
        "\\plain x}");
    EXPECT_EQ(doc.CodePage, 1250);
    ASSERT_EQ(doc.Fonts.size(), 3u);
    EXPECT_EQ(doc.Fonts[0], (TRtfFont{0, "MS Shell Dlg", "", 238, "nil"}));
    EXPECT_EQ(doc.Fonts[1], (TRtfFont{1, "Arial CE", "Arial", 238, "swiss"}));
    EXPECT_EQ(doc.Fonts[2], (TRtfFont{2, "MS Sans Serif", "", 1, "nil"}));
    EXPECT_EQ(doc.Paragraphs[0].Runs[0].Format.Font, 2); // \plain goes to \deff
}

TEST(RtfReader, HexEscapesUseTheFontsOrTheDocumentsCodePage)
{
    // 0xB9 is a-ogonek in Windows-1250 and superscript one in Windows-1252.
    EXPECT_EQ(Text("{\\rtf1\\ansi\\ansicpg1250 \\'b9\\'8a}"), U"\u0105\u0160");
    EXPECT_EQ(Text("{\\rtf1\\ansi \\'b9}"), U"\u00B9");
    EXPECT_EQ(Text("{\\rtf1{\\fonttbl{\\f0\\fcharset238 A;}{\\f1\\fcharset0 B;}}"
                   "\\f0\\'b9\\f1\\'b9}"),
              U"\u0105\u00B9");
    EXPECT_EQ(Text("{\\rtf1\\ansicpg1251 \\'c0}"), U"\u0410");
    // A font without a character set reads in the document's code page.
    EXPECT_EQ(Text("{\\rtf1\\ansicpg1250{\\fonttbl{\\f2\\fnil MS Sans Serif;}}\\f2\\'b9}"), U"\u0105");
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback)
{
    EXPECT_EQ(Text("{\\rtf1 \\u268?x}"), U"\u010Cx");
    EXPECT_EQ(Text("{\\rtf1\\uc2 \\u268\\'43Dx}"), U"\u010Cx");
    EXPECT_EQ(Text("{\\rtf1\\uc0 \\u268 x}"), U"\u010Cx");
    EXPECT_EQ(Text("{\\rtf1 \\u-3913?}"), U"\uF0B7");
    EXPECT_EQ(Text("{\\rtf1 \\u-10179?\\u-8704?}"), U"\U0001F600"); // a surrogate pair
    EXPECT_EQ(Text("{\\rtf1 \\u-10179?x}"), U"\uFFFDx");           // a lone high half
    // A group ends the fallback to skip.
    EXPECT_EQ(Text("{\\rtf1\\uc3 {\\u268}ab}"), U"\u010Cab");
}

TEST(RtfReader, SkipsDestinationsAndIgnoresUnknownWords)
{
    EXPECT_EQ(Text("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                   "{\\*\\generator Riched20;}{\\*\\unknownthing hidden}\\viewkind4\\madeup12 shown}"),
              U"shown");
    EXPECT_EQ(Text("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}"), U"link");
    EXPECT_EQ(Text("{\\rtf1 a\\~b\\{c\\}\\\\d\\tab e\\line f}"), U"a\u00A0b{c}\\d\te\u2028f");
    EXPECT_EQ(Text("{\\rtf1 a\\bin3 {}}b}"), U"ab"); // binary bytes are not syntax
}

struct TMalformedCase {
    const char* Name;
    std::string Rtf;
    std::u32string Text;
};

TEST(RtfReader, MalformedInputGivesBestEffortDocument)
{
    const TMalformedCase cases[] = {
        {"unclosed groups", "{\\rtf1 a{\\b b{\\i c", U"abc"},
        {"extra closing brace ends the document", "{\\rtf1 a}}b}", U"a"},
        {"truncated hex escape", "{\\rtf1 a\\'4", U"a"},
        {"hex escape with bad digits", "{\\rtf1 a\\'zzb}", U"azzb"},
        {"lone backslash at the end", "{\\rtf1 a\\", U"a"},
        {"truncated control word", "{\\rtf1 a\\pa", U"a"},
        {"huge numbers", "{\\rtf1\\fs99999999999999999999\\li-99999999999\\cf999999999 x}", U"x"},
        {"huge binary length", "{\\rtf1 a\\bin999999999999 b}", U"a"},
        {"very long control word", "{\\rtf1 \\" + std::string(5000, 'x') + " y}", U"y"},
        {"minus without digits", "{\\rtf1 \\li- z}", U"- z"},
        {"unicode out of range", "{\\rtf1 \\u99999999 q}", U"\uFFFD"},
        {"deep nesting", "{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + "}",
         U"deep"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Text(c.Rtf), c.Text);
    }
}

TEST(RtfReader, ClampsAbsurdSizesAndIndents)
{
    const TRtfDocument doc = ReadRtf("{\\rtf1\\fs99999\\li99999999 a\\fs0 b\\fs-5 c}");
    const auto& runs = doc.Paragraphs[0].Runs;
    EXPECT_EQ(runs[0].Format.FontSize, 3276);
    EXPECT_EQ(runs[1].Format.FontSize, 24);
    EXPECT_EQ(doc.Paragraphs[0].LeftIndent, 31680);
    EXPECT_EQ(runs.size(), 2u); // b and c share the default size
}

TEST(RtfWriter, WrittenDocumentReadsBackEqual)
{
    TRtfDocument doc;
    doc.CodePage = 1250;
    doc.DefaultFont = 1;
    doc.Language = 1050;
    doc.Fonts = {{0, "MS Shell Dlg", "", 238, "nil"}, {1, "Arial CE", "Arial", 238, "swiss"},
                 {7, "Z\u00F3\u0142w {x}", "", 0, ""}};
    doc.Colors = {{0, 0, 0, true}, {255, 0, 0, false}, {0, 0, 0, false}};
    TRtfCharFormat red{true, false, false, 1, 20, 1};
    TRtfCharFormat plain{false, true, true, 7, 16, 2};
    doc.Paragraphs = {
        {0, {}, {false, false, false, 0, 16, 0}},
        {142, {{red, U"Using {the} \\Game"}, {plain, U"\t\u0105\u2028\U0001F600 end"}}, plain},
        {-20, {{plain, U"x"}}, red},
    };
    const std::string rtf = WriteRtf(doc);
    for (char c : rtf)
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << rtf;
    EXPECT_EQ(ReadRtf(rtf), doc) << rtf;
}

} // namespace
