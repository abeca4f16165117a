// The main window built over a test skin and test card sets, driven by
// clicks as a player would: the faces, the options panel and whole games.
#include "PrivateFolders.h"
#include "Support/TestSkin.h"

#include "app/Accessibility.h"
#include "app/BoardGrid.h"
#include "app/FaceOverlay.h"
#include "app/GameFiles.h"
#include "app/MainF.h"
#include "app/Settings.h"
#include "app/StatusLine.h"
#include "game/CardShape.h"
#include "controls/LumCursors.h"
#include "controls/LumImageCtrl.h"
#include "controls/LumImageMap.h"
#include "resources/LumRes.h"
#include "platform/AtomicFile.h"
#include "windows/Image.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const TWorkArea WorkArea1024 {0, 0, 1024, 738};

// How a pixel of a w x h card lies against its rounded outline: 0 wholly
// outside, 2 wholly inside, 1 on the edge. The outline is the rectangle
// shrunk by r on each side, grown again by a disc of radius r.
int OutlineCover(int x, int y, int w, int h)
{
    const double r = CardCornerRadius(w, h);
    const auto gap = [r](double low, double high, double size) {
        return std::max({r - high, 0.0, low - (size - r)});
    };
    if (std::hypot(gap(x, x + 1, w), gap(y, y + 1, h)) >= r)
        return 0;
    for (const double cx : {x, x + 1})
        for (const double cy : {y, y + 1})
            if (std::hypot(gap(cx, cx, w), gap(cy, cy, h)) > r)
                return 1;
    return 2;
}

// Checks every pixel of a card drawn at rect in image: the board outside its
// outline, the card's colour inside; edge pixels are blends and not checked.
void ExpectCardOnBoard(const QImage& image, const QRect& rect, QRgb card, const char* what)
{
    int wrong = 0;
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x) {
            const int cover = OutlineCover(x, y, rect.width(), rect.height());
            if (cover != 1 && image.pixel(rect.left() + x, rect.top() + y) != (cover == 0 ? BoardColour : card))
                ++wrong;
        }
    EXPECT_EQ(wrong, 0) << what << " at " << rect.x() << "," << rect.y();
}

class TMainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = FreshTestFolder();
        UsePrivateFolders(Folder);
        WriteTestSkin(Folder);
    }
    void TearDown() override { Form.reset(); }

    void Create()
    {
        TLumResFileReader skin((Folder / "kobalind.dat").string());
        Form = std::make_unique<TMainForm>(skin, Folder.string() + "/", WorkArea1024);
        Form->OnMessage = [this](const std::string& text) {
            Messages.push_back(text);
            PairsAtMessage.push_back(Form->PairsBox->currentText().toStdString());
        };
        Form->OnAsk = [this](const std::string& text) {
            Questions.push_back(text);
            return Answer;
        };
        Form->OnShowScore = [this]() {
            ++ScoreWindows;
            WinnerAtScore = Form->Game().WinnerText;
        };
        // These tests look at each state as soon as it is reached: cards do not move.
        Form->MotionCheck->setChecked(false);
        Form->Settings().MotionOn = false;
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        QCoreApplication::processEvents();
    }

    // A click in the middle of a map's named area.
    void ClickArea(TLumImageMap* map, const char* name)
    {
        const int index = map->IndexOfArea(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        QTest::mouseClick(map, Qt::LeftButton, {}, map->Area(index).AreaRect.ToQRect().center());
    }
    void ClickCell(int col, int row)
    {
        QTest::mouseClick(Form->MGrid, Qt::LeftButton, {}, Form->MGrid->CellRect(col, row).center());
    }
    // Runs the turn timer out at once, through its own timeout.
    // (The computer's next move may start it again at once.)
    void FireTimer()
    {
        ASSERT_TRUE(Form->Timer1->isActive());
        int fired = 0;
        const auto counter = QObject::connect(Form->Timer1, &QTimer::timeout, [&fired]() { ++fired; });
        Form->Timer1->start(0);
        const bool ran = QTest::qWaitFor([&fired]() { return fired > 0; }, 2000);
        QObject::disconnect(counter);
        ASSERT_TRUE(ran);
    }
    // The two cells of every pair, read from the deal.
    std::map<int, std::vector<std::pair<int, int>>> PairCells()
    {
        std::map<int, std::vector<std::pair<int, int>>> cells;
        TGame& game = Form->Game();
        for (int row = 0; row < game.Rows; ++row)
            for (int col = 0; col < game.Cols; ++col)
                cells[game.CellPair[row][col]].emplace_back(col, row);
        return cells;
    }
    QRgb GridPixel(int col, int row)
    {
        const QImage image = Form->MGrid->grab().toImage();
        return image.pixel(Form->MGrid->CellRect(col, row).center());
    }
    // Ann and Bob, without the computer, play a deal of the set; returns its pair cells.
    std::map<int, std::vector<std::pair<int, int>>> DealForHumans(const TTestSet& set)
    {
        WriteTestSet(Folder, set);
        Create();
        SetUpHumans("Ann", "Bob");
        ClickArea(Form->PanelMap, "play");
        return PairCells();
    }
    void SetUpHumans(const char* first, const char* second)
    {
        ClickArea(Form->PanelMap, "options");
        Form->ComputerCheck->setChecked(false);
        Form->PlayerEdits[0]->setText(QString::fromUtf8(first));
        Form->PlayerEdits[1]->setText(QString::fromUtf8(second));
        Form->PlayerEdits[2]->clear();
        Form->PlayerEdits[3]->clear();
    }

    fs::path Folder;
    std::unique_ptr<TMainForm> Form;
    std::vector<std::string> Messages;
    std::vector<std::string> PairsAtMessage;
    std::vector<std::string> Questions;
    bool Answer = true;
    int ScoreWindows = 0;
    std::string WinnerAtScore;
};

