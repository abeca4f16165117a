// The computer opponent: a small, lossy memory of the cards it has seen and
// a move that cashes in remembered pairs before it guesses.
#include "game/Game.h"

namespace {

bool SameCell(const CardRef& a, const CardRef& b)
{
    return a.Col == b.Col && a.Row == b.Row;
}

} // namespace

void TGame::RememberCard(const CardRef& card)
{
    const std::int32_t k = Rand.Random(MemorySize) + 1; // drawn even when the card is known
    for (std::int32_t i = 1; i <= MemorySize; ++i) {
        const CardRef& slot = ComputerMemory[i];
        if (slot.Pair == card.Pair && SameCell(slot, card))
            return;
    }
    ComputerMemory[k] = card;
}

void TGame::ForgetPair(std::int32_t pair)
{
    for (std::int32_t i = 1; i <= MemorySize; ++i)
        if (ComputerMemory[i].Pair == pair)
            ComputerMemory[i] = CardRef {};
}

void TGame::ComputerMove()
{
    InputEnabled = false;
    bool found = false;

    if (TurnPhase == 1) {
        // After two pairs in a row only slot 1 may open a remembered pair.
        for (std::int32_t i = 1; i <= MemorySize && !found; ++i) {
            const CardRef first = ComputerMemory[i];
            if (first.Pair != 0) {
                for (std::int32_t j = i + 1; j <= MemorySize; ++j) {
                    const CardRef second = ComputerMemory[j];
                    if (second.Pair == first.Pair && !SameCell(first, second)) {
                        RevealCard(first.Col, first.Row);
                        RevealCard(second.Col, second.Row);
                        found = true;
                        break;
                    }
                }
            }
            if (ComputerStreak >= 2)
                break;
        }
        // A card the engine refused to turn leaves the turn to the guesses below.
        found = found && TurnPhase == 3;
    }

    if (!found && TurnPhase == 1) {
        RevealRandomCard(1);
        for (std::int32_t k = 1; k <= MemorySize; ++k) {
            const CardRef slot = ComputerMemory[k];
            if (slot.Pair == Selection[1].Pair && !SameCell(slot, Selection[1])) {
                RevealCard(slot.Col, slot.Row);
                found = TurnPhase == 3;
                break;
            }
        }
    }

    if (!found && TurnPhase == 2) {
        RevealRandomCard(2);
        InputEnabled = true;
    }
}

void TGame::RevealRandomCard(std::int32_t phase)
{
    const std::int32_t n = Rows * Cols;
    const std::int32_t s = Rand.Random(n);
    for (std::int32_t step = 0; step < n; ++step) {
        const std::int32_t cell = (s + step) % n;
        const std::int32_t row = cell / Cols;
        const std::int32_t col = cell % Cols;
        if (CellState[row][col] == CellFaceDown) {
            TurnPhase = phase;
            RevealCard(col, row);
            return;
        }
    }
}
