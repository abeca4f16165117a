#include "game/Random.h"

#include <chrono>

std::uint32_t MillisecondsSinceUtcMidnight()
{
    using namespace std::chrono;
    constexpr std::int64_t msPerDay = 24LL * 60 * 60 * 1000;
    const std::int64_t ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(((ms % msPerDay) + msPerDay) % msPerDay);
}

std::int32_t TRandom::Random(std::int32_t n)
{
    Seed = Seed * 134775813u + 1u;
    if (n < 1)
        return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(Seed) * static_cast<std::uint64_t>(n)) >> 32);
}
