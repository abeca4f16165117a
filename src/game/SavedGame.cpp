// The saved-game file, version 3. Numbers are little-endian signed 32-bit
// integers; a text is a number (its byte count) and that many bytes.
//
//   8 bytes  "KOBGAME\n"
//   number   version (3; versions 1 and 2 are still read)
//   text     set file name; text digest
//   numbers  pair count, computer plays (0/1), computer level, delay index
//   numbers  rows, columns
//   number   face count (= pair count), then that many archive entries
//   numbers  rows * columns cells: pair, state
//   number   player count; 5 records: text name, number score
//   numbers  current player, turn phase, selection 1 and 2 (pair, col, row),
//            pairs found, pair matched (0/1), input enabled (0/1)
//   number   memory size, then that many slots (pair, col, row)
//   numbers  computer streak, moves, elapsed seconds
//   numbers  the moves of each of the 5 records (not in version 1, whose
//            games go on counting from 0)
//   numbers  rows * columns cells: 1 for the card that shows its pair's
//            second picture, else 0; one of each in every pair (not before
//            version 3, whose games came from sets of alike pairs: the
//            earlier card of each pair, row by row, counts as the first)
//
// Nothing may follow.
#include "game/SavedGame.h"

#include "game/CardSetInfo.h"
#include "game/GameError.h"
#include "game/PairCounts.h"
#include "resources/LittleEndian.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::string_view Magic = "KOBGAME\n";
// Counts of pairs are bounded before they are summed or doubled.
constexpr std::int32_t MaxPairs = PairCounts.back();

[[noreturn]] void Damaged(const std::string& why)
{
    throw EGameError("Damaged saved game: " + why);
}

class TWriter {
public:
    void Number(std::int32_t n) { AppendInt32LE(Bytes, n); }
    void Text(const std::string& s)
    {
        Number(static_cast<std::int32_t>(s.size()));
        Bytes += s;
    }
    void Card(const CardRef& c)
    {
        Number(c.Pair);
        Number(c.Col);
        Number(c.Row);
    }
    std::string Bytes;
};

class TReader {
public:
    explicit TReader(std::string_view bytes) : Bytes(bytes) {}

    std::int32_t Number()
    {
        Need(4, "a number");
        const std::int32_t n = GetInt32LE(reinterpret_cast<const std::uint8_t*>(Bytes.data() + Pos));
        Pos += 4;
        return n;
    }
    std::int32_t Number(std::int32_t low, std::int32_t high, const char* what)
    {
        const std::int32_t n = Number();
        if (n < low || n > high)
            Damaged(std::string(what) + " " + std::to_string(n) + " is outside " + std::to_string(low) + " to "
                    + std::to_string(high));
        return n;
    }
    bool Flag(const char* what) { return Number(0, 1, what) != 0; }
    std::string Text(const char* what)
    {
        const std::int32_t size = Number(0, static_cast<std::int32_t>(MaxSavedText), what);
        Need(static_cast<std::size_t>(size), what);
        std::string s(Bytes.substr(Pos, static_cast<std::size_t>(size)));
        Pos += static_cast<std::size_t>(size);
        return s;
    }
    CardRef Card()
    {
        CardRef c;
        c.Pair = Number();
        c.Col = Number();
        c.Row = Number();
        return c;
    }
    // A count of items of itemSize bytes each, at most limit and no more
    // than the bytes left can hold.
    std::int32_t Count(std::int32_t limit, std::size_t itemSize, const char* what)
    {
        const std::int32_t n = Number(0, limit, what);
        Need(static_cast<std::size_t>(n) * itemSize, what);
        return n;
    }
    void Magic(std::string_view magic)
    {
        if (Bytes.substr(0, magic.size()) != magic)
            Damaged("not a saved game");
        Pos = magic.size();
    }
    void End() const
    {
        if (Pos != Bytes.size())
            Damaged(std::to_string(Bytes.size() - Pos) + " bytes after the end");
    }

private:
    void Need(std::size_t size, const char* what) const
    {
        if (size > Bytes.size() - Pos)
            Damaged(std::string("the file ends inside ") + what);
    }

    std::string_view Bytes;
    std::size_t Pos = 0;
};

bool OnBoard(const TSavedGame& g, const CardRef& c)
{
    return ::OnBoard(c.Col, c.Row, g.Cols, g.Rows);
}

std::int32_t CellIndex(const TSavedGame& g, const CardRef& c)
{
    return c.Row * g.Cols + c.Col;
}

