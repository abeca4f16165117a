// Saved-game reader: any bytes either parse or are refused with EGameError,
// and what parses survives writing and reading back unchanged.

#include "game/GameError.h"
#include "game/SavedGame.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

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
    return 0;
}
