#pragma once
// Shared by the window tests: the two cursor slots and a small skin archive
// whose pictures are plain colours. The QApplication is the controls' tests'.

#include "resources/LumRes.h"

#include <QColor>

#include <cstdint>
#include <memory>
#include <vector>

// The colour of skin entry n's picture (distinct for every entry).
QColor SkinColour(int entry);

// An archive of entries 0 .. entryCount-1, each a bitmap of SkinColour(n):
// 13 x 12 pictures, except the title bar (385 x 53), the titles (widths
// below) and the close button (60 x 20).
std::vector<std::uint8_t> MakeTestSkin(int entryCount = 31);

constexpr int ScoreTitleWidth = 100; // entry 30
constexpr int HelpTitleWidth = 121;  // entry 29
constexpr int AboutTitleWidth = 500; // entry 23: wider than the window

// The skin opened as the program opens it, for one test.
struct TTestSkin {
    explicit TTestSkin(int entryCount = 31);
    TMemoryStream Stream;
    TLumResReader Reader;
};