// What the engine relies on: every pair twice on the board, removed in
// twos, the face-up cards being the turn's selection, scores adding up to
// the pairs found and memory slots that name real cards.
void CheckState(const TSavedGame& g)
{
    if (g.CardSet.empty() || g.CardSet == "." || g.CardSet == ".." || g.CardSet.find('/') != std::string::npos
        || g.CardSet.find('\0') != std::string::npos)
        Damaged("the set's file name '" + g.CardSet + "' is not a file name");
    if (std::find(PairCounts.begin(), PairCounts.end(), g.PairCount) == PairCounts.end())
        Damaged(std::to_string(g.PairCount) + " is not a pair count");
    if (g.Rows * g.Cols != 2 * g.PairCount)
        Damaged("the board does not hold the pairs");
    for (std::int32_t entry : g.FaceEntries)
        if (entry < FirstFaceEntry)
            Damaged("a face entry before the faces");

    std::vector<std::int32_t> seen(static_cast<std::size_t>(g.PairCount) + 1);
    std::vector<std::int32_t> gone(static_cast<std::size_t>(g.PairCount) + 1);
    std::int32_t removed = 0;
    std::int32_t faceUp = 0;
    for (std::size_t i = 0; i < g.CellPair.size(); ++i) {
        const std::int32_t pair = g.CellPair[i];
        if (pair < 1 || pair > g.PairCount || ++seen[static_cast<std::size_t>(pair)] > 2)
            Damaged("the cards are not " + std::to_string(g.PairCount) + " pairs");
        gone[static_cast<std::size_t>(pair)] += g.CellState[i] == CellRemoved;
        removed += g.CellState[i] == CellRemoved;
        faceUp += g.CellState[i] == CellFaceUp;
    }
    if (std::find(gone.begin(), gone.end(), 1) != gone.end())
        Damaged("half of a pair is removed");
    std::vector<std::int32_t> seconds(static_cast<std::size_t>(g.PairCount) + 1);
    for (std::size_t i = 0; i < g.CellSide.size(); ++i)
        seconds[static_cast<std::size_t>(g.CellPair[i])] += g.CellSide[i];
    if (std::count(seconds.begin() + 1, seconds.end(), 1) != g.PairCount)
        Damaged("a pair whose cards do not show one picture each");
    // A pair found in the running turn is still face up until the delay ends.
    if (removed + (g.PairMatched ? 2 : 0) != 2 * g.PairsFound || g.PairsFound >= g.PairCount)
        Damaged("the pairs found do not match the board");

    // A score beyond the players could make a winner of nobody who played.
    for (std::int32_t i = g.PlayerCount + 1; i <= PlayerRecords; ++i)
        if (g.Players[static_cast<std::size_t>(i)].Score != 0)
            Damaged("a score for a player who does not play");
    std::int32_t scores = 0;
    for (std::int32_t i = 1; i <= PlayerRecords; ++i)
        scores += g.Players[static_cast<std::size_t>(i)].Score;
    if (scores != g.PairsFound)
        Damaged("the scores do not add up to the pairs found");

    // Cards turned in this turn are face up, and only they.
    const std::int32_t turned = g.TurnPhase - 1;
    if (faceUp != turned)
        Damaged("face-up cards that are not the turn's");
    for (std::int32_t i = 1; i <= turned; ++i) {
        const CardRef& c = g.Selection[static_cast<std::size_t>(i)];
        if (!OnBoard(g, c) || g.CellState[static_cast<std::size_t>(CellIndex(g, c))] != CellFaceUp
            || g.CellPair[static_cast<std::size_t>(CellIndex(g, c))] != c.Pair)
            Damaged("a selected card that is not face up");
    }
    if (turned == 2 && g.Selection[1] == g.Selection[2])
        Damaged("one card selected twice");
    const bool matched = turned == 2 && g.Selection[1].Pair == g.Selection[2].Pair;
    if (g.PairMatched != matched)
        Damaged("a pair that is not judged as its cards");
    // Clicks are shut out only while the computer's cards wait out their
    // delay, and the computer turns its two cards at once.
    if (!g.InputEnabled && !(g.ComputerPlays && g.TurnPhase == 3))
        Damaged("the players cannot click");
    if (g.ComputerPlays && g.CurrentPlayer == 1 && g.TurnPhase == 2)
        Damaged("the computer's turn stops after one card");

    for (const CardRef& slot : g.ComputerMemory) {
        if (slot.Pair == 0)
            continue;
        if (!OnBoard(g, slot) || g.CellPair[static_cast<std::size_t>(CellIndex(g, slot))] != slot.Pair)
            Damaged("a remembered card that is not on the board");
        // The computer forgets a pair the moment it is found.
        if (g.CellState[static_cast<std::size_t>(CellIndex(g, slot))] == CellRemoved
            || (g.PairMatched && slot.Pair == g.Selection[1].Pair))
            Damaged("a remembered card of a pair already found");
    }
}

