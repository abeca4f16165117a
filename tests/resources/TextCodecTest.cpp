#include "resources/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, EveryWindows1252ByteEncodesBackToItself)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(EncodeCp1252(DecodeAnsi(1252, static_cast<std::uint8_t>(b))), b) << b;
}

TEST(TextCodec, CodePointsOutsideWindows1252BecomeAQuestionMark)
{
    EXPECT_EQ(EncodeCp1252(U'\u0080'), '?'); // byte 0x80 is the euro sign, not U+0080
    EXPECT_EQ(EncodeCp1252(U'\u0416'), '?'); // Cyrillic
    EXPECT_EQ(EncodeCp1252(U'\U0001F600'), '?');
    EXPECT_EQ(EncodeCp1252(U'\u20AC'), 0x80);
}

TEST(TextCodec, Utf8OfEveryLengthAndOfNonScalarValues)
{
    EXPECT_EQ(ToUtf8(U"A\u00E9\u20AC\U0001F600"), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    const char32_t bad[] = {0xD800, 0x110000};
    EXPECT_EQ(ToUtf8(std::u32string_view(bad, 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextCodec, Utf8DecodesEveryLengthAndGivesOneReplacementPerMalformedByte)
{
    EXPECT_EQ(FromUtf8("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), U"A\u00E9\u20AC\U0001F600");
    EXPECT_EQ(FromUtf8("\xE2\x82X"), U"\uFFFD\uFFFDX"); // cut short
    EXPECT_EQ(FromUtf8("\x80\xFF"), U"\uFFFD\uFFFD");   // no lead byte
    EXPECT_EQ(FromUtf8("\xC3"), U"\uFFFD");             // at the end
}
