// Setting up a game: players, the card set, the board and the deal.
#include "game/Game.h"

#include "game/CardSetInfo.h"
#include "game/CardSetLoader.h"
#include "game/SavedGame.h"
#include "platform/Translate.h"

#include <algorithm>

TGame::TGame(TGameView& view, TSettings& settings, TRandom& random)
    : FacePictures(AllFaceSlots), FaceStreams(AllFaceSlots), View(view), Settings(settings), Rand(random)
{
}

void TGame::NewGame1Click(const std::string& cardSetFile)
{
    // Everything that can fail comes first, into a value of its own.
    TCardSet set = LoadCardSet(cardSetFile, Settings.PairCount, WorkAreaWidth, WorkAreaHeight, Rand);
    std::string digest = ::CardSetDigest(cardSetFile);

    View.StopTurnTimer();
    GameActive = false;
    GameOver = true;
    View.HideFaceOverlays();
    CountPlayers();
    View.SetPlayerLabel("");

    Rows = set.Layout.Rows;
    Cols = set.Layout.Cols;
    TakeCardSet(std::move(set), cardSetFile, std::move(digest));
    FitBoard();
    ResetGame();
    View.ShowBoard();
    DrawBoard();
    View.SetPlayerLabel(PlayerLine(CurrentPlayer));

    InputEnabled = false;
    PairMatched = false;
    if (Settings.ComputerPlays)
        ComputerMove();
    else
        InputEnabled = true;
}

void TGame::ResumeGame(const TSavedGame& saved, TCardSet set, const std::string& cardSetFile)
{
    View.StopTurnTimer();
    View.HideFaceOverlays();
    ApplySavedOptions(saved, Settings);

    Rows = saved.Rows;
    Cols = saved.Cols;
    TakeCardSet(std::move(set), cardSetFile, saved.Digest);
    FitBoard();
    for (std::int32_t r = 0; r < Rows; ++r)
        for (std::int32_t c = 0; c < Cols; ++c) {
            CellPair[r][c] = saved.CellPair[static_cast<std::size_t>(r * Cols + c)];
            CellState[r][c] = saved.CellState[static_cast<std::size_t>(r * Cols + c)];
            CellSide[r][c] = saved.CellSide[static_cast<std::size_t>(r * Cols + c)];
        }
    Players = saved.Players;
    PlayerCount = saved.PlayerCount;
    CurrentPlayer = saved.CurrentPlayer;
    TurnPhase = saved.TurnPhase;
    Selection = saved.Selection;
    PairsFound = saved.PairsFound;
    PairMatched = saved.PairMatched;
    InputEnabled = saved.InputEnabled;
    ComputerMemory.fill(CardRef {});
    MemorySize = saved.MemorySize;
    std::copy(saved.ComputerMemory.begin(), saved.ComputerMemory.end(), ComputerMemory.begin() + 1);
    ComputerStreak = saved.ComputerStreak;
    Moves = saved.Moves;
    WinnerText.clear();
    Winner = 0;
    GameOver = false;
    GameActive = true;

    View.ShowBoard();
    DrawBoard();
    // During the delay after a miss the line still names the player who missed.
    const std::int32_t missed = CurrentPlayer == 1 ? PlayerCount : CurrentPlayer - 1;
    View.SetPlayerLabel(PlayerLine(TurnPhase == 3 && !PairMatched ? missed : CurrentPlayer));
    if (FaceType == 1)
        for (std::int32_t phase = 1; phase < TurnPhase; ++phase)
            View.ShowFaceOverlay(phase, Selection[phase].Col, Selection[phase].Row);
    if (TurnPhase == 3)
        View.StartTurnTimer(TurnDelay());
    else if (Settings.ComputerPlays && CurrentPlayer == 1 && TurnPhase == 1)
        ComputerMove();
}

void TGame::TakeCardSet(TCardSet set, const std::string& cardSetFile, std::string digest)
{
    FaceCount = set.Info.FaceCount;
    CellWidth = set.Info.Width;
    CellHeight = set.Info.Height;
    FaceType = set.Info.FaceType;
    SecondFaces = set.Info.SecondFaces;
    CardSetFile = cardSetFile; // the view may look for the set's advertisement in the player's language
    View.SetAdvertisement(*set.Advert, set.Info.AdLink);
    CardBack = std::move(set.CardBack);
    FacePictures = std::move(set.FacePictures);
    FaceStreams = std::move(set.FaceStreams);
    FaceEntries = std::move(set.FaceEntries);
    CardSetDigest = std::move(digest);
}