// Each player's own turns: only those who play have any, and together no
// more than the game's (fewer for a game first saved as version 1, whose
// players count theirs from its resumption).
void ReadPlayerMoves(TReader& r, TSavedGame& g)
{
    std::int64_t sum = 0;
    for (std::int32_t i = 1; i <= PlayerRecords; ++i) {
        const std::int32_t moves = r.Number(0, i <= g.PlayerCount ? g.Moves : 0, "a player's moves");
        g.Players[static_cast<std::size_t>(i)].Moves = moves;
        sum += moves;
    }
    if (sum > g.Moves)
        Damaged("the players' moves add up to more than the game's");
}

// The sides of a game saved before they were kept: the first card of each
// pair, row by row, shows its first picture.
std::vector<std::int32_t> EarlierCardsFirst(const std::vector<std::int32_t>& cellPair)
{
    std::vector<std::int32_t> sides;
    std::vector<bool> met(static_cast<std::size_t>(MaxPairs) + 1);
    for (const std::int32_t pair : cellPair) {
        const bool known = pair >= 0 && pair <= MaxPairs;
        sides.push_back(known && met[static_cast<std::size_t>(pair)]);
        if (known)
            met[static_cast<std::size_t>(pair)] = true;
    }
    return sides;
}

} // namespace

TSavedGame CaptureGame(const TGame& game, const TSettings& settings, std::int32_t elapsedSeconds)
{
    TSavedGame g;
    g.CardSet = std::filesystem::path(game.CardSetFile).filename().string();
    g.Digest = game.CardSetDigest;
    g.PairCount = game.Rows * game.Cols / 2;
    g.ComputerPlays = settings.ComputerPlays;
    g.ComputerLevel = settings.ComputerLevel;
    g.DelayIndex = settings.DelayIndex;
    g.Rows = game.Rows;
    g.Cols = game.Cols;
    g.FaceEntries = game.FaceEntries;
    for (std::int32_t r = 0; r < game.Rows; ++r)
        for (std::int32_t c = 0; c < game.Cols; ++c) {
            g.CellPair.push_back(game.CellPair[r][c]);
            g.CellState.push_back(game.CellState[r][c]);
            g.CellSide.push_back(game.CellSide[r][c]);
        }
    g.Players = game.Players;
    g.Players[0] = TPlayer {}; // record 0 is unused and not kept
    g.PlayerCount = game.PlayerCount;
    g.CurrentPlayer = game.CurrentPlayer;
    g.TurnPhase = game.TurnPhase;
    g.Selection = game.Selection;
    g.Selection[0] = CardRef {};
    g.PairsFound = game.PairsFound;
    g.PairMatched = game.PairMatched;
    g.InputEnabled = game.InputEnabled;
    g.MemorySize = game.MemorySize;
    g.ComputerMemory.assign(game.ComputerMemory.begin() + 1, game.ComputerMemory.begin() + 1 + game.MemorySize);
    g.ComputerStreak = game.ComputerStreak;
    g.Moves = game.Moves;
    g.ElapsedSeconds = elapsedSeconds;
    return g;
}

void ApplySavedOptions(const TSavedGame& saved, TSettings& settings)
{
    settings.PairCount = saved.PairCount;
    settings.ComputerPlays = saved.ComputerPlays;
    settings.ComputerLevel = saved.ComputerLevel;
    settings.DelayIndex = saved.DelayIndex;
}

std::string FormatSavedGame(const TSavedGame& g)
{
    TWriter w;
    w.Bytes = Magic;
    w.Number(SavedGameVersion);
    w.Text(g.CardSet);
    w.Text(g.Digest);
    w.Number(g.PairCount);
    w.Number(g.ComputerPlays);
    w.Number(g.ComputerLevel);
    w.Number(g.DelayIndex);
    w.Number(g.Rows);
    w.Number(g.Cols);
    w.Number(static_cast<std::int32_t>(g.FaceEntries.size()));
    for (std::int32_t entry : g.FaceEntries)
        w.Number(entry);
    for (std::size_t i = 0; i < g.CellPair.size(); ++i) {
        w.Number(g.CellPair[i]);
        w.Number(g.CellState[i]);
    }
    w.Number(g.PlayerCount);
    for (std::int32_t i = 1; i <= PlayerRecords; ++i) {
        w.Text(g.Players[static_cast<std::size_t>(i)].Name);
        w.Number(g.Players[static_cast<std::size_t>(i)].Score);
    }
    w.Number(g.CurrentPlayer);
    w.Number(g.TurnPhase);
    w.Card(g.Selection[1]);
    w.Card(g.Selection[2]);
    w.Number(g.PairsFound);
    w.Number(g.PairMatched);
    w.Number(g.InputEnabled);
    w.Number(static_cast<std::int32_t>(g.ComputerMemory.size()));
    for (const CardRef& slot : g.ComputerMemory)
        w.Card(slot);
    w.Number(g.ComputerStreak);
    w.Number(g.Moves);
    w.Number(g.ElapsedSeconds);
    for (std::int32_t i = 1; i <= PlayerRecords; ++i)
        w.Number(g.Players[static_cast<std::size_t>(i)].Moves);
    for (std::int32_t side : g.CellSide)
        w.Number(side);
    return std::move(w.Bytes);
}

