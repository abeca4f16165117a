#include "app/MainLayout.h"

#include <gtest/gtest.h>

namespace {

// The default skin's part sizes at the design client size.
TLayoutSizes DesignSizes()
{
    TLayoutSizes sizes;
    sizes.ClientWidth = 490;
    sizes.ClientHeight = 450;
    sizes.PanelMapWidth = 466;
    sizes.PanelMapHeight = 66;
    sizes.ExitMapWidth = 60;
    sizes.OptionsPanelWidth = 386;
    sizes.CopyRightWidth = 200;
    return sizes;
}

TEST(MainLayout, DesignSizeSnapsPanelAndNoticeToEveryThirdRow)
{
    const TMainLayout layout = ComputeMainLayout(DesignSizes(), {0, 0, 1024, 738});
    EXPECT_EQ(layout.OptionsPanel.Top, 52); // (450 - 344) div 2 = 53, snapped down
    EXPECT_EQ(layout.CopyRightImage.Top, 361); // 450 - 90 = 360, snapped up
    EXPECT_EQ(layout.Label1Top, 424);
    EXPECT_EQ(layout.PanelMap.Left, 12);
    EXPECT_EQ(layout.PanelMap.Top, 384);
    EXPECT_EQ(layout.ExitMap.Left, 430);
    EXPECT_EQ(layout.ExitMap.Top, 0);
    EXPECT_EQ(layout.OptionsPanel.Left, 52);
    EXPECT_EQ(layout.CopyRightImage.Left, 145);
}

TEST(MainLayout, WindowIsCentredOnTheWorkArea)
{
    const TMainLayout layout = ComputeMainLayout(DesignSizes(), {0, 0, 1024, 738});
    EXPECT_EQ(layout.Window.Left, 267);
    EXPECT_EQ(layout.Window.Top, 144);

    // A work area that does not start at the origin (a task bar on the left
    // and at the top) shifts the window by its offset.
    const TMainLayout shifted = ComputeMainLayout(DesignSizes(), {40, 30, 1064, 768});
    EXPECT_EQ(shifted.Window.Left, 307);
    EXPECT_EQ(shifted.Window.Top, 174);
}

TEST(MainLayout, SnappingKeepsRowsOneFourSeven)
{
    for (int top = 0; top < 30; ++top)
        EXPECT_EQ(SnapToThirdRow(top) % 3, 1) << top;
    EXPECT_EQ(SnapToThirdRow(0), 1);
    EXPECT_EQ(SnapToThirdRow(1), 1);
    EXPECT_EQ(SnapToThirdRow(2), 1);
    EXPECT_EQ(SnapToThirdRow(3), 4);
}

TEST(MainLayout, OddSizesTruncateTowardZero)
{
    TLayoutSizes sizes = DesignSizes();
    sizes.ClientWidth = 491;
    sizes.ClientHeight = 451;
    const TMainLayout layout = ComputeMainLayout(sizes, {0, 0, 1024, 738});
    EXPECT_EQ(layout.PanelMap.Left, 12);  // 25 div 2
    EXPECT_EQ(layout.Window.Left, 266);   // 533 div 2
    EXPECT_EQ(layout.Window.Top, 143);    // 287 div 2
    // A board wider than the work area gives a negative left, truncated
    // toward zero rather than rounded down.
    sizes.ClientWidth = 1027;
    EXPECT_EQ(ComputeMainLayout(sizes, {0, 0, 1024, 738}).Window.Left, -1);
}

} // namespace
