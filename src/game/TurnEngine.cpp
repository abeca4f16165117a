// The turns: revealing cards, judging a pair, scoring, passing the turn and
// the end of the game.
#include "game/Game.h"
#include "platform/Translate.h"

void TGame::MGridSelectCell(std::int32_t col, std::int32_t row)
{
    if (InputEnabled && TurnPhase < 3 && OnBoard(col, row, Cols, Rows) && CellState[row][col] == CellFaceDown)
        RevealCard(col, row);
}

void TGame::RevealCard(std::int32_t col, std::int32_t row)
{
    // Only a face-down card turns, whoever asks: a removed or face-up one
    // would be counted twice.
    if (!OnBoard(col, row, Cols, Rows) || TurnPhase < 1 || TurnPhase > 2 || CellState[row][col] != CellFaceDown)
        return;
    CellState[row][col] = CellFaceUp;
    if (FaceType == 1)
        View.ShowFaceOverlay(TurnPhase, col, row);
    View.DrawCard(col, row);
    Selection[TurnPhase] = CardRef {CellPair[row][col], col, row};
    if (Settings.ComputerPlays)
        RememberCard(Selection[TurnPhase]);
    ++TurnPhase;
    if (TurnPhase == 3) {
        EvaluatePair();
        View.StartTurnTimer(TurnDelay());
    }
}

void TGame::EvaluatePair()
{
    ++Moves;
    ++Players[CurrentPlayer].Moves;
    if (Selection[1].Pair != 0 && Selection[1].Pair == Selection[2].Pair) {
        if (Settings.ComputerPlays)
            ++ComputerStreak;
        PairMatched = true;
        ++PairsFound;
        ++Players[CurrentPlayer].Score;
        if (Settings.ComputerPlays)
            ForgetPair(Selection[1].Pair);
        if (Settings.SoundOn)
            View.PlaySound(TGameSound::Pair);
        View.SetPlayerLabel(PlayerLine(CurrentPlayer));
        CheckGameEnd();
        return;
    }
    PairMatched = false;
    if (++CurrentPlayer > PlayerCount)
        CurrentPlayer = 1;
    ComputerStreak = 0;
    if (Settings.SoundOn)
        View.PlaySound(TGameSound::Miss);
}

void TGame::CheckGameEnd()
{
    if (PairsFound != Rows * Cols / 2) {
        GameOver = false;
        return;
    }
    std::int32_t best = 1;
    for (std::int32_t i = 2; i <= PlayerRecords; ++i)
        if (Players[i].Score > Players[best].Score)
            best = i;
    bool draw = false;
    for (std::int32_t i = 1; i <= PlayerRecords; ++i)
        draw = draw || (i != best && Players[i].Score == Players[best].Score);
    Winner = draw ? 0 : best;
    if (draw) {
        WinnerText = Tr("Game", "No winner");
        View.SetPlayerLabel(WinnerText);
    } else {
        WinnerText = Players[best].Name;
        //: %1: the winner's name.
        View.SetPlayerLabel(FillIn(Tr("Game", "The winner is: %1"), {IsolatedName(WinnerText)}));
    }
    GameOver = true;
}

void TGame::close_pair()
{
    View.HideFaceOverlays();
    View.StopTurnTimer();
    if (!GameActive || TurnPhase != 3)
        return;
    InputEnabled = false;

    const std::int32_t newState = PairMatched ? CellRemoved : CellFaceDown;
    for (std::int32_t i = 1; i <= 2; ++i) {
        CellState[Selection[i].Row][Selection[i].Col] = newState;
        View.DrawCard(Selection[i].Col, Selection[i].Row);
    }
    if (PairMatched) {
        if (GameOver) {
            GameActive = false;
            DrawBoard();
            View.ShowScoreWindow();
        }
    } else {
        View.SetPlayerLabel(PlayerLine(CurrentPlayer));
    }

    TurnPhase = 1;
    PairMatched = false;
    if (Settings.ComputerPlays && CurrentPlayer == 1 && !GameOver)
        ComputerMove();
    InputEnabled = true;
}
