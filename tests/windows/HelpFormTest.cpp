#include "HelpLanguageCheck.h"
#include "WindowsTestSupport.h"

#include "windows/Image.h"
#include "windows/LumRichEdOLE.h"
#include "windows/RtfReader.h"
#include "windows/helpf.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(HelpDocument, ReadsAsTheGamesHelpText)
{
    const TRtfDocument doc = ReadRtf(Joined(Thelpform::HelpDocument()));
    EXPECT_EQ(doc.CodePage, 1250);
    EXPECT_EQ(doc.Language, 1050);
    ASSERT_EQ(doc.Fonts.size(), 3u);
    EXPECT_EQ(doc.Fonts[0], (TRtfFont{0, "MS Shell Dlg", "", 238, "nil"}));
    EXPECT_EQ(doc.Fonts[1], (TRtfFont{1, "Arial CE", "Arial", 238, "swiss"}));
    EXPECT_EQ(doc.Fonts[2].Name, "MS Sans Serif");
    ASSERT_EQ(doc.Colors.size(), 3u);
    EXPECT_EQ(doc.Colors[1], (TRtfColor{255, 0, 0, false}));
    EXPECT_EQ(doc.Colors[2], (TRtfColor{0, 0, 0, false}));

    ASSERT_EQ(doc.Paragraphs.size(), 9u);
    EXPECT_TRUE(doc.Paragraphs[0].Runs.empty());
    EXPECT_EQ(doc.Paragraphs[0].EndFormat.Font, 0);
    EXPECT_EQ(doc.Paragraphs[0].EndFormat.FontSize, 16);

    const TRtfParagraph& first = doc.Paragraphs[1];
    EXPECT_EQ(first.LeftIndent, 142);
    ASSERT_EQ(first.Runs.size(), 2u);
    EXPECT_EQ(first.Runs[0].Text, U"Using the Game");
    EXPECT_EQ(first.Runs[0].Format, (TRtfCharFormat{true, false, false, 1, 20, 1}));
    EXPECT_EQ(first.Runs[1].Format, (TRtfCharFormat{false, false, false, 1, 20, 2}));
    EXPECT_TRUE(first.Runs[1].Text.starts_with(U" is fairly straight forward."));

    const TRtfParagraph& second = doc.Paragraphs[2];
    EXPECT_EQ(second.LeftIndent, 142);
    EXPECT_TRUE(second.Runs[0].Text.starts_with(U"Up to four players"));
    EXPECT_TRUE(second.Runs[0].Text.ends_with(U"when clicked."));
    // Then keyboard play, resuming a game and the records, each led in as the first paragraph is.
    const std::u32string topics[] = {U"Keyboard", U"Resuming", U"Records"};
    for (std::size_t i = 0; i < 3; ++i) {
        const TRtfParagraph& topic = doc.Paragraphs[3 + i];
        ASSERT_EQ(topic.Runs.size(), 2u) << i;
        EXPECT_EQ(topic.Runs[0].Text, topics[i]);
        EXPECT_EQ(topic.Runs[0].Format, first.Runs[0].Format);
        EXPECT_EQ(topic.Runs[1].Format, first.Runs[1].Format);
        EXPECT_EQ(topic.LeftIndent, 142);
    }
    EXPECT_NE(doc.Paragraphs[3].Runs[1].Text.find(U"arrow keys"), std::u32string::npos);
    EXPECT_TRUE(doc.Paragraphs[6].Runs.empty() && doc.Paragraphs[7].Runs.empty());
    EXPECT_EQ(doc.Paragraphs[8].LeftIndent, 0);
    EXPECT_EQ(doc.Paragraphs[8].EndFormat, (TRtfCharFormat{false, false, false, 2, 16, 0}));
}

TEST(HelpDocument, ATranslatedParagraphKeepsItsHeadingAndItsLettersAndTheRestStaysEnglish)
{
    // The test language translates only the keyboard paragraph, with Polish and Russian letters and RTF's specials.
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(TEST_TRANSLATIONS_DIR "/kobalind_xx.qm")));
    EXPECT_EQ(HelpLanguageProblems(translator), std::vector<std::string>{});
    QTranslator broken; // its heading lost its end
    ASSERT_TRUE(broken.load(QStringLiteral(TEST_TRANSLATIONS_DIR "/kobalind_zz.qm")));
    EXPECT_EQ(HelpLanguageProblems(broken),
              std::vector<std::string>{"paragraph 3 is not laid out as the English one (a heading's <b> or </b> lost?)"});

    const TRtfDocument english = ReadRtf(Joined(Thelpform::HelpDocument()));
    QCoreApplication::installTranslator(&translator);
    const TRtfDocument translated = ReadRtf(Joined(Thelpform::HelpDocument()));
    QCoreApplication::removeTranslator(&translator);
    const TRtfParagraph& keyboard = translated.Paragraphs.at(3);
    ASSERT_EQ(keyboard.Runs.size(), 2u);
    EXPECT_EQ(keyboard.Runs[0].Text, U"Клавиатура");
    EXPECT_EQ(keyboard.Runs[0].Format, english.Paragraphs[3].Runs[0].Format);
    EXPECT_EQ(keyboard.Runs[1].Text, U": Tab przełącza {planszę} i przyciski \\ Ёж.");
    EXPECT_EQ(translated.Paragraphs[1], english.Paragraphs[1]);
}

