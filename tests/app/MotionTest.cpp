// Cards that move, on the main window over the test skin: the frames of a
// flip, the computer's pace, the turn-back delay counted from the second
// face shown, the same game with and without motion, and the score strip.
// A clock of the test's own drives the movement frame by frame.
#include "Support/TestSkin.h"

#include "app/BoardGrid.h"
#include "app/CardAnimator.h"
#include "app/FaceOverlay.h"
#include "app/MainF.h"
#include "app/MotionView.h"
#include "app/ScoreStrip.h"
#include "controls/LumImageMap.h"
#include "resources/LumRes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The window, with a note of every call that reaches it from the engine's side.
class TRecordingForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    std::map<std::string, std::vector<std::string>> Calls; // by kind, in order

    void DrawCard(std::int32_t col, std::int32_t row) override
    {
        Note("draw", col, row, Game().CellState[row][col]);
        TMainForm::DrawCard(col, row);
    }
    void ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row) override
    {
        Note("overlay", phase, col, row);
        TMainForm::ShowFaceOverlay(phase, col, row);
    }
    void SetPlayerLabel(const std::string& text) override
    {
        Calls["label"].push_back(text);
        TMainForm::SetPlayerLabel(text);
    }
    void StartTurnTimer(std::int32_t intervalMs) override
    {
        Note("timer", intervalMs);
        TMainForm::StartTurnTimer(intervalMs);
    }
    void PlaySound(TGameSound sound) override
    {
        Note("sound", static_cast<int>(sound));
        TMainForm::PlaySound(sound);
    }
    void ShowScoreWindow() override
    {
        Note("score");
        TMainForm::ShowScoreWindow();
    }

private:
    template <class... T> void Note(const std::string& kind, T... values)
    {
        std::string line;
        ((line += std::to_string(values) + " "), ...);
        Calls[kind].push_back(line);
    }
};

class TMotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = FreshTestFolder();
        setenv("XDG_CONFIG_HOME", (Folder / "config").c_str(), 1);
        setenv("XDG_STATE_HOME", (Folder / "state").c_str(), 1);
        WriteTestSkin(Folder);
    }

    // Deals a game of the set with the computer and the humans named.
    void Play(const TTestSet& set, bool motion, std::vector<QString> humans, bool computer = true)
    {
        WriteTestSet(Folder, set);
        TLumResFileReader skin((Folder / "kobalind.dat").string());
        Form = std::make_unique<TRecordingForm>(skin, Folder.string() + "/", TWorkArea {0, 0, 1024, 738});
        Form->OnShowScore = []() {};
        Form->Random().Clock = []() { return 4242u; }; // the same deal every time
        Form->Motion->Animator().SetClock([this]() { return Now; });
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        Form->PanelMapMapClick(QStringLiteral("options"));
        Form->MotionCheck->setChecked(motion);
        Form->ComputerCheck->setChecked(computer);
        Form->DelayBox->setCurrentIndex(2);
        humans.resize(4);
        for (std::size_t i = 0; i < 4; ++i)
            Form->PlayerEdits[i]->setText(humans[i]);
        Form->PanelMapMapClick(QStringLiteral("play"));
        ASSERT_TRUE(Form->Game().GameActive);
    }
    // The clock moves on; the frames due by then are painted.
    void Wait(std::int64_t ms)
    {
        Now += ms;
        Form->Motion->Animator().Tick();
    }
    QRgb Pixel(int col, int row, double across)
    {
        const QImage board = Form->MGrid->grab().toImage();
        const QRect cell = Form->MGrid->CellRect(col, row);
        return board.pixel(cell.left() + static_cast<int>(cell.width() * across), cell.center().y());
    }
    QRgb Face(int col, int row) { return TestFaceColour(Form->Game().CellPair[row][col] - 1); }
    void FireTimer()
    {
        Form->Timer1->stop();
        Form->Game().close_pair();
    }

    fs::path Folder;
    std::unique_ptr<TRecordingForm> Form;
    std::int64_t Now = 1000;
};

