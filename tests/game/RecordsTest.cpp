// The record of finished games: lines that survive any name, a reader that
// skips damage, the newest kept, and the best result and won/lost counts.
#include "FakeView.h"
#include "TestCardSet.h"
#include "game/Records.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TRecord Game(const std::string& set, std::int32_t pairs, std::int32_t level, std::int32_t winner,
             std::vector<TPlayer> players, std::int32_t moves = 10)
{
    TRecord r;
    r.Date = "2026-12-09T03:00:00Z";
    r.CardSet = set;
    r.Pairs = pairs;
    r.ComputerLevel = level;
    r.Winner = winner;
    r.Moves = moves;
    r.Seconds = 61;
    r.Players = std::move(players);
    return r;
}

TEST(Records, ALineKeepsEveryFieldWhateverTheNames)
{
    const TRecord r = Game("a\tb.crd", 8, -1, 2, {{"Ann\\", 3}, {"Bob\n\"x\"\r", 5}});
    const std::string line = FormatRecord(r);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(ParseRecord(line), r);
    EXPECT_EQ(ParseRecord(line + "\r"), r);
    EXPECT_EQ(FormatRecord(Game("s.crd", 8, 3, 0, {{"C", 4, 7}, {"D", 4, 5}}, 12)),
              "2\t2026-12-09T03:00:00Z\ts.crd\t8\t3\t0\t12\t61\tC\t4\t7\tD\t4\t5");
    // A line from before players' own moves were kept: they read as unknown,
    // and are written and read again so.
    const TRecord older = Game("s.crd", 8, 3, 0, {{"C", 4, -1}, {"D", 4, -1}}, 12);
    EXPECT_EQ(ParseRecord("1\t2026-12-09T03:00:00Z\ts.crd\t8\t3\t0\t12\t61\tC\t4\tD\t4"), older);
    EXPECT_EQ(ParseRecord(FormatRecord(older)), older);
}

TEST(Records, DamagedLinesAreSkippedAndTheRestRead)
{
    const std::string good = FormatRecord(Game("s.crd", 8, 3, 1, {{"Computer", 5}, {"Ann", 3}}));
    const char* const damaged[] = {
        "",
        "3\t2026\ts.crd\t8\t3\t1\t10\t61\tA\t5\t5\tB\t3\t5", // another version
        "2\t2026\ts.crd\t8\t3\t1\t10\t61\tA\t5\t5\tB\t3", // moves missing
        "2\t2026\ts.crd\t8\t3\t1\t10\t61\tA\t5\t11\tB\t3\t0", // more moves than the game's
        "1\t2026\ts.crd\t8\t3\t1\t10\t61\tA\t5\tB",    // a name without a score
        "1\t2026\ts.crd\t8\t3\t3\t10\t61\tA\t5\tB\t3", // a winner who did not play
        "1\t2026\ts.crd\t8\t11\t1\t10\t61\tA\t5\tB\t3", // level 11
        "1\t2026\ts.crd\tx\t3\t1\t10\t61\tA\t5\tB\t3", // pairs not a number
        "1\t2026\ts.crd\t8\t3\t1\t10\t61\tA\\q\t5\tB\t3", // an unknown escape
        "1\t2026\ts.crd\t8\t3\t1\t10\t61\tA\t5\tB\t3\tC\t0\tD\t0\tE\t0\tF\t0", // six players
    };
    std::string text = good + "\n";
    for (const char* line : damaged)
        text += std::string(line) + "\n";
    text += good; // the last line may lack its break
    const std::vector<TRecord> records = ParseRecords(text);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], records[1]);
    EXPECT_EQ(records[0].Players[1].Name, "Ann");
    EXPECT_TRUE(ParseRecords(std::string(5000, 'x') + "\n" + good).size() == 1);
}

TEST(Records, AppendingKeepsTheNewestLines)
{
    std::string text;
    for (int i = 1; i <= 5; ++i)
        text = AppendRecord(text, Game("s.crd", 8, -1, 1, {{"A", 8}, {"B", 0}}, i), 3);
    const std::vector<TRecord> records = ParseRecords(text + "torn li");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Moves, 3);
    EXPECT_EQ(records[2].Moves, 5);
}

