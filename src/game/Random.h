#pragma once
// The game's one random source: a 32-bit linear congruential generator whose
// draws and reseeding are reproducible, so a test that fixes the seed and the
// clock fixes the whole game.

#include <cstdint>
#include <functional>

// Milliseconds since midnight of the current UTC day.
std::uint32_t MillisecondsSinceUtcMidnight();

class TRandom {
public:
    using TClock = std::function<std::uint32_t()>;

    explicit TRandom(std::uint32_t seed = 0, TClock clock = MillisecondsSinceUtcMidnight)
        : Seed(seed), Clock(std::move(clock))
    {
    }

    // Advances the seed, then returns a value from 0 to n - 1 (0 when n < 1).
    std::int32_t Random(std::int32_t n);
    // Sets the seed from the clock.
    void Randomize() { Seed = Clock(); }

    std::uint32_t Seed;
    TClock Clock;
};