TEST_F(TMotionTest, AFlipNarrowsTheBackToAnEdgeThenWidensTheFaceForStillAndAnimatedFaces)
{
    for (const std::int32_t faceType : {0, 1}) {
        SCOPED_TRACE(faceType);
        TTestSet set;
        set.FaceType = faceType;
        set.Width = 80;
        set.Height = 60;
        Play(set, true, {QStringLiteral("Ann"), QStringLiteral("Bob")}, false);
        Form->MGrid->PressCell(0, 0);
        // A quarter in: the back, narrowed to cos 45 degrees of the card, about the middle.
        Wait(FlipMs / 4);
        EXPECT_EQ(Pixel(0, 0, 0.5), BackColour);
        EXPECT_EQ(Pixel(0, 0, 0.1), BoardColour);
        EXPECT_FALSE(Form->Panel1->isVisible());
        // Three quarters: the face as narrow; an animated face still waits to play.
        Wait(FlipMs / 2);
        EXPECT_EQ(Pixel(0, 0, 0.5), Face(0, 0));
        EXPECT_EQ(Pixel(0, 0, 0.1), BoardColour);
        EXPECT_FALSE(Form->Panel1->isVisible());
        Wait(FlipMs / 4);
        EXPECT_EQ(Form->Panel1->isVisible(), faceType == 1);
        if (faceType != 1)
            EXPECT_EQ(Pixel(0, 0, 0.1), Face(0, 0));
        EXPECT_FALSE(Form->Motion->Animator().TimerRunning()); // nothing moves: nothing wakes
        Form.reset();
    }
}

TEST_F(TMotionTest, TheComputerShowsItsFirstCardBeforeItsSecondAndTheDelayCountsFromTheSecond)
{
    Play({}, true, {QStringLiteral("Ann")});
    TGame& game = Form->Game();
    // The engine turned both at the deal; the window shows them one by one.
    ASSERT_EQ(game.TurnPhase, 3);
    const CardRef first = game.Selection[1];
    const CardRef second = game.Selection[2];
    EXPECT_EQ(Pixel(first.Col, first.Row, 0.5), BackColour);
    Wait(FlipMs);
    EXPECT_EQ(Pixel(first.Col, first.Row, 0.5), Face(first.Col, first.Row));
    EXPECT_EQ(Pixel(second.Col, second.Row, 0.5), BackColour);
    EXPECT_FALSE(Form->Timer1->isActive());
    // A click meanwhile is the engine's to refuse: two cards are up.
    Form->MGrid->PressCell(first.Col == 0 && first.Row == 0 ? 1 : 0, 0);
    EXPECT_EQ(game.TurnPhase, 3);

    Wait(ComputerPaceMs - FlipMs + FlipMs / 4);
    EXPECT_EQ(Pixel(second.Col, second.Row, 0.5), BackColour) << "the second card is turning";
    EXPECT_EQ(Pixel(second.Col, second.Row, 0.1), BoardColour) << "the second card is turning";
    EXPECT_FALSE(Form->Timer1->isActive());
    Wait(FlipMs * 3 / 4 - 1);
    EXPECT_FALSE(Form->Timer1->isActive()) << "the delay began before the second face showed";
    Wait(1);
    EXPECT_EQ(Pixel(second.Col, second.Row, 0.5), Face(second.Col, second.Row));
    // From here on the players have the whole delay they chose.
    ASSERT_TRUE(Form->Timer1->isActive());
    EXPECT_EQ(Form->Timer1->interval(), game.TurnDelay());
    EXPECT_EQ(Form->Calls["timer"].size(), 1u);
}

// The computer against Ann, who turns the first face-down cards she finds:
// the same calls reach the window in the same order, and the game ends the same.
TEST_F(TMotionTest, AWholeGameWithMotionIsTheSameGameAsWithout)
{
    std::vector<std::string> finals;
    std::map<std::string, std::vector<std::string>> calls[2];
    for (const bool motion : {false, true}) {
        Play({}, motion, {QStringLiteral("Ann")});
        TGame& game = Form->Game();
        int turns = 0;
        while (game.GameActive && turns < 400) {
            if (Form->Timer1->isActive()) {
                // The delay starts only when nothing turns up any more.
                EXPECT_FALSE(Form->Motion->Animator().AnyMoving(TMotionKind::FlipUp));
                FireTimer();
                ++turns;
            } else if (game.InputEnabled && game.TurnPhase < 3 && game.CurrentPlayer == 2) {
                // Ann's clicks land in the middle of the cards' movements.
                for (int cell = 0; cell < game.Rows * game.Cols; ++cell)
                    if (game.CellState[cell / game.Cols][cell % game.Cols] == CellFaceDown) {
                        Form->MGrid->PressCell(cell % game.Cols, cell / game.Cols);
                        break;
                    }
            }
            Wait(FlipMs / 3);
        }
        ASSERT_FALSE(game.GameActive) << "the game did not end";
        EXPECT_TRUE(Form->Motion->Animator().Idle());
        std::string final;
        for (int i = 1; i <= 2; ++i)
            final += game.Players[i].Name + " " + std::to_string(game.Players[i].Score) + " ";
        final += std::to_string(game.Moves) + " " + std::to_string(Form->Random().Seed);
        finals.push_back(final);
        calls[motion] = Form->Calls;
        Form.reset();
    }
    EXPECT_EQ(finals[0], finals[1]);
    for (const char* kind : {"draw", "label", "sound", "timer", "score"})
        EXPECT_EQ(calls[0][kind], calls[1][kind]) << kind;
    EXPECT_EQ(calls[1]["score"].size(), 1u);
}