TEST(Records, BestResultAndWonLostCountOnlyTheirGames)
{
    const std::vector<TRecord> records = {
        Game("s.crd", 8, 3, 1, {{"Computer", 7, 5}, {"Ann", 1, 5}}),      // lost at level 3
        Game("s.crd", 8, 3, 2, {{"Computer", 2, 11}, {"Bob", 6, 9}}, 20), // won at level 3
        Game("s.crd", 8, -1, 1, {{"Cy", 6, 10}, {"Dee", 2, 4}}, 14),      // same score, more moves of his own
        Game("s.crd", 8, -1, 1, {{"Old", 6, -1}, {"Dee", 2, -1}}, 8),     // same score, own moves unknown
        Game("s.crd", 8, 3, 0, {{"Computer", 4}, {"Ann", 4}}),            // no winner
        Game("s.crd", 10, 5, 2, {{"Computer", 1}, {"Eve", 9}}),           // other pairs, other level
        Game("t.crd", 8, -1, 1, {{"Fay", 8}, {"Gus", 0}}),                // another set
    };
    const std::optional<TBestResult> best = BestResult(records, "s.crd", 8);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->Name, "Bob");
    EXPECT_EQ(best->Score, 6);
    EXPECT_EQ(best->Moves, 9);
    EXPECT_FALSE(BestResult(records, "s.crd", 12));
    // The computer's own 7 pairs are never the best result.
    EXPECT_EQ(BestResult({records[0]}, "s.crd", 8)->Name, "Ann");

    const TWonLost level3 = WonLostAgainstComputer(records, 3);
    EXPECT_EQ(level3.Won, 1);
    EXPECT_EQ(level3.Lost, 1);
    EXPECT_EQ(WonLostAgainstComputer(records, 5).Won, 1);
    EXPECT_EQ(WonLostAgainstComputer(records, 0).Won + WonLostAgainstComputer(records, 0).Lost, 0);

    // The lines under the scores: the name isolated, the level as the
    // options' slider shows it; one pair and one move in the singular;
    // moves nobody knows are left out.
    EXPECT_EQ(SummaryLines(records, records[0]),
              (std::vector<std::string> {"Best: \u2068Bob\u2069, 6 pairs in 9 moves",
                                         "Computer memory 3 of 10: won 1, lost 1"}));
    const std::vector<TRecord> few = {Game("u.crd", 8, -1, 1, {{"\u0645\u062d\u0645\u062f", 1, 1}}),
                                      Game("v.crd", 8, -1, 1, {{"Old", 8, -1}})};
    EXPECT_EQ(SummaryLines(few, few[0]), std::vector<std::string> {"Best: \u2068\u0645\u062d\u0645\u062f\u2069, 1 pair in 1 move"});
    EXPECT_EQ(SummaryLines(few, few[1]), std::vector<std::string> {"Best: \u2068Old\u2069, 8 pairs"});
}

TEST(Records, AFinishedGameIsRecordedAsItEnded)
{
    TGameRig rig;
    rig.Humans(2);
    rig.Game.NewGame1Click(WriteTestCardSet("recorded"));
    // P1 misses, then P2 finds every pair.
    rig.Game.MGridSelectCell(CellsOfPair(rig.Game, 1)[0].Col, CellsOfPair(rig.Game, 1)[0].Row);
    rig.Game.MGridSelectCell(CellsOfPair(rig.Game, 2)[0].Col, CellsOfPair(rig.Game, 2)[0].Row);
    RunTimer(rig.Game, rig.View);
    for (std::int32_t pair = 1; pair <= 8; ++pair) {
        for (const TCell& cell : CellsOfPair(rig.Game, pair))
            rig.Game.MGridSelectCell(cell.Col, cell.Row);
        RunTimer(rig.Game, rig.View);
    }
    ASSERT_TRUE(rig.Game.GameOver);
    const TRecord r = MakeRecord(rig.Game, rig.Settings, RecordDate(0), 95);
    EXPECT_EQ(r.Date, "1970-01-01T00:00:00Z");
    EXPECT_EQ(r.CardSet, "recorded-" + std::to_string(getpid()) + ".crd");
    EXPECT_EQ(r.Pairs, 8);
    EXPECT_EQ(r.ComputerLevel, -1);
    EXPECT_EQ(r.Winner, 2);
    EXPECT_EQ(r.Moves, 9);
    EXPECT_EQ(r.Seconds, 95);
    ASSERT_EQ(r.Players.size(), 2u);
    EXPECT_EQ(r.Players[0], (TPlayer {"P1", 0, 1}));
    EXPECT_EQ(r.Players[1], (TPlayer {"P2", 8, 8}));
}

} // namespace
