#pragma once
// The record of finished games: one line per game in a text file, newest
// last, at most MaxRecords lines. A line is tab-separated:
//
//   2  date  set  pairs  level  winner  moves  seconds  name  score  moves  [name  score  moves ...]
//
// "2" is the line format's version; date is UTC "YYYY-MM-DDTHH:MM:SSZ"; set
// is the card set's file name; level is the computer's level, or -1 when it
// did not play (then it is not among the players; when it plays it is the
// first); winner is the winner's place among the players from 1, or 0 for
// no winner; moves are the game's turns, then each player's own (-1 where
// unknown). Lines of version 1 ("1" ... name score [name score ...]) are
// still read, their players' own moves unknown. Texts escape '\' as "\\", a tab as "\t" and line breaks as
// "\n" and "\r".
//
// Reading is tolerant: a line that does not parse is skipped, so a damaged
// or half-written file still gives every whole line.

#include "game/Game.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t MaxRecords = 10000;
constexpr std::size_t MaxRecordLine = 4096;
// The file MaxRecords lines of MaxRecordLine bytes make; a larger one is not read.
constexpr std::size_t MaxRecordsFileSize = MaxRecords * (MaxRecordLine + 1);

struct TRecord {
    std::string Date;
    std::string CardSet;
    std::int32_t Pairs = 0;
    std::int32_t ComputerLevel = -1; // -1: the computer did not play
    std::int32_t Winner = 0;         // place among Players from 1; 0 no winner
    std::int32_t Moves = 0;
    std::int32_t Seconds = 0;
    // In play order, the computer first when it plays. A player's Moves is
    // -1 where the line did not say.
    std::vector<TPlayer> Players;

    bool operator==(const TRecord&) const = default;
};

// The finished game's record. date as RecordDate gives it.
TRecord MakeRecord(const TGame& game, const TSettings& settings, const std::string& date, std::int32_t seconds);
std::string RecordDate(std::time_t time);

std::string FormatRecord(const TRecord& record); // one line, without its line break
std::optional<TRecord> ParseRecord(std::string_view line);
std::vector<TRecord> ParseRecords(std::string_view text);
// The file's new text: its readable lines, the oldest dropped so that with
// the new record at the end at most keep remain.
std::string AppendRecord(std::string_view text, const TRecord& record, std::size_t keep = MaxRecords);

// The best result with a set and pair count: the highest score a player who
// is not the computer reached, the fewer of the player's own moves first
// among equal scores (unknown moves last).
struct TBestResult {
    std::string Name;
    std::int32_t Score = 0;
    std::int32_t Moves = -1; // the player's own; -1 unknown
    std::string Date;
};
std::optional<TBestResult> BestResult(const std::vector<TRecord>& records, const std::string& cardSet,
                                      std::int32_t pairs);

// Games against the computer at a level: won by one of the other players,
// lost to the computer (games without a winner count for neither).
struct TWonLost {
    std::int32_t Won = 0;
    std::int32_t Lost = 0;
};
TWonLost WonLostAgainstComputer(const std::vector<TRecord>& records, std::int32_t level);

// The lines under a finished game's scores, from the records (the game's
// own among them): the best result with its set and pair count ("Best: Ann,
// 7 pairs in 12 moves", the player's own moves), and, when the computer
// played, the won/lost count at its memory as the options' slider shows it
// ("Computer memory 3 of 10: won 4, lost 2"). Names stand isolated
// (IsolatedName).
std::vector<std::string> SummaryLines(const std::vector<TRecord>& records, const TRecord& game);
