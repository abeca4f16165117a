#pragma once
// A game in progress as it is kept between runs: the set (its file name in
// the cards folder and a digest of its bytes), the faces dealt, every cell,
// the players and scores, whose turn and how far it went, the computer's
// memory and streak, and the options the game was dealt with.
//
// The file is binary, little-endian (SavedGame.cpp describes it field by
// field) and versioned. Reading bounds every count by a named limit and by
// the bytes that remain, and checks that the state is one a game can be in,
// so that a damaged file is refused whole and never half restored.

#include "game/Game.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr std::int32_t SavedGameVersion = 3; // versions 1 and 2 are still read
constexpr std::size_t MaxSavedGameSize = 64 * 1024;
constexpr std::size_t MaxSavedText = 255; // a set's file name, a digest or a player's name

struct TSavedGame {
    std::string CardSet; // file name in the cards folder, no folder part
    std::string Digest;  // CardSetDigest of the set when it was dealt
    std::int32_t PairCount = 0;
    bool ComputerPlays = false;
    std::int32_t ComputerLevel = 0;
    std::int32_t DelayIndex = 0;
    std::int32_t Rows = 0;
    std::int32_t Cols = 0;
    std::vector<std::int32_t> FaceEntries; // slot k: archive entry of pair k+1's face
    std::vector<std::int32_t> CellPair;    // row by row, Rows * Cols
    std::vector<std::int32_t> CellState;
    std::vector<std::int32_t> CellSide; // 1: the card shows its pair's second picture
    std::array<TPlayer, PlayerRecords + 1> Players; // records 1..5
    std::int32_t PlayerCount = 0;
    std::int32_t CurrentPlayer = 1;
    std::int32_t TurnPhase = 1;
    std::array<CardRef, 3> Selection {};
    std::int32_t PairsFound = 0;
    bool PairMatched = false;
    bool InputEnabled = false;
    std::int32_t MemorySize = 1;
    std::vector<CardRef> ComputerMemory; // slots 1..MemorySize
    std::int32_t ComputerStreak = 0;
    std::int32_t Moves = 0;
    std::int32_t ElapsedSeconds = 0; // play time before the save

    bool operator==(const TSavedGame&) const = default;
};

// The running game's state. Only a game in progress (GameActive and not
// GameOver) can be saved; the caller checks. elapsedSeconds is the play
// time so far, which the window keeps.
TSavedGame CaptureGame(const TGame& game, const TSettings& settings, std::int32_t elapsedSeconds);

// The options the game was dealt with become the settings.
void ApplySavedOptions(const TSavedGame& saved, TSettings& settings);

std::string FormatSavedGame(const TSavedGame& saved);
// Throws EGameError ("Damaged saved game: ...") for anything but a whole
// file of this version holding a game in progress.
TSavedGame ParseSavedGame(std::string_view bytes);

// A digest of the set file's bytes, to notice a set that changed after the
// deal. Throws EGameError when the file cannot be read.
std::string CardSetDigest(const std::string& fileName);
