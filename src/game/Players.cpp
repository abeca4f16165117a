#include "game/Players.h"
#include "platform/Translate.h"

#include <algorithm>

namespace {

std::int32_t LeadingNames(const TPlayers& players, std::int32_t examined)
{
    std::int32_t count = 0;
    while (count < examined && !players[count + 1].Name.empty())
        ++count;
    return count;
}

} // namespace

std::int32_t NamePlayers(TPlayers& players, bool computerPlays)
{
    const std::int32_t examined = computerPlays ? PlayerRecords : PlayerRecords - 1;
    const std::int32_t count = LeadingNames(players, examined);
    if (computerPlays && count == 1) {
        players[2].Name = Tr("Players", "Player");
    } else if (count == 0) {
        //: A player's name when none was typed in. %1: the player's number.
        players[1].Name = FillIn(Tr("Players", "Player %1"), {"1"});
        players[2].Name = FillIn(Tr("Players", "Player %1"), {"2"});
    } else if (count == 1) {
        players[2].Name = FillIn(Tr("Players", "Player %1"), {"2"});
    }
    return std::max<std::int32_t>(2, LeadingNames(players, examined));
}

std::string IsolatedName(const std::string& name)
{
    return "\u2068" + name + "\u2069"; // FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE
}
