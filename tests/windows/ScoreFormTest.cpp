#include "WindowsTestSupport.h"
#include "../game/NullView.h"

#include "game/Game.h"
#include "resources/Bitmap.h"
#include "windows/Image.h"
#include "windows/Label.h"
#include "windows/scoref.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScoreForm : public ::testing::Test {
protected:
    ScoreForm() : Game(View, Settings, Random), Form(Skin.Reader, Game)
    {
        Game.Players[1] = {"Ann", 3};
        Game.Players[2] = {"Bob", 5};
        Game.PlayerCount = 2;
        Game.WinnerText = "Bob";
    }
    QStringList Column(int first) const
    {
        QStringList texts;
        for (int n = first; n < first + 5; ++n)
            texts << Form.Label(n)->text();
        return texts;
    }

    TNullView View;
    TSettings Settings;
    TRandom Random;
    TGame Game;
    TTestSkin Skin;
    TScoreForm Form;
};

TEST_F(ScoreForm, TwoPlayerGameFillsTwoRowsAndBlanksTheRest)
{
    Form.show();
    EXPECT_EQ(Column(1), (QStringList{"Ann", "Bob", "", "", ""}));
    EXPECT_EQ(Column(7), (QStringList{"3", "5", "0", "0", "0"}));
    EXPECT_EQ(Form.Label(13)->text(), QStringLiteral("The winner is: \u2068Bob\u2069"));
}

TEST_F(ScoreForm, EveryShowingRebuildsTheRowsFromTheGame)
{
    Form.show();
    Form.hide();
    Form.show();
    EXPECT_EQ(Column(1), (QStringList{"Ann", "Bob", "", "", ""}));
    EXPECT_EQ(Column(7), (QStringList{"3", "5", "0", "0", "0"}));
    Form.hide();
    Game.Players[2] = {};
    Game.Players[1].Score = 8;
    Game.WinnerText = "Ann";
    Form.show();
    EXPECT_EQ(Column(1), (QStringList{"Ann", "", "", "", ""}));
    EXPECT_EQ(Column(7), (QStringList{"8", "0", "0", "0", "0"}));
    EXPECT_EQ(Form.Label(13)->text(), QStringLiteral("The winner is: \u2068Ann\u2069"));
}

TEST_F(ScoreForm, MarkupInNamesIsShownAsTyped)
{
    Game.Players[1].Name = "Ann <b>x</b>";
    Game.WinnerText = "<img src=x>";
    Form.show();
    // Read as markup, the tags would vanish and the labels be narrower.
    for (int n : {1, 13}) {
        const QString text = Form.Label(n)->text();
        EXPECT_GE(Form.Label(n)->width(), Form.Label(n)->fontMetrics().horizontalAdvance(text)) << n;
    }
    EXPECT_EQ(Form.Label(1)->text(), QStringLiteral("Ann <b>x</b>"));
    // A right-to-left winner does not turn the line around.
    Game.WinnerText = "\u0645\u062d\u0645\u062f";
    Form.show();
    EXPECT_FALSE(Form.Label(13)->text().isRightToLeft());
}

TEST_F(ScoreForm, LabelsArePlacedAndYellow)
{
    Form.show();
    EXPECT_EQ(Form.Label(6)->text(), QStringLiteral("Players:"));
    EXPECT_EQ(Form.Label(12)->text(), QStringLiteral("Pairs:"));
    EXPECT_EQ(Form.Label(6)->pos(), QPoint(32, 60));
    EXPECT_EQ(Form.Label(12)->pos(), QPoint(150, 60));
    const int tops[] = {88, 108, 126, 144, 162};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Form.Label(1 + row)->pos(), QPoint(24, tops[row]));
        EXPECT_EQ(Form.Label(7 + row)->geometry().left(), 148);
        EXPECT_EQ(Form.Label(7 + row)->geometry().right() + 1, 180);
        EXPECT_TRUE(Form.Label(7 + row)->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(Form.Label(13)->pos(), QPoint(24, 198));
    for (int n = 1; n <= 13; ++n)
        EXPECT_EQ(Form.Label(n)->palette().color(QPalette::WindowText), QColor(255, 255, 0)) << n;
}

