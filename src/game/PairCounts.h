#pragma once
// The pair counts a game may be dealt with, as the options panel offers them,
// smallest first. Every one of them has a board layout.

#include <array>
#include <cstdint>

constexpr std::array<std::int32_t, 28> PairCounts = {8,  10, 12, 14, 16, 18, 20, 21, 22, 24, 26, 27, 28, 30,
                                                     32, 33, 36, 39, 40, 42, 44, 45, 48, 50, 52, 55, 56, 60};