TEST_F(TMainFormTest, StartsOnTheWelcomeCoverCentredOnTheWorkArea)
{
    WriteTestSet(Folder, {});
    Create();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Orvane Kobalind 2.06"));
    EXPECT_EQ(Form->size(), QSize(490, 450));
    EXPECT_EQ(Form->pos(), QPoint(267, 144));
    EXPECT_TRUE(Form->CoverPanel->isVisible());
    EXPECT_TRUE(Form->CopyRightImage->isVisible());
    EXPECT_FALSE(Form->MGrid->isVisible());
    EXPECT_FALSE(Form->OptionsPanel->isVisible());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Welcome"));
    EXPECT_EQ(Form->Label1->x(), (490 - Form->Label1->width()) / 2);
    EXPECT_EQ(Form->CoverPanel->pos(), QPoint((490 - 429) / 2, 50));
    // The cover's see-through corners show the window's background.
    const QImage shown = Form->grab().toImage();
    const QRect cover = Form->CoverPanel->geometry();
    for (const QPoint corner : {cover.topLeft(), cover.topRight(), cover.bottomLeft(), cover.bottomRight()}) {
        EXPECT_EQ(shown.pixel(corner), BoardColour);
        EXPECT_EQ(shown.pixel((corner + cover.center()) / 2), CoverColour);
    }
    EXPECT_EQ(Form->OptionsPanel->pos(), QPoint(52, 52));
    EXPECT_EQ(Form->CopyRightImage->pos(), QPoint(145, 361));
    EXPECT_EQ(Form->PanelMap->geometry(), QRect(12, 384, 466, 66));
    EXPECT_EQ(Form->ExitMap->geometry(), QRect(430, 0, 60, 21));
    EXPECT_EQ(Form->CoverLink(), TestCoverLink);
    EXPECT_TRUE(Messages.empty());
    // The two hand cursors come from the program's own pictures.
    for (const TCursor slot : {TCursor(1), TCursor(2)}) {
        const QCursor cursor = CursorFor(slot);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << slot;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << slot;
        EXPECT_EQ(cursor.hotSpot(), QPoint(12, 6)) << slot;
    }
    EXPECT_FALSE(Form->windowIcon().isNull());
    EXPECT_FALSE(Form->SoundAvailable()); // the test folder has no wave files
}

TEST_F(TMainFormTest, AreaNamesAreMatchedWithLetterCase)
{
    WriteTestSet(Folder, {});
    Create();
    Form->PanelMapMapClick(QStringLiteral("Options"));
    Form->PanelMapMapClick(QStringLiteral("PLAY"));
    EXPECT_TRUE(Form->CoverPanel->isVisible());
    EXPECT_FALSE(Form->OptionsPanel->isVisible());
    Form->PanelMapMapClick(QStringLiteral("options"));
    EXPECT_TRUE(Form->OptionsPanel->isVisible());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Set Options"));
}

// Presses on the control, moves the pointer by delta and releases there, with
// global positions as a real pointer gives them while the window moves.
void Drag(QWidget* control, QPoint from, QPoint delta, Qt::MouseButton button)
{
    const QPointF globalFrom = control->mapToGlobal(QPointF(from));
    const QPointF globalTo = globalFrom + QPointF(delta);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), globalFrom, button, button, {});
    QApplication::sendEvent(control, &press);
    QMouseEvent move(QEvent::MouseMove, control->mapFromGlobal(globalTo), globalTo, Qt::NoButton, button, {});
    QApplication::sendEvent(control, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, control->mapFromGlobal(globalTo), globalTo, button,
                        Qt::NoButton, {});
    QApplication::sendEvent(control, &release);
}

TEST_F(TMainFormTest, DraggingTheBackgroundMovesTheWindowButNotFromAButton)
{
    WriteTestSet(Folder, {});
    Create();
    const QPoint start = Form->pos();
    // A press on the button bar outside its areas drags like the background.
    Drag(Form->PanelMap, {200, 5}, {30, 20}, Qt::LeftButton);
    EXPECT_EQ(Form->pos(), start + QPoint(30, 20));
    Drag(Form->BgBevel, {100, 100}, {-10, 5}, Qt::LeftButton);
    EXPECT_EQ(Form->pos(), start + QPoint(20, 25));

    const QPoint before = Form->pos();
    Drag(Form->PanelMap, {200, 5}, {60, 40}, Qt::RightButton);
    EXPECT_EQ(Form->pos(), before);
    // A press on the "reg" area belongs to the map.
    Drag(Form->PanelMap, {30, 15}, {50, 25}, Qt::LeftButton);
    EXPECT_EQ(Form->pos(), before);
}

TEST_F(TMainFormTest, TheStatusLineShowsNamesAsTypedAndDragsTheWindow)
{
    WriteTestSet(Folder, {});
    Create();
    SetUpHumans("Ann <b>x</b>", "Bob");
    ClickArea(Form->PanelMap, "play");
    const QString text = Form->Label1->text();
    EXPECT_EQ(text, QStringLiteral("\u2068Ann <b>x</b>\u2069 (pairs: 0)"));
    EXPECT_GE(Form->Label1->width(), Form->Label1->fontMetrics().horizontalAdvance(text));
    // A right-to-left name stays in its place: the line still reads left to right.
    SetUpHumans("\u0645\u062d\u0645\u062f!", "Bob");
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("\u2068\u0645\u062d\u0645\u062f!\u2069 (pairs: 0)"));
    EXPECT_FALSE(Form->Label1->text().isRightToLeft());

    EXPECT_EQ(Form->Label1->cursor().pixmap().toImage(), CursorFor(TCursor(1)).pixmap().toImage());
    const QPoint start = Form->pos();
    Drag(Form->Label1, {2, 2}, {15, 10}, Qt::LeftButton);
    EXPECT_EQ(Form->pos(), start + QPoint(15, 10));
}

TEST_F(TMainFormTest, AGapInTheNamesIsFilledAndTheNamesAfterItPlay)
{
    WriteTestSet(Folder, {});
    Create();
    SetUpHumans("Ann", "");
    Form->PlayerEdits[2]->setText(QStringLiteral("Cid"));
    ClickArea(Form->PanelMap, "play");
    const TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    EXPECT_EQ(game.PlayerCount, 3);
    EXPECT_EQ(game.Players[2].Name, "Player 2");
    EXPECT_EQ(game.Players[3].Name, "Cid");
}

TEST_F(TMainFormTest, TheTurnDelayNeverEndsEarly)
{
    Create();
    for (int run = 0; run < 4; ++run) {
        QElapsedTimer clock;
        bool fired = false;
        const auto watch = QObject::connect(Form->Timer1, &QTimer::timeout, [&]() {
            fired = true;
            EXPECT_GE(clock.nsecsElapsed(), 200'000'000) << "run " << run;
        });
        clock.start();
        Form->StartTurnTimer(200);
        EXPECT_TRUE(QTest::qWaitFor([&fired]() { return fired; }, 2000));
        QObject::disconnect(watch);
    }
}

