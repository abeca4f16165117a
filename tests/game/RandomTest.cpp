#include "game/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Random, FollowsTheGeneratorExactly)
{
    // seed' = seed * 134775813 + 1 mod 2^32; result = seed' * n >> 32.
    TRandom random(12345);
    EXPECT_EQ(random.Random(1000), 385);
    EXPECT_EQ(random.Seed, 1655067934u);
    EXPECT_EQ(random.Random(1000), 289);
    EXPECT_EQ(random.Seed, 1242767767u);
    EXPECT_EQ(random.Random(1000), 79);
    EXPECT_EQ(random.Random(7), 3);
    EXPECT_EQ(random.Random(2147483647), 1360806764);
    EXPECT_EQ(random.Seed, 2721613530u);
}

TEST(Random, SeedZeroAndDegenerateRanges)
{
    TRandom random(0);
    EXPECT_EQ(random.Random(100), 0); // seed 1
    EXPECT_EQ(random.Random(100), 3); // seed 134775814
    // n below 1 still advances the seed and gives 0.
    const std::uint32_t before = random.Seed;
    EXPECT_EQ(random.Random(0), 0);
    EXPECT_EQ(random.Seed, before * 134775813u + 1u);
    EXPECT_EQ(random.Random(-5), 0);
}

TEST(Random, StaysInRangeAndCoversIt)
{
    TRandom random(99);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = random.Random(13);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 13);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 13u);
}

TEST(Random, RandomizeTakesTheSeedFromTheClock)
{
    std::uint32_t now = 4711;
    TRandom random(1, [&] { return now; });
    random.Randomize();
    EXPECT_EQ(random.Seed, 4711u);
    now = 86399999;
    random.Randomize();
    EXPECT_EQ(random.Seed, 86399999u);
}

TEST(Random, TheRealClockCountsMillisecondsOfTheDay)
{
    EXPECT_LT(MillisecondsSinceUtcMidnight(), 24u * 60 * 60 * 1000);
}

} // namespace
