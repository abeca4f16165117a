#pragma once
// The game model and its engine: the deal, the turns and the computer
// opponent. One TGame is owned by the main window for the whole run; it
// reaches the window only through TGameView, and the view paints from the
// public model below. Players, memory slots and selections are numbered from
// 1 (element 0 is unused); face slots from 0 (slot k holds pair k + 1).
//
// Everything runs on the UI thread. Game rules raise no errors: an invalid
// click is ignored. Only NewGame1Click throws (EGameError), and then the
// model is as it was before the call.

#include "game/GameView.h"
#include "game/Layout.h"
#include "game/Players.h"
#include "game/Random.h"
#include "game/Settings.h"
#include "resources/Graphic.h"
#include "resources/Stream.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct CardRef {
    std::int32_t Pair = 0;
    std::int32_t Col = 0;
    std::int32_t Row = 0;

    bool operator==(const CardRef&) const = default;
};

constexpr std::int32_t FaceSlots = 112;
// A set whose pairs differ keeps pair k+1's second picture in slot
// FaceSlots + k, so one slot number names any picture of the deal.
constexpr std::int32_t AllFaceSlots = 2 * FaceSlots;
constexpr std::int32_t MemorySlots = 224;

struct TCardSet;
struct TSavedGame;

enum TCellState : std::int32_t { CellRemoved = 0, CellFaceDown = 1, CellFaceUp = 2 };

// Whether the cell lies on a board of cols x rows.
inline bool OnBoard(std::int32_t col, std::int32_t row, std::int32_t cols, std::int32_t rows)
{
    return col >= 0 && col < cols && row >= 0 && row < rows;
}

class TGame {
public:
    // The game keeps references to all three; they must outlive it.
    TGame(TGameView& view, TSettings& settings, TRandom& random);

    // --- The model -------------------------------------------------------
    std::int32_t Rows = 0;
    std::int32_t Cols = 0;
    std::int32_t CellPair[MaxRows][MaxCols] {};  // [row][col]: pair 1 .. Rows*Cols/2
    std::int32_t CellState[MaxRows][MaxCols] {}; // [row][col]: TCellState
    // [row][col]: 1 for the card that shows its pair's second picture (in a
    // set whose pairs differ), 0 for the other; the deal decides.
    std::int32_t CellSide[MaxRows][MaxCols] {};
    std::int32_t CellWidth = 120;
    std::int32_t CellHeight = 90;
    std::int32_t WorkAreaWidth = 1024; // set by the window at start-up
    std::int32_t WorkAreaHeight = 738;

    std::int32_t FaceType = 1;  // 1 GIF, 2 JPEG, other bitmap
    std::int32_t FaceCount = 0; // faces the current set holds
    bool SecondFaces = false;   // the set gives each pair's second card a picture of its own
    // Slot k (of AllFaceSlots): the still face (FaceType not 1), null otherwise.
    std::vector<std::unique_ptr<TGraphic>> FacePictures;
    // Slot k (of AllFaceSlots): the raw GIF bytes (FaceType 1); decoded by the view.
    std::vector<TMemoryStream> FaceStreams;
    std::unique_ptr<TGraphic> CardBack; // null until the first deal
    std::string CardSetFile;   // the dealt set's archive
    std::string CardSetDigest; // of that archive at the deal (SavedGame.h)
    std::vector<std::int32_t> FaceEntries; // slot k: the archive entry of pair k+1's (first) face

    // The face slot of the card in the cell; -1 when it holds no pair.
    std::int32_t FaceSlotAt(std::int32_t col, std::int32_t row) const;
    // The archive entry of a face slot of the deal; -1 when it has none.
    std::int32_t FaceEntryOf(std::int32_t slot) const;

    TPlayers Players; // records 1..5
    std::int32_t PlayerCount = 0;
    std::int32_t CurrentPlayer = 1;
    std::int32_t TurnPhase = 1; // 1 first card, 2 second card, 3 delay running
    std::array<CardRef, 3> Selection {}; // [1], [2]
    std::int32_t PairsFound = 0;
    bool GameActive = false;
    bool GameOver = true;
    bool InputEnabled = false;
    std::string WinnerText;
    std::int32_t Winner = 0; // the finished game's winning player record; 0 no winner
    bool PairMatched = false;
    std::int32_t Moves = 0; // turns of two cards in this game

    std::array<CardRef, MemorySlots + 1> ComputerMemory {}; // slots 1..MemorySize
    std::int32_t MemorySize = 1;
    std::int32_t ComputerStreak = 0; // pairs since the last miss; survives a deal

    // --- Setup and deal ------------------------------------------------------
    // Starts a new game from the card-set archive with the current settings.
    // Throws EGameError (naming the file and the reason) when the set cannot
    // be read or decoded, its record has a non-positive picture size, it has
    // fewer faces than the pair count, or no layout holds the pair count;
    // nothing of the model has changed then.
    void NewGame1Click(const std::string& cardSetFile);
    // Continues a saved game with its set, loaded by the caller from
    // cardSetFile with the saved face entries (CardSetLoader.h). The saved options (pair count,
    // computer, level, delay) become the settings. The turn goes on where it
    // stopped: turned cards show, a running delay starts again.
    void ResumeGame(const TSavedGame& saved, TCardSet set, const std::string& cardSetFile);
    // Rows and Cols for Settings.PairCount and the current cell size. Returns
    // false, leaving them unchanged, when no layout qualifies.
    bool ChooseLayout();
    // Shrinks the cells to the work area and applies the geometry to the view.
    void FitBoard();
    void ResetGame();
    void DealCards();
    // Stops a game in progress (the options panel opens): timer off, board
    // inactive, overlays hidden.
    void StopGame();
    // The status line for a player record: the name and the pairs count.
    std::string PlayerLine(std::int32_t number) const;

    // --- Turns ----------------------------------------------------------------
    void MGridSelectCell(std::int32_t col, std::int32_t row);
    void RevealCard(std::int32_t col, std::int32_t row);
    void EvaluatePair();
    void CheckGameEnd();
    void close_pair(); // the turn timer's handler

    // --- Computer opponent ----------------------------------------------------
    void RememberCard(const CardRef& card);
    void ForgetPair(std::int32_t pair);
    void ComputerMove();
    void RevealRandomCard(std::int32_t phase);

    std::int32_t TurnDelay() const { return TurnDelayMs(Settings.DelayIndex); }

private:
    void CountPlayers();
    // The set's pictures and identity become the game's.
    void TakeCardSet(TCardSet set, const std::string& cardSetFile, std::string digest);
    void DrawBoard();

    TGameView& View;
    TSettings& Settings;
    TRandom& Rand;
};