TEST_F(TMainFormTest, TwoPlayersPlayAWholeGameByClickingCells)
{
    WriteTestSet(Folder, {});
    Create();
    SetUpHumans("Ann", "Bob");
    Form->DelayBox->setCurrentIndex(0);
    ClickArea(Form->PanelMap, "play");

    TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    EXPECT_TRUE(Form->MGrid->isVisible());
    EXPECT_FALSE(Form->OptionsPanel->isVisible());
    EXPECT_FALSE(Form->CopyRightImage->isVisible());
    EXPECT_EQ(game.PlayerCount, 2);
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("\u2068Ann\u2069 (pairs: 0)"));
    EXPECT_EQ(Form->Timer1->interval(), 1000);
    // 8 pairs of 40 x 30 cards: 4 x 4 cells, the window at its minimum width.
    EXPECT_EQ(Form->MGrid->size(), QSize(4 * 41, 4 * 31));
    EXPECT_EQ(Form->size(), QSize(490, 4 * 31 + 91));
    EXPECT_EQ(Form->MGrid->pos(), QPoint((490 - 4 * 41) / 2, 21));
    EXPECT_EQ(GridPixel(0, 0), BackColour);

    auto cells = PairCells();
    ASSERT_EQ(cells.size(), 8u);
    // Ann misses: the first cells of pairs 1 and 2.
    ClickCell(cells[1][0].first, cells[1][0].second);
    ClickCell(cells[1][0].first, cells[1][0].second); // the same card twice does nothing
    EXPECT_EQ(game.TurnPhase, 2);
    EXPECT_FALSE(Form->Panel1->isVisible()); // still faces need no overlay
    ClickCell(cells[2][0].first, cells[2][0].second);
    EXPECT_EQ(game.TurnPhase, 3);
    EXPECT_EQ(GridPixel(cells[2][0].first, cells[2][0].second), TestFaceColour(1));
    ClickCell(cells[3][0].first, cells[3][0].second); // two cards are up: ignored
    EXPECT_EQ(game.CellState[cells[3][0].second][cells[3][0].first], 1);
    FireTimer();
    EXPECT_EQ(game.CurrentPlayer, 2);
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("\u2068Bob\u2069 (pairs: 0)"));
    EXPECT_EQ(GridPixel(cells[2][0].first, cells[2][0].second), BackColour);

    // Bob finds every pair; the first pair's cells show the board pattern.
    for (int pair = 1; pair <= 8; ++pair) {
        ClickCell(cells[pair][0].first, cells[pair][0].second);
        ClickCell(cells[pair][1].first, cells[pair][1].second);
        EXPECT_EQ(game.Players[2].Score, pair);
        FireTimer();
        if (pair == 1) {
            EXPECT_EQ(GridPixel(cells[1][0].first, cells[1][0].second), BoardColour);
            EXPECT_EQ(Form->Label1->text(), QStringLiteral("\u2068Bob\u2069 (pairs: 1)"));
        }
    }
    EXPECT_FALSE(game.GameActive);
    EXPECT_EQ(game.Players[1].Score, 0);
    EXPECT_EQ(game.Players[2].Score, 8);
    EXPECT_EQ(ScoreWindows, 1);
    EXPECT_EQ(WinnerAtScore, "Bob");
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("The winner is: \u2068Bob\u2069"));
    // After the game every cell shows its face, removed cards included.
    for (int pair = 1; pair <= 8; ++pair)
        for (const auto& [col, row] : cells[pair])
            EXPECT_EQ(GridPixel(col, row), TestFaceColour(pair - 1)) << pair;
    // A finished board takes no clicks.
    ClickCell(0, 0);
    EXPECT_EQ(game.TurnPhase, 1);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TMainFormTest, TheKeyboardAloneWalksTheAreasOpensHelpAndTurnsCards)
{
    WriteTestSet(Folder, {});
    Create();
    int helps = 0;
    Form->OnShowHelp = [&helps]() { ++helps; };
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    QTest::keyClick(Form.get(), Qt::Key_F1);
    EXPECT_EQ(helps, 1);

    // Tab from the cover's link: the bar's areas, then the corner buttons, round again.
    Form->CoverMap->setFocus(Qt::TabFocusReason);
    std::vector<std::string> stops;
    for (int i = 0; i < 9; ++i) {
        auto* map = qobject_cast<TLumImageMap*>(QApplication::focusWidget());
        ASSERT_NE(map, nullptr) << "stop " << i;
        stops.push_back(map->AreaName(map->FocusArea()).toStdString());
        if (i < 8)
            QTest::keyClick(map, Qt::Key_Tab);
    }
    EXPECT_EQ(stops, (std::vector<std::string> {"ad", "exit", "play", "reg", "options", "help", "mini", "exit", "ad"}));

    // "options" by Enter, the computer off by Space, Tab on to "play", Enter:
    // the board is dealt and has the focus; keys then turn a pair.
    Form->PanelMap->setFocus(Qt::BacktabFocusReason); // lands on the last area, "options"
    QTest::keyClick(Form->PanelMap, Qt::Key_Return);
    ASSERT_TRUE(Form->OptionsPanel->isVisible());
    Form->ComputerCheck->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form->ComputerCheck, Qt::Key_Space);
    EXPECT_FALSE(Form->ComputerCheck->isChecked());
    QTest::keyClick(Form->ComputerCheck, Qt::Key_Tab);
    ASSERT_TRUE(Form->IQSlider->hasFocus());
    QTest::keyClick(Form->IQSlider, Qt::Key_Tab);
    QTest::keyClick(Form->PanelMap, Qt::Key_Tab);
    ASSERT_EQ(Form->PanelMap->AreaName(Form->PanelMap->FocusArea()), QStringLiteral("play"));
    QTest::keyClick(Form->PanelMap, Qt::Key_Return);
    TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    ASSERT_TRUE(Form->MGrid->hasFocus());
    EXPECT_TRUE(Form->MGrid->FocusFrameShown());
    const auto pair = PairCells()[1];
    for (const auto& [col, row] : pair) {
        QTest::keyClick(Form->MGrid, Qt::Key_Home, Qt::ControlModifier);
        for (int c = 0; c < col; ++c)
            QTest::keyClick(Form->MGrid, Qt::Key_Right);
        for (int r = 0; r < row; ++r)
            QTest::keyClick(Form->MGrid, Qt::Key_Down);
        EXPECT_EQ(game.CellState[row][col], 1); // moving over cards turns none
        QTest::keyClick(Form->MGrid, Qt::Key_Space);
        EXPECT_EQ(game.CellState[row][col], 2);
    }
    FireTimer();
    EXPECT_EQ(game.CellState[pair[0].second][pair[0].first], 0);
    EXPECT_EQ(game.PairsFound, 1);
    QTest::mouseClick(Form.get(), Qt::LeftButton); // leaves the mouse in use for the tests after
}

