#pragma once
// The process-wide options that the game reads and the options panel and the
// key store fill. Defaults are the first-run values; the player names live in
// the game's Players table.

#include <cstdint>
#include <string>

struct TSettings {
    std::int32_t PairCount = 8;       // pairs in the next game, one of the offered counts
    bool ComputerPlays = true;        // the computer takes part as player 1
    bool SoundOn = true;              // pair and miss sounds
    std::int32_t ComputerLevel = 3;   // memory strength, 0 to 10
    std::int32_t DelayIndex = 3;      // 0..8: turn-back delay of 1 to 5 seconds in half seconds
    std::int32_t SelectedCardSet = 0; // index into the card-set catalogue
    std::string CardBuilderPath;      // the card-set editor's executable, only stored
    bool MotionOn = true;             // cards flip and found pairs leave visibly
    std::string Language;             // "" follows the desktop, else a shipped language's code ("de", "en")
};

// The turn-back delay in milliseconds for a delay index.
constexpr std::int32_t TurnDelayMs(std::int32_t delayIndex) { return 1000 + 500 * delayIndex; }
