#include "game/Layout.h"

#include <algorithm>
#include <cmath>

std::optional<TLayout> ChooseLayoutFor(std::int32_t pairCount, std::int32_t cellWidth, std::int32_t cellHeight,
                                       std::int32_t workAreaWidth, std::int32_t workAreaHeight)
{
    const std::int64_t cards = 2 * static_cast<std::int64_t>(pairCount);
    const double target = double(workAreaHeight - BoardMarginY) / double(workAreaWidth - BoardMarginX);
    auto distance = [&](std::int64_t rows, std::int64_t cols) {
        return std::fabs(target - double(rows) * (double(cellHeight) + 1) / (double(cols) * (double(cellWidth) + 1)));
    };

    std::optional<TLayout> best;
    double bestDistance = 0;
    auto consider = [&](std::int64_t rows, std::int64_t cols) {
        const double d = distance(rows, cols);
        if (!best || d < bestDistance) { // ties keep the earlier choice
            best = TLayout {static_cast<std::int32_t>(rows), static_cast<std::int32_t>(cols)};
            bestDistance = d;
        }
    };
    for (std::int64_t i = 4; i <= 12; ++i) {
        if (cards <= i || cards % i != 0)
            continue;
        const std::int64_t c = cards / i;
        if (c > MaxCols)
            continue;
        consider(i, c);
        consider(c, i);
    }
    return best;
}

TBoardGeometry FitBoardFor(std::int32_t rows, std::int32_t cols, std::int32_t cellWidth, std::int32_t cellHeight,
                           std::int32_t workAreaWidth, std::int32_t workAreaHeight)
{
    // 64-bit sums: a record may claim any picture size.
    std::int64_t w = cellWidth;
    std::int64_t h = cellHeight;
    if ((w + 1) * cols + BoardMarginX > workAreaWidth) {
        const double s = double(workAreaWidth - BoardMarginX - cols) / (double(w) * cols);
        w = static_cast<std::int64_t>(std::trunc(double(w) * s));
        h = static_cast<std::int64_t>(std::trunc(double(h) * s));
    }
    if (h > 0 && (h + 1) * rows + BoardMarginY > workAreaHeight) {
        const double s = double(workAreaHeight - BoardMarginY - rows) / (double(h) * rows);
        w = static_cast<std::int64_t>(std::trunc(double(w) * s));
        h = static_cast<std::int64_t>(std::trunc(double(h) * s));
    }
    // A work area too small for even one-pixel cells still gets a board.
    w = std::max<std::int64_t>(w, 1);
    h = std::max<std::int64_t>(h, 1);

    TBoardGeometry g;
    g.Rows = rows;
    g.Cols = cols;
    g.CellWidth = static_cast<std::int32_t>(w);
    g.CellHeight = static_cast<std::int32_t>(h);
    g.PanelWidth = g.CellWidth;
    g.PanelHeight = g.CellHeight;
    g.GridTop = BoardTop;
    g.GridHeight = rows * (g.CellHeight + 1);
    g.GridWidth = cols * (g.CellWidth + 1);
    g.ClientWidth = std::max(g.GridWidth + BoardMarginX, MinClientWidth);
    g.ClientHeight = g.GridHeight + BoardMarginY;
    g.GridLeft = g.ClientWidth > g.GridWidth + BoardMarginX ? (g.ClientWidth - g.GridWidth) / 2 : BoardMarginX / 2;
    return g;
}

std::int32_t MemorySizeFor(std::int32_t rows, std::int32_t cols, std::int32_t computerLevel)
{
    return rows * cols * std::clamp(computerLevel, 0, 10) / 13 + 1;
}
