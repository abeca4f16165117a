#include "windows/UrlDetect.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::u16string> Links(std::u16string_view text)
{
    std::vector<std::u16string> out;
    for (const TTextRange& r : FindLinks(text))
        out.emplace_back(text.substr(r.Start, r.End - r.Start));
    return out;
}

using V = std::vector<std::u16string>;

TEST(UrlDetect, FindsSchemesAndWwwAtWordStarts)
{
    EXPECT_EQ(Links(u"see http://a.example/x?y=1 now"), V{u"http://a.example/x?y=1"});
    EXPECT_EQ(Links(u"HTTPS://A.example"), V{u"HTTPS://A.example"});
    EXPECT_EQ(Links(u"mail mailto:me@x.example, or www.x.example."),
              (V{u"mailto:me@x.example", u"www.x.example"}));
    EXPECT_EQ(Links(u"(http://x.example/a)"), V{u"http://x.example/a"});
    EXPECT_EQ(Links(u"line one\nftp://f.example\u2029file:///tmp"),
              (V{u"ftp://f.example", u"file:///tmp"}));
}

TEST(UrlDetect, IgnoresPrefixesInsideWordsAndBarePrefixes)
{
    EXPECT_EQ(Links(u"xhttp://a.example"), V{});
    EXPECT_EQ(Links(u"awww.example"), V{});
    EXPECT_EQ(Links(u"http: and www. alone"), V{});
    EXPECT_EQ(Links(u"http:"), V{});
    EXPECT_EQ(Links(u""), V{});
}

TEST(UrlDetect, PositionsCountUtf16Units)
{
    const std::u16string text = u"\U0001F600 www.a.example";
    const auto links = FindLinks(text);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0], (TTextRange{3, text.size()}));
}

} // namespace