void TGame::CountPlayers()
{
    PlayerCount = NamePlayers(Players, Settings.ComputerPlays);
    for (TPlayer& player : Players) {
        player.Score = 0;
        player.Moves = 0;
    }
}

bool TGame::ChooseLayout()
{
    const std::optional<TLayout> layout =
        ChooseLayoutFor(Settings.PairCount, CellWidth, CellHeight, WorkAreaWidth, WorkAreaHeight);
    if (!layout)
        return false;
    Rows = layout->Rows;
    Cols = layout->Cols;
    return true;
}

void TGame::FitBoard()
{
    const TBoardGeometry geometry = FitBoardFor(Rows, Cols, CellWidth, CellHeight, WorkAreaWidth, WorkAreaHeight);
    CellWidth = geometry.CellWidth;
    CellHeight = geometry.CellHeight;
    View.ApplyBoardGeometry(geometry);
}

void TGame::ResetGame()
{
    GameActive = false;
    WinnerText.clear();
    Winner = 0;
    DealCards();

    ComputerMemory.fill(CardRef {});
    MemorySize = MemorySizeFor(Rows, Cols, Settings.ComputerLevel);

    TurnPhase = 1;
    CurrentPlayer = 1;
    for (std::int32_t i = 1; i <= PlayerCount; ++i) {
        Players[i].Score = 0;
        Players[i].Moves = 0;
    }
    Selection.fill(CardRef {});
    PairsFound = 0;
    Moves = 0;
    GameOver = false;
    GameActive = true;
}

void TGame::DealCards()
{
    Rand.Randomize();
    const std::int32_t n = Rows * Cols;
    const std::int32_t h = n / 2;
    // A[1..n] of card numbers; card v and card v + h make pair v.
    std::vector<std::int32_t> a(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 1; i <= n; ++i)
        a[i] = i;
    std::int32_t m = n;
    for (std::int32_t r = 0; r < Rows; ++r) {
        for (std::int32_t c = 0; c < Cols; ++c) {
            const std::int32_t k = Rand.Random(m) + 1;
            std::int32_t v = a[k];
            // Card v shows its pair's first picture and card v + h the
            // second: which cell gets which is as random as the deal itself,
            // and draws nothing more.
            CellSide[r][c] = v > h;
            if (v > h)
                v -= h;
            CellPair[r][c] = v;
            CellState[r][c] = CellFaceDown;
            a[k] = a[m];
            --m;
        }
    }
}

std::int32_t TGame::FaceSlotAt(std::int32_t col, std::int32_t row) const
{
    const std::int32_t pair = CellPair[row][col];
    if (pair < 1 || pair > FaceSlots)
        return -1;
    return pair - 1 + (SecondFaces && CellSide[row][col] ? FaceSlots : 0);
}

std::int32_t TGame::FaceEntryOf(std::int32_t slot) const
{
    const std::int32_t pair = slot % FaceSlots;
    if (slot < 0 || slot >= AllFaceSlots || static_cast<std::size_t>(pair) >= FaceEntries.size()
        || (slot >= FaceSlots && !SecondFaces))
        return -1;
    const std::int32_t first = FaceEntries[static_cast<std::size_t>(pair)];
    return slot < FaceSlots ? first : SecondFaceEntry(FaceCount, first);
}

void TGame::StopGame()
{
    View.StopTurnTimer();
    GameActive = false;
    GameOver = true;
    View.HideFaceOverlays();
}

std::string TGame::PlayerLine(std::int32_t number) const
{
    const TPlayer& player = Players[static_cast<std::size_t>(number)];
    //: The status line during a game. %1: the player on turn, %2: the pairs that player has found.
    return FillIn(Tr("Game", "%1 (pairs: %2)"), {IsolatedName(player.Name), std::to_string(player.Score)});
}

void TGame::DrawBoard()
{
    for (std::int32_t r = 0; r < Rows; ++r)
        for (std::int32_t c = 0; c < Cols; ++c)
            View.DrawCard(c, r);
}
