#include "WindowsTestSupport.h"

#include "resources/ResourceError.h"
#include "windows/LumRichEdOLE.h"
#include "windows/WindowError.h"

#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A stream whose every read fails, as a broken file does.
class TBrokenStream : public TMemoryStream {
public:
    TBrokenStream() : TMemoryStream(std::vector<std::uint8_t>(10, 'x')) {}
    std::size_t Read(void*, std::size_t) override { throw EResourceError("Stream read error"); }
};

class RichEdit : public ::testing::Test {
protected:
    RichEdit()
    {
        Edit.resize(400, 200);
        Edit.OnURLClick = [this](QObject* sender, const QString& url, Qt::MouseButton button) {
            EXPECT_EQ(sender, &Edit);
            Clicks.push_back({url, button});
        };
    }
    // A point on the character at position.
    QPoint PointAt(std::size_t position)
    {
        QTextCursor cursor(Edit.document());
        cursor.setPosition(static_cast<int>(position));
        const QRect before = Edit.cursorRect(cursor);
        cursor.setPosition(static_cast<int>(position) + 1);
        return {(before.left() + Edit.cursorRect(cursor).left()) / 2, before.center().y()};
    }
    QPoint OnLink(int index) { return PointAt(Edit.Links().at(static_cast<std::size_t>(index)).Start + 2); }

    TLumRichEditOLE Edit;
    std::vector<std::pair<QString, Qt::MouseButton>> Clicks;
};

TEST_F(RichEdit, RichTextHeaderGivesFormattedText)
{
    Edit.LoadFromText("{\\rtf1{\\colortbl ;\\red0\\green128\\blue0;}\\b bold\\b0  \\cf1 green\\par next}");
    ASSERT_EQ(Edit.Lines().Count(), 2);
    EXPECT_EQ(Edit.Lines().Strings(0), QStringLiteral("bold green"));
    EXPECT_EQ(Edit.Lines().Strings(1), QStringLiteral("next"));
    EXPECT_EQ(Edit.Lines().Strings(2), QString());
    EXPECT_TRUE(Edit.SelAttributes().Style().Bold); // the selection is put at the start
    QTextCursor cursor(Edit.document());
    cursor.setPosition(7);
    Edit.setTextCursor(cursor);
    EXPECT_EQ(Edit.SelAttributes().Color(), QColor(0, 128, 0));
}

TEST_F(RichEdit, PlainTextIsTheFallbackOfRichText)
{
    Edit.LoadFromText("first line\r\nsecond \\b line\rthird");
    EXPECT_EQ(Edit.Lines().Text(), QStringLiteral("first line\nsecond \\b line\nthird"));
    Edit.LoadFromText("Z\xC3\xB3\xC5\x82w");  // UTF-8
    EXPECT_EQ(Edit.Lines().Text(), QStringLiteral(u"Z\u00F3\u0142w"));
    Edit.LoadFromText("caf\xE9");  // not UTF-8: Windows-1252
    EXPECT_EQ(Edit.Lines().Text(), QStringLiteral(u"caf\u00E9"));
}

TEST_F(RichEdit, PlainTextModeShowsRichTextAsItIs)
{
    Edit.SetPlainText(true);
    Edit.LoadFromText("{\\rtf1 \\b x}");
    EXPECT_EQ(Edit.Lines().Text(), QStringLiteral("{\\rtf1 \\b x}"));
    EXPECT_EQ(Edit.SaveToText(), "{\\rtf1 \\b x}");
}

TEST_F(RichEdit, UnreadableOrOversizedStreamFailsAndKeepsTheText)
{
    Edit.LoadFromText("kept");
    TBrokenStream broken;
    TMemoryStream oversized(std::vector<std::uint8_t>(1024 * 1024 + 1, 'a'));
    for (TStream* stream : {static_cast<TStream*>(&broken), static_cast<TStream*>(&oversized)}) {
        try {
            Edit.Lines().LoadFromStream(*stream);
            ADD_FAILURE() << "no error";
        } catch (const EWindowError& e) {
            EXPECT_STREQ(e.what(), "Failed to Load Stream");
        }
        EXPECT_EQ(Edit.Lines().Text(), QStringLiteral("kept"));
    }
}