class HelpForm : public ::testing::Test {
protected:
    HelpForm() : Form(Skin.Reader)
    {
        Form.OnOpenLink = [this](const std::string& link) { Opened.push_back(link); };
        Form.OnSendMail = [this](const std::string& mail) { Mailed.push_back(mail); };
    }

    TTestSkin Skin;
    Thelpform Form;
    std::vector<std::string> Opened, Mailed;
};

TEST_F(HelpForm, ViewerShowsTheFormattedDocument)
{
    TLumRichEditOLE& edit = *Form.LumRichEdit1;
    EXPECT_EQ(edit.geometry(), QRect(18, 52, 357, 167));
    EXPECT_EQ(Form.LumStrings1.Lines, Thelpform::HelpDocument());
    ASSERT_EQ(edit.Lines().Count(), 9);
    EXPECT_TRUE(edit.Lines().Strings(1).startsWith(QStringLiteral("Using the Game is fairly")));
    EXPECT_TRUE(edit.Links().empty());

    QTextCursor cursor(edit.document()->findBlockByNumber(1));
    cursor.setPosition(cursor.position() + 3, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    EXPECT_EQ(edit.SelAttributes().Color(), QColor(255, 0, 0));
    EXPECT_TRUE(edit.SelAttributes().Style().Bold);
    EXPECT_EQ(edit.SelAttributes().Name(), QStringLiteral("Arial CE"));
    EXPECT_EQ(edit.SelAttributes().Size(), 10.0);
    EXPECT_EQ(edit.Paragraph().LeftIndent(), 142);

    cursor.setPosition(cursor.block().position() + 20);
    edit.setTextCursor(cursor);
    EXPECT_EQ(edit.SelAttributes().Color(), QColor(0, 0, 0));
    EXPECT_FALSE(edit.SelAttributes().Style().Bold);
}

TEST_F(HelpForm, ViewerIsReadOnlyWithAVerticalScrollBar)
{
    TLumRichEditOLE& edit = *Form.LumRichEdit1;
    Form.show();
    const QString before = edit.toPlainText();
    edit.setFocus();
    QTest::keyClicks(&edit, "typed");
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.toPlainText(), before);
    EXPECT_TRUE(edit.ReadOnly());
    EXPECT_EQ(edit.ScrollBars(), ssVertical);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(HelpForm, LinksGoToMailOrTheBrowserAndOnlyForTheLeftButton)
{
    Form.LumRichEdit1URLClick(nullptr, QStringLiteral("mailto:help@orvane.example"), Qt::LeftButton);
    Form.LumRichEdit1URLClick(nullptr, QStringLiteral("http://www.orvane.example"), Qt::LeftButton);
    Form.LumRichEdit1URLClick(nullptr, QStringLiteral("Mailto:x@orvane.example"), Qt::LeftButton);
    Form.LumRichEdit1URLClick(nullptr, QStringLiteral("http://right.example"), Qt::RightButton);
    EXPECT_EQ(Mailed, std::vector<std::string>{"mailto:help@orvane.example"});
    EXPECT_EQ(Opened, (std::vector<std::string>{"http://www.orvane.example", "Mailto:x@orvane.example"}));
}

TEST_F(HelpForm, ClickedMailLinkInTheTextGoesToSendMail)
{
    TLumRichEditOLE& edit = *Form.LumRichEdit1;
    edit.LoadFromText("{\\rtf1 Write to mailto:help@orvane.example today}");
    Form.show();
    ASSERT_EQ(edit.Links().size(), 1u);
    const int middle = static_cast<int>(edit.Links()[0].Start) + 4;
    QTextCursor cursor(edit.document());
    cursor.setPosition(middle);
    const QPoint at = edit.cursorRect(cursor).center() + QPoint(2, 0);
    QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Mailed, std::vector<std::string>{"mailto:help@orvane.example"});
    EXPECT_TRUE(Opened.empty());
}

TEST_F(HelpForm, TitleIsCentred)
{
    EXPECT_EQ(Form.TitleImage->pos(), QPoint((395 - HelpTitleWidth) / 2, 29));
}

} // namespace