TEST_F(TMainFormTest, TheComputerOpensAndADrawHasNoWinner)
{
    WriteTestSet(Folder, {});
    Create();
    ClickArea(Form->PanelMap, "options");
    Form->ComputerCheck->setChecked(true);
    for (QLineEdit* edit : Form->PlayerEdits)
        edit->clear();
    ClickArea(Form->PanelMap, "play");
    TGame& game = Form->Game();
    EXPECT_EQ(game.Players[1].Name, "Computer");
    EXPECT_EQ(game.Players[2].Name, "Player");
    // The computer has turned its two cards at once, and a reader is told which.
    EXPECT_EQ(game.TurnPhase, 3);
    QCoreApplication::processEvents();
    const auto turned = [&game](int card) {
        const CardRef& ref = game.Selection[card];
        return QStringLiteral("\u2068Computer\u2069 turns row %1, column %2: pair %3")
            .arg(ref.Row + 1)
            .arg(ref.Col + 1)
            .arg(ref.Pair);
    };
    const QString opening = QStringLiteral("\u2068Computer\u2069's turn (pairs: 0). ") + turned(1) + ". " + turned(2);
    EXPECT_EQ(Form->LastAnnouncement().toStdString(),
              (game.PairMatched ? opening + ". \u2068Computer\u2069 finds a pair (pairs: 1)" : opening).toStdString());
    // Play on: the human always takes a pair the computer left, until done.
    for (int turn = 0; turn < 200 && game.GameActive; ++turn) {
        if (game.TurnPhase == 3) {
            const bool passes = !game.PairMatched && game.CurrentPlayer == 2;
            FireTimer();
            QCoreApplication::processEvents();
            if (passes) { // told as the computer's miss is turned back
                EXPECT_TRUE(Form->LastAnnouncement().startsWith(
                    QStringLiteral("\u2068Player\u2069's turn (pairs: %1)").arg(game.Players[2].Score)))
                    << Form->LastAnnouncement().toStdString();
            }
            continue;
        }
        for (auto& [pair, cells] : PairCells())
            if (game.CellState[cells[0].second][cells[0].first] == 1) {
                ClickCell(cells[0].first, cells[0].second);
                ClickCell(cells[1].first, cells[1].second);
                QCoreApplication::processEvents();
                EXPECT_TRUE(Form->LastAnnouncement().startsWith(
                    QStringLiteral("\u2068Player\u2069 turns row %1, column %2: pair %3. "
                                   "\u2068Player\u2069 turns row %4, column %5: pair %3. "
                                   "\u2068Player\u2069 finds a pair (pairs: %6)")
                        .arg(cells[0].second + 1).arg(cells[0].first + 1).arg(pair)
                        .arg(cells[1].second + 1).arg(cells[1].first + 1).arg(game.Players[2].Score)))
                    << Form->LastAnnouncement().toStdString();
                break;
            }
    }
    ASSERT_FALSE(game.GameActive);
    EXPECT_EQ(game.Players[1].Score + game.Players[2].Score, 8);
    EXPECT_EQ(ScoreWindows, 1);
    if (game.Players[1].Score == game.Players[2].Score)
        EXPECT_EQ(WinnerAtScore, "No winner");
    else
        EXPECT_EQ(WinnerAtScore, game.Players[1].Score > game.Players[2].Score ? "Computer" : "Player");
    const std::string winnerLine =
        WinnerAtScore == "No winner" ? "No winner" : "The winner is: " + IsolatedName(WinnerAtScore);
    EXPECT_TRUE(Form->LastAnnouncement().endsWith(QString::fromStdString(". " + winnerLine)))
        << Form->LastAnnouncement().toStdString();
}

TEST_F(TMainFormTest, AScreenReaderFindsTheBoardAndTheBarsByNameAndReadsTheBoardAsATable)
{
    InstallAccessibility();
    WriteTestSet(Folder, {});
    Create();
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Form->PanelMap), "Game buttons");
    EXPECT_EQ(name(Form->ExitMap), "Window buttons");
    EXPECT_EQ(name(Form->MGrid), "Board");

    SetUpHumans("Ann", "Bob"); // no card is turned before the test looks
    ClickArea(Form->PanelMap, "play");
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(Form->MGrid)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), Form->Game().Rows);
    EXPECT_EQ(table->columnCount(), Form->Game().Cols);
    EXPECT_EQ(table->cellAt(table->rowCount(), 0), nullptr);
    QAccessibleInterface* cell = table->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "row 2, column 3, face down");
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->table(), QAccessible::queryAccessibleInterface(Form->MGrid));
}

TEST_F(TMainFormTest, GifFacesPlayInTheOverlaysAndEndAsStills)
{
    TTestSet set;
    set.FaceType = 1;
    set.Width = 60;
    set.Height = 45;
    auto cells = DealForHumans(set);
    const auto [col1, row1] = cells[3][0];
    const auto [col2, row2] = cells[5][0];
    ClickCell(col1, row1);
    ClickCell(col2, row2);
    ASSERT_TRUE(Form->Panel1->isVisible());
    ASSERT_TRUE(Form->Panel2->isVisible());
    const QRect cell1 = Form->MGrid->CellRect(col1, row1).translated(Form->MGrid->pos());
    EXPECT_EQ(Form->Panel1->geometry(), cell1);
    EXPECT_EQ(Form->Panel2->geometry(), Form->MGrid->CellRect(col2, row2).translated(Form->MGrid->pos()));
    // The face fits the cell exactly, so the image fills the panel.
    EXPECT_EQ(Form->Panel1->Img()->geometry(), QRect(0, 0, 60, 45));
    // Shaped as a card over the board.
    const QImage shown = Form->grab().toImage();
    ExpectCardOnBoard(shown, cell1, TestFaceColour(2), "first overlay");
    FireTimer();
    EXPECT_FALSE(Form->Panel1->isVisible());
    EXPECT_FALSE(Form->Panel2->isVisible());

    TGame& game = Form->Game();
    for (int pair = 1; pair <= 8; ++pair) {
        ClickCell(cells[pair][0].first, cells[pair][0].second);
        ClickCell(cells[pair][1].first, cells[pair][1].second);
        FireTimer();
    }
    ASSERT_FALSE(game.GameActive);
    const QImage board = Form->MGrid->grab().toImage();
    for (int pair = 1; pair <= 8; ++pair)
        ExpectCardOnBoard(board, Form->MGrid->CellRect(cells[pair][1].first, cells[pair][1].second),
                          TestFaceColour(pair - 1), "still");
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TMainFormTest, PairsThatDifferShowEachCardsOwnPictureFaceUpToAReaderAndWholeAtTheEnd)
{
    InstallAccessibility();
    TTestSet set;
    set.FaceType = 1;
    set.SecondFaces = true;
    auto cells = DealForHumans(set);
    TGame& game = Form->Game();
    // Eight faces for eight pairs: pair p has face p - 1, its second picture the other colour.
    const auto colour = [&](int col, int row) {
        const int face = game.CellPair[row][col] - 1;
        return TestFaceColour(game.CellSide[row][col] ? SecondTestFace(face) : face);
    };
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(Form->MGrid)->tableInterface();
    ASSERT_NE(table, nullptr);

    const auto [col1, row1] = cells[4][0];
    const auto [col2, row2] = cells[4][1];
    EXPECT_NE(colour(col1, row1), colour(col2, row2));
    ClickCell(col1, row1);
    ClickCell(col2, row2);
    const QImage shown = Form->grab().toImage();
    ExpectCardOnBoard(shown, Form->Panel1->geometry(), colour(col1, row1), "first overlay");
    ExpectCardOnBoard(shown, Form->Panel2->geometry(), colour(col2, row2), "second overlay");
    for (const auto& [col, row] : cells[4])
        EXPECT_EQ(table->cellAt(row, col)->text(QAccessible::Name).toStdString(),
                  "row " + std::to_string(row + 1) + ", column " + std::to_string(col + 1) + ", face up: pair 4, "
                      + (game.CellSide[row][col] ? "second" : "first") + " picture");
    EXPECT_EQ(game.Players[1].Score, 1) << "cards of one number are a pair";
    FireTimer();

    for (int pair = 1; pair <= 8; ++pair) {
        if (pair == 4)
            continue;
        ClickCell(cells[pair][0].first, cells[pair][0].second);
        ClickCell(cells[pair][1].first, cells[pair][1].second);
        FireTimer();
    }
    ASSERT_FALSE(game.GameActive);
    const QImage board = Form->MGrid->grab().toImage();
    for (const auto& [pair, its] : cells)
        for (const auto& [col, row] : its)
            ExpectCardOnBoard(board, Form->MGrid->CellRect(col, row), colour(col, row), "still");
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TMainFormTest, BacksAndFaceUpCardsShowTheBoardAtTheirRoundedCorners)
{
    TTestSet set;
    set.Width = 100;
    set.Height = 80;
    auto cells = DealForHumans(set);
    const auto [col, row] = cells[4][0];
    ClickCell(col, row);
    const QImage board = Form->MGrid->grab().toImage();
    ExpectCardOnBoard(board, Form->MGrid->CellRect(col, row), TestFaceColour(3), "face");
    const auto [backCol, backRow] = cells[5][0];
    ExpectCardOnBoard(board, Form->MGrid->CellRect(backCol, backRow), BackColour, "back");
}