TEST_F(ScoreForm, LongNamesAndTheWinnerLineStopShortOfWhatLiesBesideThem)
{
    Form.show();
    const QImage shortNames = Form.grab().toImage();
    Form.hide();
    const std::string longName(50, 'W');
    Game.Players[1].Name = longName;
    Game.Players[2].Name = "Bob " + longName;
    Game.WinnerText = longName;
    Form.show();
    for (int n : {1, 2, 13}) {
        EXPECT_TRUE(Form.Label(n)->text().contains(QChar(0x2026))) << Form.Label(n)->text().toStdString();
        EXPECT_TRUE(Form.Label(n)->text().contains(QStringLiteral("WWW"))) << n;
    }
    EXPECT_LT(Form.Label(1)->geometry().right(), Form.Label(7)->x());
    EXPECT_LT(Form.Label(13)->geometry().right(), Form.AdImage->x());
    // Beside the names and the winner line the window looks as it does with
    // short ones: the pairs column and the advertisement are untouched.
    const QImage longNames = Form.grab().toImage();
    const QRect besideNames(Form.Label(7)->x() - 4, 88, 395 - Form.Label(7)->x() + 4, 40);
    const QRect besideWinner(Form.AdImage->x() - 4, 198, 395 - Form.AdImage->x() + 4, 20);
    for (const QRect& part : {besideNames, besideWinner})
        EXPECT_EQ(longNames.copy(part), shortNames.copy(part)) << part.x() << "," << part.y();
}

TEST_F(ScoreForm, RecordLinesStandUnderTheAdvertisementWholeUnlessTooLongForTheWindow)
{
    const QString best = QStringLiteral("Best: \u2068Alice\u2069, 15 pairs in 113 moves");
    const QString level = QStringLiteral("Computer memory 10 of 10: won 1234, lost 5678");
    Form.SetRecordLines({best.toStdString(), level.toStdString()});
    Form.show();
    const std::array<TLabel*, 2>& lines = Form.RecordLabels;
    EXPECT_EQ(lines[0]->text(), best);
    EXPECT_EQ(lines[1]->text(), level);
    EXPECT_GT(lines[0]->y(), Form.Label(13)->geometry().bottom());
    EXPECT_GT(lines[0]->y(), Form.AdImage->geometry().bottom());
    EXPECT_GT(lines[1]->y(), lines[0]->geometry().bottom());
    EXPECT_LT(lines[1]->geometry().bottom(), 259);
    for (const TLabel* line : lines)
        EXPECT_LT(line->geometry().right(), Form.CloseBtn->x());
    EXPECT_EQ(lines[1]->palette().color(QPalette::WindowText), QColor(255, 255, 0));

    // Too long even for the window's width: the name gives way, the counts stay.
    Form.SetRecordLines({"Best: \u2068" + std::string(32, 'W') + "\u2069, 15 pairs in 113 moves"});
    EXPECT_TRUE(lines[0]->text().contains(QChar(0x2026)));
    EXPECT_TRUE(lines[0]->text().endsWith(QStringLiteral(", 15 pairs in 113 moves")));
    EXPECT_LT(lines[0]->geometry().right(), Form.CloseBtn->x());
    Form.SetRecordLines({});
    EXPECT_TRUE(lines[0]->text().isEmpty() && lines[1]->text().isEmpty());
}

TEST_F(ScoreForm, TitleIsCentred)
{
    EXPECT_EQ(Form.TitleImage->geometry(), QRect((395 - ScoreTitleWidth) / 2, 29, ScoreTitleWidth, 16));
}

TEST_F(ScoreForm, AdvertisementShowsTheSetsPictureAndOpensItsLinkIfAny)
{
    Form.show();
    const QImage withoutAd = Form.grab().toImage();
    Form.hide();
    TBitmap ad(10, 10);
    for (std::uint32_t& pixel : ad.EditPixels().Pixels)
        pixel = 0xFF204080;
    ad.EditPixels().At(0, 0) = 0; // see-through: a rounded picture's corner
    Form.SetAdvertisement(ad, "http://ad.example/set");
    std::vector<std::string> opened;
    Form.OnOpenLink = [&](const std::string& link) { opened.push_back(link); };
    Form.show();
    EXPECT_EQ(Form.AdImage->geometry(), QRect(200, 50, 178, 170)); // stretched, not resized
    EXPECT_EQ(Form.AdImage->Hint(), QStringLiteral("http://ad.example/set"));
    EXPECT_EQ(Form.AdImage->cursor().shape(), Qt::PointingHandCursor);
    const QImage shown = Form.grab().toImage();
    EXPECT_EQ(shown.pixelColor(370, 210), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(shown.pixel(201, 51), withoutAd.pixel(201, 51)); // the window shows through
    QTest::mouseClick(Form.AdImage, Qt::LeftButton, {}, {80, 80});
    EXPECT_EQ(opened, std::vector<std::string>{"http://ad.example/set"});

    // A set without a link: a click opens nothing (and reports no failure).
    Form.SetAdvertisement(ad, "");
    QTest::mouseClick(Form.AdImage, Qt::LeftButton, {}, {80, 80});
    EXPECT_EQ(opened.size(), 1u);
}

} // namespace