TEST_F(RichEdit, SavedRichTextLoadsBackTheSameDocument)
{
    Edit.LoadFromText("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial CE;}}"
                      "{\\colortbl ;\\red255\\green0\\blue0;}\\li284\\f0\\fs20\\cf1\\b Red \\'b9\\par"
                      "\\pard\\i\\ul\\fs30 second {\\}}\\par\\par}");
    const std::string saved = Edit.SaveToText();
    ASSERT_TRUE(saved.starts_with("{\\rtf1")) << saved;
    const QString text = Edit.toPlainText();
    TLumRichEditOLE again;
    again.LoadFromText(saved);
    EXPECT_EQ(again.toPlainText(), text);
    EXPECT_EQ(again.SaveToText(), saved);
    QTextCursor cursor(again.document());
    cursor.setPosition(1);
    again.setTextCursor(cursor);
    EXPECT_EQ(again.SelAttributes().Color(), QColor(255, 0, 0));
    EXPECT_EQ(again.SelAttributes().Name(), QStringLiteral("Arial CE"));
    EXPECT_EQ(again.SelAttributes().Size(), 10.0);
    EXPECT_EQ(again.Paragraph().LeftIndent(), 284);
}

TEST_F(RichEdit, LeftPressAndReleaseOnOneLinkFireOnce)
{
    Edit.LoadFromText("{\\rtf1 Visit http://a.example or www.b.example now}");
    Edit.show();
    ASSERT_EQ(Edit.Links().size(), 2u);
    QTest::mouseClick(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    QTest::mouseClick(Edit.viewport(), Qt::LeftButton, {}, OnLink(1));
    ASSERT_EQ(Clicks.size(), 2u);
    EXPECT_EQ(Clicks[0], std::make_pair(QStringLiteral("http://a.example"), Qt::LeftButton));
    EXPECT_EQ(Clicks[1].first, QStringLiteral("www.b.example"));
}

TEST_F(RichEdit, NothingFiresForDifferentLinksOtherButtonsOrPlainText)
{
    Edit.LoadFromText("{\\rtf1 Visit http://a.example or www.b.example now}");
    Edit.show();
    QTest::mousePress(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    QTest::mouseRelease(Edit.viewport(), Qt::LeftButton, {}, OnLink(1));
    QTest::mouseClick(Edit.viewport(), Qt::RightButton, {}, OnLink(0));
    QTest::mouseClick(Edit.viewport(), Qt::MiddleButton, {}, OnLink(1));
    QTest::mousePress(Edit.viewport(), Qt::LeftButton, {}, PointAt(1)); // on "Visit"
    QTest::mouseRelease(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    QTest::mouseClick(Edit.viewport(), Qt::LeftButton, {}, PointAt(1));
    EXPECT_TRUE(Clicks.empty());
    // A release resets the pressed link: a later release on it alone is no click.
    QTest::mousePress(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    QTest::mouseRelease(Edit.viewport(), Qt::LeftButton, {}, PointAt(1));
    QTest::mouseRelease(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(RichEdit, ReadOnlyViewerStillReportsLinks)
{
    Edit.SetReadOnly(true);
    Edit.LoadFromText("mailto:me@x.example");
    Edit.show();
    QTest::mouseClick(Edit.viewport(), Qt::LeftButton, {}, OnLink(0));
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0].first, QStringLiteral("mailto:me@x.example"));
}

TEST_F(RichEdit, ARightClickOpensNoMenu)
{
    Edit.SetReadOnly(true);
    Edit.LoadFromText("some help text");
    Edit.show();
    // A menu would run its own loop; look for it from inside that loop and close it.
    QWidget* menu = nullptr;
    QTimer::singleShot(200, [&menu]() {
        if ((menu = QApplication::activePopupWidget()))
            menu->close();
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, PointAt(1), Edit.viewport()->mapToGlobal(PointAt(1)));
    QApplication::sendEvent(Edit.viewport(), &request);
    QTest::qWait(300);
    EXPECT_EQ(menu, nullptr);
}

TEST_F(RichEdit, WithoutLinkDetectionNoLinkFires)
{
    Edit.LoadFromText("http://a.example");
    Edit.show();
    const QPoint at = OnLink(0);
    Edit.SetAutoURLDetect(false);
    EXPECT_TRUE(Edit.Links().empty());
    QTest::mouseClick(Edit.viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(Clicks.empty());
    Edit.SetAutoURLDetect(true);
    EXPECT_EQ(Edit.Links().size(), 1u);
}

TEST_F(RichEdit, LinkMarksDoNotChangeTheSavedText)
{
    Edit.LoadFromText("{\\rtf1 see http://a.example}");
    const std::string withLinks = Edit.SaveToText();
    Edit.SetAutoURLDetect(false);
    EXPECT_EQ(Edit.SaveToText(), withLinks);
    EXPECT_EQ(withLinks.find("\\ul"), std::string::npos);
}

} // namespace