TEST_F(TMainFormTest, OptionsStopARunningGameAndPlayDealsAFreshOne)
{
    TTestSet set;
    set.FaceType = 1;
    auto cells = DealForHumans(set);
    ClickCell(cells[1][0].first, cells[1][0].second);
    ClickCell(cells[2][0].first, cells[2][0].second);
    ASSERT_TRUE(Form->Timer1->isActive());

    ClickArea(Form->PanelMap, "options");
    TGame& game = Form->Game();
    EXPECT_FALSE(Form->Timer1->isActive());
    EXPECT_FALSE(game.GameActive);
    EXPECT_TRUE(game.GameOver);
    EXPECT_FALSE(Form->MGrid->isVisible());
    EXPECT_FALSE(Form->Panel1->isVisible());
    EXPECT_FALSE(Form->Panel2->isVisible());
    EXPECT_TRUE(Form->OptionsPanel->isVisible());
    EXPECT_TRUE(Form->CopyRightImage->isVisible());
    EXPECT_EQ(Form->size(), QSize(490, 450));

    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Questions.size(), 1u); // the game left for the options was kept: Play asks first
    EXPECT_TRUE(game.GameActive);
    EXPECT_EQ(game.TurnPhase, 1);
    for (int row = 0; row < game.Rows; ++row)
        for (int col = 0; col < game.Cols; ++col)
            EXPECT_EQ(game.CellState[row][col], 1);
    // "play" in the middle of a game deals anew as well.
    ClickCell(cells[1][0].first, cells[1][0].second);
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(game.TurnPhase, 1);
    EXPECT_FALSE(Form->Panel1->isVisible());
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Questions.size(), 1u); // no turn played, nothing to lose
}

TEST_F(TMainFormTest, AStoredPairCountAboveTheSetIsLoweredSilently)
{
    WriteTestSet(Folder, {"twenty.crd", "Twenty", 0, 20, 40, 30});
    {
        TRegistryKey key(TKeyStore::ForCurrentUser());
        ASSERT_TRUE(key.OpenKey(GameKeyPath, true));
        key.WriteInteger("Pairs", 24);
        key.WriteInteger("Delay", 8);
        key.CloseKey();
    }
    Create();
    EXPECT_EQ(Form->PairsBox->currentText(), QStringLiteral("20"));
    EXPECT_EQ(Form->DelayBox->currentText(), QStringLiteral("5"));
    EXPECT_EQ(Form->Timer1->interval(), 5000);
    EXPECT_TRUE(Messages.empty());
}

TEST(FaceOverlayFit, LargeFacesShrinkKeepingTheirAspectSmallOnesKeepTheirSize)
{
    EXPECT_EQ(TFaceOverlay::FittedImageSize(120, 90, 120, 90), QSize(120, 90));
    EXPECT_EQ(TFaceOverlay::FittedImageSize(50, 40, 120, 90), QSize(50, 40));
    EXPECT_EQ(TFaceOverlay::FittedImageSize(240, 90, 120, 90), QSize(120, 45));
    EXPECT_EQ(TFaceOverlay::FittedImageSize(120, 180, 120, 90), QSize(60, 90));
    // 100 x 75 into 83 x 62: f = 75/62 (the larger), 100/f = 82.67 -> 83, 62.
    EXPECT_EQ(TFaceOverlay::FittedImageSize(100, 75, 83, 62), QSize(83, 62));
    // Halves round to even: 5 x 3 into 2 x 2 gives f = 2.5, 2 x 1.2 -> 2 x 1.
    EXPECT_EQ(TFaceOverlay::FittedImageSize(5, 3, 2, 2), QSize(2, 1));
}

TEST_F(TMainFormTest, BrowsingTheSetsChangesNothingAndPlayChecksTheChosenOne)
{
    WriteTestSet(Folder, {"twenty.crd", "Twenty", 0, 20, 40, 30});
    WriteTestSet(Folder, {"few.crd", "Few", 0, 5, 40, 30});
    WriteTestSet(Folder, {"big.crd", "Big", 0, 60, 40, 30});
    Create();
    SetUpHumans("Ann", "Bob");
    const auto select = [this](const char* name) {
        Form->CardsBox->setCurrentIndex(Form->CardsBox->findText(QString::fromLatin1(name)));
        Form->CardsBoxChange();
    };
    select("Big");
    Form->PairsBox->setCurrentIndex(Form->PairsBox->findText("24"));
    Messages.clear();
    // The arrow keys pass every set, the small ones included: nothing is
    // said and the pairs stay.
    Form->CardsBox->setFocus();
    QTest::keyClick(Form->CardsBox, Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(Form->CardsBox, Qt::Key_Down);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Form->PairsBox->currentText(), QStringLiteral("24"));

    // Play with a set too small: said, with its count, before the correction;
    // the player sees the lowered pairs before a game starts.
    select("Twenty");
    ClickArea(Form->PanelMap, "play");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "This set of cards does not contain enough images!\n\nIt has 20 pictures, enough for 20 pairs.");
    EXPECT_EQ(PairsAtMessage[0], "24");
    EXPECT_EQ(Form->PairsBox->currentText(), QStringLiteral("20"));
    EXPECT_FALSE(Form->Game().GameActive);
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Form->Game().Rows * Form->Game().Cols, 40);

    // Fewer than 8 faces: said, and nothing to lower or deal.
    ClickArea(Form->PanelMap, "options");
    select("Few");
    ClickArea(Form->PanelMap, "play");
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[1], "This set of cards does not contain enough images!\n\nIt has 5 pictures, and a game needs at least 8.");
    EXPECT_EQ(Form->PairsBox->currentText(), QStringLiteral("20"));
    EXPECT_TRUE(Form->OptionsPanel->isVisible());
    EXPECT_FALSE(Form->MGrid->isVisible());
}