TSavedGame ParseSavedGame(std::string_view bytes)
{
    if (bytes.size() > MaxSavedGameSize)
        Damaged("larger than " + std::to_string(MaxSavedGameSize) + " bytes");
    TReader r(bytes);
    r.Magic(Magic);
    const std::int32_t version = r.Number();
    if (version < 1 || version > SavedGameVersion)
        Damaged("version " + std::to_string(version) + " is not 1 to " + std::to_string(SavedGameVersion));
    TSavedGame g;
    g.CardSet = r.Text("the set's file name");
    g.Digest = r.Text("the set's digest");
    g.PairCount = r.Number();
    g.ComputerPlays = r.Flag("computer plays");
    g.ComputerLevel = r.Number(0, 10, "the computer level");
    g.DelayIndex = r.Number(0, 8, "the delay");
    g.Rows = r.Number(1, MaxRows, "rows");
    g.Cols = r.Number(1, MaxCols, "columns");
    g.FaceEntries.resize(static_cast<std::size_t>(r.Count(FaceSlots, 4, "the faces")));
    for (std::int32_t& entry : g.FaceEntries)
        entry = r.Number();
    if (static_cast<std::int32_t>(g.FaceEntries.size()) != g.PairCount)
        Damaged("the faces are not one for every pair");
    const std::size_t cells = static_cast<std::size_t>(g.Rows * g.Cols);
    for (std::size_t i = 0; i < cells; ++i) {
        g.CellPair.push_back(r.Number());
        g.CellState.push_back(r.Number(CellRemoved, CellFaceUp, "a cell's state"));
    }
    const std::int32_t players = r.Number(2, PlayerRecords, "the player count");
    g.PlayerCount = players;
    for (std::int32_t i = 1; i <= PlayerRecords; ++i) {
        g.Players[static_cast<std::size_t>(i)].Name = r.Text("a player's name");
        g.Players[static_cast<std::size_t>(i)].Score = r.Number(0, MaxPairs, "a score");
    }
    g.CurrentPlayer = r.Number(1, players, "the current player");
    g.TurnPhase = r.Number(1, 3, "the turn phase");
    g.Selection[1] = r.Card();
    g.Selection[2] = r.Card();
    g.PairsFound = r.Number(0, MaxPairs, "the pairs found");
    g.PairMatched = r.Flag("pair matched");
    g.InputEnabled = r.Flag("input enabled");
    g.MemorySize = r.Count(MemorySlots, 12, "the computer's memory");
    if (g.MemorySize != MemorySizeFor(g.Rows, g.Cols, g.ComputerLevel))
        Damaged("the computer's memory does not fit its level");
    g.ComputerMemory.resize(static_cast<std::size_t>(g.MemorySize));
    for (CardRef& slot : g.ComputerMemory)
        slot = r.Card();
    g.ComputerStreak = r.Number(0, 1 << 30, "the computer's streak"); // it survives deals
    g.Moves = r.Number(0, 1 << 30, "the moves");
    g.ElapsedSeconds = r.Number(0, 1 << 30, "the play time");
    if (version >= 2)
        ReadPlayerMoves(r, g);
    if (version >= 3)
        for (std::size_t i = 0; i < cells; ++i)
            g.CellSide.push_back(r.Number(0, 1, "a card's picture"));
    else
        g.CellSide = EarlierCardsFirst(g.CellPair);
    r.End();
    CheckState(g);
    return g;
}

std::string CardSetDigest(const std::string& fileName)
{
    // FNV-1a over the bytes, with their count: enough to notice a set that
    // was replaced or edited, which is all it is for.
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EGameError(fileName + ": the set cannot be read");
    std::uint64_t hash = 14695981039346656037ull;
    std::uint64_t size = 0;
    char piece[65536];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(piece[i])) * 1099511628211ull;
        size += static_cast<std::uint64_t>(in.gcount());
    }
    if (in.bad())
        throw EGameError(fileName + ": the set cannot be read");
    char text[48];
    std::snprintf(text, sizeof text, "fnv1a64:%016llx:%llu", static_cast<unsigned long long>(hash),
                  static_cast<unsigned long long>(size));
    return text;
}
