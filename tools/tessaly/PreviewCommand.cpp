// tessaly preview: the boards the game would deal from a set on a screen.
#include "AuthoringCommands.h"

#include "game/CardSetInfo.h"
#include "game/Layout.h"
#include "game/PairCounts.h"
#include "platform/Translate.h"

#include <cstdio>

namespace {

bool ParseScreen(const std::string& text, std::int32_t& width, std::int32_t& height)
{
    int w = 0, h = 0, used = 0;
    if (std::sscanf(text.c_str(), "%dx%d%n", &w, &h, &used) != 2 || used != static_cast<int>(text.size()))
        return false;
    // The board needs room for the frame around it (10 x 91 pixels) and more.
    if (w <= BoardMarginX || h <= BoardMarginY || w > 100000 || h > 100000)
        return false;
    width = w;
    height = h;
    return true;
}

} // namespace

int PreviewCommand(const TCommandArgs& args, std::ostream& out)
{
    const std::string usage = FillIn(Tr("tessaly", "usage: %1"), {"tessaly preview FILE.crd --screen WxH"});
    if (args.size() != 3 || (args[0] != "--screen" && args[1] != "--screen"))
        throw ETessalyError(usage);
    const std::string& fileName = args[0] == "--screen" ? args[2] : args[0];
    const std::string& screen = args[0] == "--screen" ? args[1] : args[2];
    std::int32_t workWidth = 0, workHeight = 0;
    if (!ParseScreen(screen, workWidth, workHeight))
        throw ETessalyError(
            FillIn(Tr("tessaly", "--screen %1: expected WIDTHxHEIGHT larger than the window frame (10x91)"), {screen}));

    TArchiveFile archive(fileName);
    const TCardSetInfo info = ReadCardSetInfo(archive.Reader());
    if (info.Width <= 0 || info.Height <= 0)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: the card size %2x%3 is not positive"),
                                   {fileName, std::to_string(info.Width), std::to_string(info.Height)}));

    int shown = 0;
    for (const std::int32_t pairs : PairCounts) {
        if (pairs > info.FaceCount)
            break;
        const std::optional<TLayout> layout = ChooseLayoutFor(pairs, info.Width, info.Height, workWidth, workHeight);
        if (!layout)
            continue;
        const TBoardGeometry board = FitBoardFor(layout->Rows, layout->Cols, info.Width, info.Height, workWidth, workHeight);
        out << pairs << " " << board.Rows << "x" << board.Cols << " " << board.CellWidth << "x" << board.CellHeight << "\n";
        ++shown;
    }
    if (shown == 0)
        throw ETessalyError(FillIn(Tr("tessaly", "%1: the set has %2 faces, fewer than the smallest pair count (8)"),
                                   {fileName, std::to_string(info.FaceCount)}));
    return 0;
}
