#pragma once
// Pure board arithmetic: the choice of rows and columns for a pair count, the
// fitting of the cells into the work area, and the computer's memory size.

#include "game/GameView.h"

#include <cstdint>
#include <optional>

constexpr std::int32_t MaxRows = 15;
constexpr std::int32_t MaxCols = 15;
constexpr std::int32_t BoardMarginX = 10; // 5 pixels left and right of the grid
constexpr std::int32_t BoardMarginY = 91; // the frame above and below the grid
constexpr std::int32_t BoardTop = 21;
constexpr std::int32_t MinClientWidth = 490; // the main window's minimum width

struct TLayout {
    std::int32_t Rows = 0;
    std::int32_t Cols = 0;
};

// The layout whose aspect comes closest to the work area's, or nothing when
// no layout of 4 to 12 rows (or columns) and at most 15 columns holds
// 2 * pairCount cards.
std::optional<TLayout> ChooseLayoutFor(std::int32_t pairCount, std::int32_t cellWidth, std::int32_t cellHeight,
                                       std::int32_t workAreaWidth, std::int32_t workAreaHeight);

// Shrinks the cell (never enlarges it) until the board fits the work area and
// places grid, overlay panels and client area. Cells stay at least 1 x 1.
TBoardGeometry FitBoardFor(std::int32_t rows, std::int32_t cols, std::int32_t cellWidth, std::int32_t cellHeight,
                           std::int32_t workAreaWidth, std::int32_t workAreaHeight);

// Slots of the computer's memory for a board and a level (clamped to 0..10).
std::int32_t MemorySizeFor(std::int32_t rows, std::int32_t cols, std::int32_t computerLevel);
