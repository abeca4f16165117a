// Saved-game reader: any bytes either parse or are refused with EGameError,
// what parses survives writing and reading back unchanged, and a game it
// accepts plays on to its end as a game of the engine does: every turn turns
// two face-down cards, and the pairs, the scores and the winner add up.

#include "FakeView.h"
#include "game/CardSetLoader.h"
#include "game/GameError.h"
#include "game/SavedGame.h"
#include "resources/Bitmap.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

// The turn's two cards are up and the board agrees with the count of pairs.
void CheckTurn(const TGame& game)
{
    const CardRef& a = game.Selection[1];
    const CardRef& b = game.Selection[2];
    Check(game.CellState[a.Row][a.Col] == CellFaceUp && game.CellState[b.Row][b.Col] == CellFaceUp);
    Check(a.Col != b.Col || a.Row != b.Row);
    std::int32_t removed = 0;
    for (std::int32_t r = 0; r < game.Rows; ++r)
        for (std::int32_t c = 0; c < game.Cols; ++c)
            removed += game.CellState[r][c] == CellRemoved;
    Check(removed == 2 * (game.PairsFound - (game.PairMatched ? 1 : 0)));
    std::int32_t scores = 0;
    for (std::int32_t i = 1; i <= PlayerRecords; ++i) {
        scores += game.Players[static_cast<std::size_t>(i)].Score;
        Check(i <= game.PlayerCount || game.Players[static_cast<std::size_t>(i)].Score == 0);
    }
    Check(scores == game.PairsFound);
}

void PlayToTheEnd(const TSavedGame& saved)
{
    TCardSet set;
    set.Info.FaceType = 3;
    set.Info.Width = 40;
    set.Info.Height = 30;
    set.Info.FaceCount = saved.PairCount;
    set.Advert = std::make_unique<TBitmap>(1, 1);
    set.CardBack = std::make_unique<TBitmap>(1, 1);
    set.FacePictures.resize(AllFaceSlots);
    set.FaceStreams.resize(AllFaceSlots);
    set.FaceEntries = saved.FaceEntries;

    TGameRig rig;
    TGame& game = rig.Game;
    game.ResumeGame(saved, std::move(set), "fuzz.crd");
    // A human who knows the board finds a pair in two turns of three and
    // misses in the third, so a game that stalls is one the engine cannot
    // play (clicks it refuses, a turn that never ends).
    std::int32_t turns = 0;
    for (std::int32_t step = 0; game.GameActive; ++step) {
        Check(step < 16 * saved.PairCount + 16);
        if (rig.View.TimerRunning) {
            CheckTurn(game);
            game.close_pair();
            continue;
        }
        const bool first = game.TurnPhase == 1;
        CardRef pick {};
        bool found = false;
        for (std::int32_t r = 0; r < game.Rows && !found; ++r)
            for (std::int32_t c = 0; c < game.Cols && !found; ++c) {
                if (game.CellState[r][c] != CellFaceDown)
                    continue;
                const bool partner = !first && game.CellPair[r][c] == game.Selection[1].Pair;
                if (first || partner == (turns % 3 != 2)) {
                    pick = {game.CellPair[r][c], c, r};
                    found = true;
                }
            }
        if (!found) // only the partner is left to miss with
            for (std::int32_t r = 0; r < game.Rows && !found; ++r)
                for (std::int32_t c = 0; c < game.Cols && !found; ++c)
                    if (game.CellState[r][c] == CellFaceDown) {
                        pick = {game.CellPair[r][c], c, r};
                        found = true;
                    }
        Check(found);
        turns += first ? 0 : 1;
        game.MGridSelectCell(pick.Col, pick.Row);
    }
    Check(game.GameOver && game.PairsFound == saved.PairCount);
    Check(game.Winner >= 0 && game.Winner <= game.PlayerCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TSavedGame game;
    try {
        game = ParseSavedGame(bytes);
    } catch (const EGameError&) {
        return 0;
    }
    if (ParseSavedGame(FormatSavedGame(game)) != game)
        std::abort();
    PlayToTheEnd(game);
    return 0;
}