TEST_F(TMainFormTest, ASetThatFailsAtTheDealIsNamedInPlainWordsAndNotDealtAgain)
{
    TTestSet broken;
    broken.FileName = "broken.crd";
    broken.Name = "Broken cards";
    broken.BrokenFace = 0;
    WriteTestSet(Folder, broken);
    WriteTestSet(Folder, {"good.crd", "Good cards", 0, 8, 40, 30});
    Create();
    SetUpHumans("Ann", "Bob");
    const int item = Form->CardsBox->findText(QStringLiteral("Broken cards"));
    Form->CardsBox->setCurrentIndex(item);
    Form->CardsBoxChange();
    ClickArea(Form->PanelMap, "play");
    ASSERT_EQ(Messages.size(), 1u);
    const std::string plain = "The set of cards \"Broken cards\" cannot be used: one of its pictures is damaged.";
    EXPECT_EQ(Messages[0].rfind(plain + "\n\nDetails: " + (Folder / "cards" / "broken.crd").string() + ": face 1", 0), 0u)
        << Messages[0];
    EXPECT_FALSE(Form->Game().GameActive);
    // Greyed in the list with a note, and passed over by the keys.
    EXPECT_EQ(Form->CardsBox->itemText(item), QStringLiteral("Broken cards (cannot be used)"));
    EXPECT_FALSE(Form->CardsBox->model()->flags(Form->CardsBox->model()->index(item, 0)) & Qt::ItemIsEnabled);

    // Mended on disk, it is still not dealt in this run.
    broken.BrokenFace = -1;
    WriteTestSet(Folder, broken);
    ClickArea(Form->PanelMap, "play");
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[1], Messages[0]);
    EXPECT_FALSE(Form->Game().GameActive);

    Form->CardsBox->setCurrentIndex(Form->CardsBox->findText(QStringLiteral("Good cards")));
    Form->CardsBoxChange();
    ClickArea(Form->PanelMap, "play");
    EXPECT_TRUE(Form->Game().GameActive);
    EXPECT_EQ(Messages.size(), 2u);
}

TEST_F(TMainFormTest, WithoutCardSetsTheWindowSaysSoOnceAndRefusesToPlay)
{
    Create();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].find((Folder / "cards/").string()), std::string::npos) << Messages[0];
    ClickArea(Form->PanelMap, "options");
    EXPECT_EQ(Messages.size(), 1u);
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Messages.size(), 2u);
    EXPECT_FALSE(Form->MGrid->isVisible());
    EXPECT_TRUE(Form->OptionsPanel->isVisible());
    ClickArea(Form->ExitMap, "exit"); // and it still closes and saves
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(fs::exists(Folder / "config" / "Software" / "Orvane" / "Orvane Kobalind.reg"));
}

TEST_F(TMainFormTest, AFaceThatFailsToDecodeIsReportedAndTheGameGoesOn)
{
    TTestSet set;
    set.FaceType = 1;
    set.BrokenFace = 0; // pair 1's face
    auto cells = DealForHumans(set);
    ClickCell(cells[1][0].first, cells[1][0].second);
    QCoreApplication::processEvents();
    ASSERT_EQ(Messages.size(), 1u);
    // The message names the set and the face, as a failure at the deal does.
    EXPECT_EQ(Messages[0].rfind((Folder / "cards" / set.FileName).string() + ": face 1: ", 0), 0u) << Messages[0];
    EXPECT_FALSE(Form->Panel1->isVisible());
    // Face up but blank, so it does not look like a removed card.
    EXPECT_EQ(GridPixel(cells[1][0].first, cells[1][0].second), QColor(Qt::white).rgb());
    ClickCell(cells[1][1].first, cells[1][1].second);
    FireTimer();
    EXPECT_EQ(Form->Game().Players[1].Score, 1);
}

TEST_F(TMainFormTest, NameFieldsTakeAtMost32CharactersAndALongStatusLineIsCutShort)
{
    WriteTestSet(Folder, TTestSet{});
    Create();
    const std::string longName(3000, 'W');
    SetUpHumans(longName.c_str(), "Bob");
    EXPECT_EQ(Form->PlayerEdits[0]->text(), QString(32, QChar('W')));
    QTest::keyClicks(Form->PlayerEdits[1], QStringLiteral("-and-a-name-that-goes-on-and-on"));
    EXPECT_EQ(Form->PlayerEdits[1]->text(), QStringLiteral("Bob-and-a-name-that-goes-on-and-"));
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Form->Game().Players[1].Name, std::string(32, 'W'));

    // The status line is cut in the middle and keeps the count.
    const QString shown = Form->Label1->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("\u2068WWW"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("W\u2069 (pairs: 0)"))) << shown.toStdString();
    // It ends short of the bar's "exit" and "play" buttons.
    const auto area = [this](const char* name) {
        return Form->PanelMap->Area(Form->PanelMap->IndexOfArea(QString::fromLatin1(name))).AreaRect.ToQRect()
            .translated(Form->PanelMap->pos());
    };
    EXPECT_GT(Form->Label1->x(), area("exit").right());
    EXPECT_LT(Form->Label1->geometry().right(), area("play").left());
    // A short line is shown whole.
    ClickArea(Form->PanelMap, "options");
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Set Options"));
}

