#pragma once
// The player records and the one rule that names and counts them, shared by
// the options step and the deal so both always agree on who plays.

#include <array>
#include <cstdint>
#include <string>

struct TPlayer {
    std::string Name;
    std::int32_t Score = 0;
    std::int32_t Moves = 0; // the player's own turns of two cards in this game

    bool operator==(const TPlayer&) const = default;
};

constexpr std::int32_t PlayerRecords = 5;
using TPlayers = std::array<TPlayer, PlayerRecords + 1>; // records 1..5, [0] unused

// Returns PlayerCount: the leading non-empty names of records 1..5 with the
// computer playing (record 1 is the computer), else of 1..4. A lone computer
// gets "Player" as its opponent; without the computer a missing first or
// second player becomes "Player 1" / "Player 2". A name filled into a gap
// joins the names after it, so counting the records again gives the same
// number. Always at least 2. Scores are left alone.
std::int32_t NamePlayers(TPlayers& players, bool computerPlays);

// A name as it stands inside a longer text: between the Unicode first-strong
// isolate and its closing mark, so that a right-to-left name neither turns
// the text around it nor takes the text's punctuation into its own run.
std::string IsolatedName(const std::string& name);
