#include "app/MainLayout.h"

std::int32_t SnapToThirdRow(std::int32_t top)
{
    return top - (top % 3) + 1;
}

TMainLayout ComputeMainLayout(const TLayoutSizes& sizes, const TWorkArea& workArea)
{
    TMainLayout layout;
    layout.Label1Top = sizes.ClientHeight - Label1BottomGap;
    layout.PanelMap = {CentredLeft(sizes.ClientWidth, sizes.PanelMapWidth), sizes.ClientHeight - sizes.PanelMapHeight};
    layout.ExitMap = {sizes.ClientWidth - sizes.ExitMapWidth, 0};
    layout.OptionsPanel = {CentredLeft(sizes.ClientWidth, sizes.OptionsPanelWidth),
                           SnapToThirdRow((sizes.ClientHeight - OptionsLayoutHeight) / 2)};
    layout.CopyRightImage = {CentredLeft(sizes.ClientWidth, sizes.CopyRightWidth),
                             SnapToThirdRow(sizes.ClientHeight - CopyRightBottomGap)};
    layout.Window = {(workArea.Width() - sizes.ClientWidth) / 2 + workArea.Left,
                     (workArea.Height() - sizes.ClientHeight) / 2 + workArea.Top};
    return layout;
}