TEST_F(TMainFormTest, TheNoticePictureOpensTheAboutWindowOnALeftClick)
{
    WriteTestSet(Folder, TTestSet{});
    Create();
    int abouts = 0;
    Form->OnShowAbout = [&abouts]() { ++abouts; };
    // Both pictures take the size of their skin entries (14 and 17).
    EXPECT_EQ(Form->CopyRightImage->size(), QSize(200, 20));
    EXPECT_EQ(Form->OptionsBg->size(), QSize(386, 303));
    EXPECT_EQ(Form->CopyRightImage->Hint(), QStringLiteral("About"));
    QTest::mouseClick(Form->CopyRightImage, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(abouts, 0);
    QTest::mouseClick(Form->CopyRightImage, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(abouts, 1);
}

TEST_F(TMainFormTest, ClosingSavesTheChosenSetButNotUnplayedOptions)
{
    WriteTestSet(Folder, {"a.crd", "Set A", 0, 20, 40, 30});
    WriteTestSet(Folder, {"b.crd", "Set B", 0, 20, 40, 30});
    Create();
    ClickArea(Form->PanelMap, "options");
    const int other = Form->CardsBox->currentIndex() == 0 ? 1 : 0;
    const std::string otherName = Form->CardsBox->itemText(other).toStdString();
    Form->CardsBox->setCurrentIndex(other);
    Form->CardsBoxChange();
    Form->PairsBox->setCurrentIndex(Form->PairsBox->findText("12"));
    ClickArea(Form->PanelMap, "exit");
    Form.reset();

    Create();
    EXPECT_EQ(Form->CardsBox->currentText().toStdString(), otherName);
    EXPECT_EQ(Form->PairsBox->currentText(), QStringLiteral("8"));
}

// --- A game across runs -----------------------------------------------------------

class TResumeTest : public TMainFormTest {
protected:
    fs::path SavedFile() const { return Folder / "state" / "Orvane" / "Orvane Kobalind" / "game"; }
    // Ann finds pair 1 and misses; Bob turns one card; then the window closes.
    void PlayAndExit(std::map<int, std::vector<std::pair<int, int>>>& cells)
    {
        cells = DealForHumans({});
        ClickCell(cells[1][0].first, cells[1][0].second);
        ClickCell(cells[1][1].first, cells[1][1].second);
        FireTimer();
        ClickCell(cells[2][0].first, cells[2][0].second);
        ClickCell(cells[3][0].first, cells[3][0].second);
        FireTimer();
        ClickCell(cells[4][0].first, cells[4][0].second);
        ClickArea(Form->PanelMap, "exit");
        Form.reset();
        ASSERT_TRUE(fs::exists(SavedFile()));
    }
    // A click that wanders a little between press and release, as a hand's
    // does: the status line takes it, the window is not dragged.
    void ClickStatusLine()
    {
        const QPoint at = Form->pos();
        const QPointF from(4, 4);
        const QPointF to(9, 6);
        QMouseEvent press(QEvent::MouseButtonPress, from, Form->Label1->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(Form->Label1, &press);
        QMouseEvent move(QEvent::MouseMove, to, Form->Label1->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(Form->Label1, &move);
        EXPECT_EQ(Form->pos(), at);
        QMouseEvent release(QEvent::MouseButtonRelease, to, Form->Label1->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, {});
        QApplication::sendEvent(Form->Label1, &release);
    }
};

TEST_F(TResumeTest, ExitMidGameThenResumeFromTheStatusLineAndFinishIntoTheRecord)
{
    std::map<int, std::vector<std::pair<int, int>>> cells;
    PlayAndExit(cells);

    Create();
    EXPECT_TRUE(Form->ResumeOffered());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Welcome back: click here to resume your game"));
    ClickStatusLine();
    TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    EXPECT_TRUE(fs::exists(SavedFile())); // until the game ends
    EXPECT_FALSE(Form->CoverPanel->isVisible());
    EXPECT_EQ(PairCells(), cells);
    EXPECT_EQ(game.Players[1], (TPlayer {"Ann", 1, 2}));
    EXPECT_EQ(game.CurrentPlayer, 2);
    EXPECT_EQ(game.TurnPhase, 2);
    EXPECT_EQ(game.Moves, 2);
    EXPECT_EQ(GridPixel(cells[4][0].first, cells[4][0].second), TestFaceColour(3));
    EXPECT_EQ(GridPixel(cells[1][0].first, cells[1][0].second), BoardColour);
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("\u2068Bob\u2069 (pairs: 0)"));
    QCoreApplication::processEvents();
    // The card already up is no news.
    EXPECT_EQ(Form->LastAnnouncement().toStdString(), "\u2068Bob\u2069's turn (pairs: 0)");

    // Bob completes pair 4 and every other pair.
    ClickCell(cells[4][1].first, cells[4][1].second);
    FireTimer();
    for (int pair = 2; pair <= 8; ++pair)
        if (pair != 4) {
            ClickCell(cells[pair][0].first, cells[pair][0].second);
            ClickCell(cells[pair][1].first, cells[pair][1].second);
            FireTimer();
        }
    EXPECT_EQ(ScoreWindows, 1);
    EXPECT_EQ(WinnerAtScore, "Bob");
    EXPECT_FALSE(fs::exists(SavedFile()));
    const std::vector<TRecord> records = ReadRecords(SavedFile().parent_path() / "records");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Players, (std::vector<TPlayer> {{"Ann", 1, 2}, {"Bob", 7, 7}}));
    EXPECT_EQ(records[0].Winner, 2);
    EXPECT_EQ(records[0].Moves, 9);
    EXPECT_EQ(Form->RecordLines(), std::vector<std::string> {"Best: \u2068Bob\u2069, 7 pairs in 7 moves"});
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TResumeTest, TheOfferBelongsToTheCoverAndAGameLeftForTheOptionsIsKeptAsItStands)
{
    std::map<int, std::vector<std::pair<int, int>>> cells;
    PlayAndExit(cells);
    InstallAccessibility(); // before the window: an interface, once made, stays
    Create();
    QAccessibleActionInterface* line = QAccessible::queryAccessibleInterface(Form->Label1)->actionInterface();
    ASSERT_TRUE(line);
    const QString press = QAccessibleActionInterface::pressAction();
    EXPECT_TRUE(line->actionNames().contains(press));

    // On the options panel the status line is no choice: a click, Enter and
    // a screen reader's press leave the names being edited alone.
    ClickArea(Form->PanelMap, "options");
    Form->PlayerEdits[0]->setText(QStringLiteral("Cy"));
    EXPECT_FALSE(Form->ResumeOffered());
    EXPECT_EQ(Form->Label1->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(line->actionNames().contains(press));
    QTest::mouseClick(Form->Label1, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(Form->Label1, Qt::Key_Return);
    line->doAction(press);
    EXPECT_FALSE(Form->Game().GameActive);
    EXPECT_EQ(Form->PlayerEdits[0]->text(), QStringLiteral("Cy"));
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Set Options"));

    // Back on the cover it is offered again, and a screen reader may take it.
    Form->ShowWelcome();
    EXPECT_TRUE(Form->ResumeOffered());
    ASSERT_TRUE(line->actionNames().contains(press));
    line->doAction(press);
    TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    EXPECT_EQ(PairCells(), cells);
    EXPECT_EQ(Form->PlayerEdits[0]->text(), QStringLiteral("Ann")); // the resumed game's players

    // Bob finds pair 4 and turns a card; the options panel stops the game,
    // which is kept as it now stands, and nothing resumes it there.
    ClickCell(cells[4][1].first, cells[4][1].second);
    FireTimer();
    ClickCell(cells[5][0].first, cells[5][0].second);
    ClickArea(Form->PanelMap, "options");
    EXPECT_FALSE(game.GameActive);
    EXPECT_EQ(Form->PlayerEdits[1]->text(), QStringLiteral("Bob"));
    EXPECT_FALSE(line->actionNames().contains(press));
    QTest::keyClick(Form->Label1, Qt::Key_Return);
    EXPECT_FALSE(game.GameActive);
    Answer = false;
    ClickArea(Form->PanelMap, "play"); // asks, and no keeps it
    EXPECT_EQ(Questions.size(), 1u);
    EXPECT_TRUE(Form->OptionsPanel->isVisible());
    ClickArea(Form->PanelMap, "exit");
    Form.reset();

    Create();
    ClickStatusLine();
    ASSERT_TRUE(Form->Game().GameActive);
    EXPECT_EQ(Form->Game().Players[2].Score, 1);
    EXPECT_EQ(Form->Game().TurnPhase, 2);
    EXPECT_EQ(Form->Game().Selection[1].Pair, 5);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(TResumeTest, EveryTurnIsSavedAndClosingDuringTheLastDelayRecordsTheGame)
{
    WriteTestSet(Folder, {});
    Create();
    SetUpHumans("Ann", "Bob");
    Form->DelayBox->setCurrentIndex(0);
    ClickArea(Form->PanelMap, "play");
    auto cells = PairCells();
    ClickCell(cells[1][0].first, cells[1][0].second);
    ClickCell(cells[1][1].first, cells[1][1].second);
    FireTimer();
    QCoreApplication::processEvents(); // the save waits for the turn's paint
    ClickCell(cells[2][0].first, cells[2][0].second);
    Form.reset(); // killed: nothing is saved on the way out

    // The turn before the one in progress and the game's options survive.
    Create();
    EXPECT_EQ(Form->DelayBox->currentIndex(), 0);
    EXPECT_EQ(Form->PlayerEdits[1]->text(), QStringLiteral("Bob"));
    ClickStatusLine();
    TGame& game = Form->Game();
    ASSERT_TRUE(game.GameActive);
    EXPECT_EQ(game.Players[1].Score, 1);
    EXPECT_EQ(game.TurnPhase, 1);
    EXPECT_EQ(game.Moves, 1);

    // Ann finds every other pair; the window closes while the last one's delay runs.
    for (int pair = 2; pair <= 8; ++pair) {
        ClickCell(cells[pair][0].first, cells[pair][0].second);
        ClickCell(cells[pair][1].first, cells[pair][1].second);
        if (pair < 8)
            FireTimer();
    }
    ASSERT_TRUE(game.GameOver);
    ClickArea(Form->PanelMap, "exit");
    Form.reset();
    EXPECT_FALSE(fs::exists(SavedFile()));
    const std::vector<TRecord> records = ReadRecords(SavedFile().parent_path() / "records");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Players, (std::vector<TPlayer> {{"Ann", 8, 8}, {"Bob", 0, 0}}));
    EXPECT_EQ(records[0].Winner, 1);
    EXPECT_EQ(ScoreWindows, 0);
}

TEST_F(TResumeTest, AGameTheOptionsCannotKeepIsSaidSo)
{
    auto cells = DealForHumans({});
    ClickCell(cells[1][0].first, cells[1][0].second);
    ClickCell(cells[1][1].first, cells[1][1].second);
    fs::create_directories(SavedFile()); // a folder where the file would go
    ClickArea(Form->PanelMap, "options");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].rfind("Your game could not be saved: ", 0), 0u) << Messages[0];
}

TEST_F(TResumeTest, TabReachesTheResumeChoiceAndEnterTakesIt)
{
    std::map<int, std::vector<std::pair<int, int>>> cells;
    PlayAndExit(cells);
    Create();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Form->CoverMap->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form->CoverMap, Qt::Key_Tab);
    ASSERT_TRUE(Form->Label1->hasFocus());
    QTest::keyClick(Form->Label1, Qt::Key_Return);
    EXPECT_TRUE(Form->Game().GameActive);
    EXPECT_EQ(PairCells(), cells);
    EXPECT_EQ(Form->Label1->focusPolicy(), Qt::NoFocus); // no longer a stop once taken
}

TEST_F(TResumeTest, PlayDiscardsTheSavedGameOnlyWhenToldAndAChangedSetIsRefusedAndKeptAside)
{
    std::map<int, std::vector<std::pair<int, int>>> cells;
    PlayAndExit(cells);
    Create();
    Answer = false;
    ClickArea(Form->PanelMap, "play");
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0], "Start a new game? Your unfinished game will be lost.");
    EXPECT_TRUE(Form->ResumeOffered());
    EXPECT_FALSE(Form->Game().GameActive);
    Answer = true;
    ClickArea(Form->PanelMap, "play");
    EXPECT_EQ(Questions.size(), 2u);
    EXPECT_TRUE(Form->Game().GameActive);
    EXPECT_FALSE(Form->ResumeOffered());
    EXPECT_FALSE(fs::exists(SavedFile()));
    Form.reset();

    PlayAndExit(cells);
    const std::string saved = ReadWholeFile(SavedFile(), MaxSavedGameSize);
    TTestSet changed;
    changed.Name = "Changed";
    WriteTestSet(Folder, changed);
    Create();
    ClickStatusLine();
    EXPECT_FALSE(Form->Game().GameActive);
    EXPECT_TRUE(Form->CoverPanel->isVisible());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Welcome"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].find("has changed"), std::string::npos) << Messages[0];
    EXPECT_NE(Messages[0].find("It was kept as"), std::string::npos) << Messages[0];
    EXPECT_FALSE(fs::exists(SavedFile()));
    std::vector<fs::path> aside;
    for (const auto& entry : fs::directory_iterator(SavedFile().parent_path()))
        aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadWholeFile(aside[0], MaxSavedGameSize), saved);

    // A damaged file is refused at start-up, once, and start-up goes on.
    Form.reset();
    Messages.clear();
    fs::create_directories(SavedFile().parent_path());
    std::ofstream(SavedFile()) << "KOBGAME\n\x01";
    Create();
    EXPECT_FALSE(Form->ResumeOffered());
    EXPECT_EQ(Form->Label1->text(), QStringLiteral("Welcome"));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].find("Damaged saved game"), std::string::npos) << Messages[0];
}

} // namespace
