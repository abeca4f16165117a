#pragma once
// The outline of a card: the whole picture or cell with rounded corners. The
// default sets draw their faces and backs to it, and the board draws every
// card inside it, so the corners of a card show the board around it at any
// cell size.

// The corners' radius for a card of width x height pixels.
constexpr double CardCornerRadius(double width, double height)
{
    return (width < height ? width : height) * 0.09;
}
