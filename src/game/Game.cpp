// Setting up a game: players, the card set, the board and the deal.
#include "game/Game.h"

#include "game/CardSetLoader.h"

TGame::TGame(TGameView& view, TSettings& settings, TRandom& random)
    : FacePictures(FaceSlots), FaceStreams(FaceSlots), View(view), Settings(settings), Rand(random)
{
}

void TGame::NewGame1Click(const std::string& cardSetFile)
{
    // Everything that can fail comes first, into a value of its own.
    TCardSet set = LoadCardSet(cardSetFile, Settings.PairCount, WorkAreaWidth, WorkAreaHeight, Rand);

    View.StopTurnTimer();
    GameActive = false;
    GameOver = true;
    View.HideFaceOverlays();
    CountPlayers();
    View.SetPlayerLabel("");

    FaceCount = set.Info.FaceCount;
    CellWidth = set.Info.Width;
    CellHeight = set.Info.Height;
    Rows = set.Layout.Rows;
    Cols = set.Layout.Cols;
    FaceType = set.Info.FaceType;
    View.SetAdvertisement(*set.Advert, set.Info.AdLink);
    CardBack = std::move(set.CardBack);
    FacePictures = std::move(set.FacePictures);
    FaceStreams = std::move(set.FaceStreams);
    CardSetFile = cardSetFile;
    FaceEntries = std::move(set.FaceEntries);

    FitBoard();
    ResetGame();
    View.ShowBoard();
    DrawBoard();
    View.SetPlayerLabel(PlayerLine());

    InputEnabled = false;
    PairMatched = false;
    if (Settings.ComputerPlays)
        ComputerMove();
    else
        InputEnabled = true;
}

void TGame::CountPlayers()
{
    const std::int32_t examined = Settings.ComputerPlays ? 5 : 4;
    PlayerCount = 0;
    while (PlayerCount < examined && !Players[PlayerCount + 1].Name.empty())
        ++PlayerCount;
    for (TPlayer& player : Players)
        player.Score = 0;

    if (Settings.ComputerPlays && PlayerCount == 1) {
        PlayerCount = 2;
        Players[2].Name = "Player";
    }
    if (PlayerCount == 0) {
        PlayerCount = 2;
        Players[1].Name = "Player 1";
        Players[2].Name = "Player 2";
    }
    if (PlayerCount == 1) {
        PlayerCount = 2;
        Players[2].Name = "Player 2";
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
    DealCards();

    ComputerMemory.fill(CardRef {});
    MemorySize = MemorySizeFor(Rows, Cols, Settings.ComputerLevel);

    TurnPhase = 1;
    CurrentPlayer = 1;
    for (std::int32_t i = 1; i <= PlayerCount; ++i)
        Players[i].Score = 0;
    Selection.fill(CardRef {});
    PairsFound = 0;
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
            if (v > h)
                v -= h;
            CellPair[r][c] = v;
            CellState[r][c] = CellFaceDown;
            a[k] = a[m];
            --m;
        }
    }
}

void TGame::StopGame()
{
    View.StopTurnTimer();
    GameActive = false;
    GameOver = true;
    View.HideFaceOverlays();
}

std::string TGame::PlayerLine() const
{
    const TPlayer& player = Players[CurrentPlayer];
    return player.Name + " (pairs: " + std::to_string(player.Score) + ")";
}

void TGame::DrawBoard()
{
    for (std::int32_t r = 0; r < Rows; ++r)
        for (std::int32_t c = 0; c < Cols; ++c)
            View.DrawCard(c, r);
}