TEST_F(TMotionTest, TheScoreStripListsEveryPlayerAndMarksWhoIsOnMove)
{
    const QString longName(32, QLatin1Char('W'));
    Play({}, false, {QStringLiteral("Ann"), longName, QStringLiteral("Cid"), QStringLiteral("Dee")});
    const TScoreStrip& strip = *Form->ScoreStrip;
    ASSERT_TRUE(strip.isVisible());
    ASSERT_EQ(strip.Count(), 5);
    // Between the bar's "About" and "Options".
    const auto area = [this](const char* name) {
        return Form->PanelMap->Area(Form->PanelMap->IndexOfArea(QString::fromLatin1(name))).AreaRect.ToQRect();
    };
    EXPECT_GT(strip.x(), area("reg").right());
    EXPECT_LT(strip.geometry().right(), area("options").left());
    // Only the long name gives way, and every entry fits its share, side by side.
    TGame& game = Form->Game();
    EXPECT_EQ(strip.ShownEntry(1), QStringLiteral("Computer %1").arg(game.Players[1].Score));
    EXPECT_EQ(strip.ShownEntry(2), QStringLiteral("Ann 0"));
    EXPECT_TRUE(strip.ShownEntry(3).startsWith(QStringLiteral("WW"))) << strip.ShownEntry(3).toStdString();
    EXPECT_TRUE(strip.ShownEntry(3).endsWith(QStringLiteral("\u2026 0"))) << strip.ShownEntry(3).toStdString();
    EXPECT_EQ(strip.ShownEntry(4), QStringLiteral("Cid 0"));
    EXPECT_EQ(strip.ShownEntry(5), QStringLiteral("Dee 0"));
    EXPECT_EQ(strip.EntryRect(1).left(), 0);
    for (int i = 1; i <= 5; ++i) {
        QFont face = strip.font();
        face.setBold(i == strip.Current());
        EXPECT_LE(QFontMetrics(face).horizontalAdvance(strip.ShownEntry(i)), strip.EntryRect(i).width()) << i;
        if (i > 1)
            EXPECT_EQ(strip.EntryRect(i).left(), strip.EntryRect(i - 1).right() + 1) << i;
    }
    EXPECT_LE(strip.EntryRect(5).right(), strip.width() - 1);
    EXPECT_EQ(strip.Current(), 1);

    // After the computer's turns the strip follows the status line.
    FireTimer();
    while (game.CurrentPlayer == 1 && game.GameActive)
        FireTimer();
    EXPECT_EQ(strip.Current(), 2);
    EXPECT_EQ(strip.text().toStdString(),
              "Computer " + std::to_string(game.Players[1].Score) + (game.Players[1].Score == 1 ? " pair" : " pairs")
                  + ", Ann 0 pairs, " + longName.toStdString() + " 0 pairs, Cid 0 pairs, Dee 0 pairs; Ann to play");
    // Ann finds a pair: it counts at once.
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < game.Rows; ++row)
        for (int col = 0; col < game.Cols; ++col)
            if (game.CellState[row][col] == CellFaceDown && cells.size() < 2
                && (cells.empty() || game.CellPair[row][col] == game.CellPair[cells[0].second][cells[0].first]))
                cells.emplace_back(col, row);
    ASSERT_EQ(cells.size(), 2u);
    Form->MGrid->PressCell(cells[0].first, cells[0].second);
    Form->MGrid->PressCell(cells[1].first, cells[1].second);
    EXPECT_EQ(strip.ShownEntry(2), QStringLiteral("Ann 1"));

    Form->PanelMapMapClick(QStringLiteral("options"));
    EXPECT_FALSE(strip.isVisible());
}

} // namespace
