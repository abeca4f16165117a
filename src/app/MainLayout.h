#pragma once
// The main window's layout rule as plain arithmetic: where each part goes for
// a client size, and where the window goes on the work area. Division
// truncates toward zero, as the window has always placed its parts.

#include <cstdint>

struct TLayoutPoint {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
};

struct TLayoutSizes {
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
    std::int32_t PanelMapWidth = 0;
    std::int32_t PanelMapHeight = 0;
    std::int32_t ExitMapWidth = 0;
    std::int32_t OptionsPanelWidth = 0;
    std::int32_t CopyRightWidth = 0;
};

struct TWorkArea {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
};

struct TMainLayout {
    std::int32_t Label1Top = 0;
    TLayoutPoint PanelMap;
    TLayoutPoint ExitMap;
    TLayoutPoint OptionsPanel;
    TLayoutPoint CopyRightImage;
    TLayoutPoint Window; // the client area's top-left on the screen
};

// The options panel is laid out as if it were this high, so that it sits
// above the bottom button bar rather than in the middle of the window.
constexpr std::int32_t OptionsLayoutHeight = 344;
constexpr std::int32_t CopyRightBottomGap = 90;
constexpr std::int32_t Label1BottomGap = 26;
constexpr std::int32_t CoverTop = 50;

// Puts a top edge on rows 1, 4, 7, ... so the panel lines up with the
// background picture's pattern.
std::int32_t SnapToThirdRow(std::int32_t top);

TMainLayout ComputeMainLayout(const TLayoutSizes& sizes, const TWorkArea& workArea);

// SetPlayerLabel's rule: the label centred in the client width.
constexpr std::int32_t CentredLeft(std::int32_t clientWidth, std::int32_t width)
{
    return (clientWidth - width) / 2;
}
