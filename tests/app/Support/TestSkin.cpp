#include "Support/TestSkin.h"

#include "game/CardSetInfo.h"
#include "resources/GifTestWriter.h"
#include "resources/LumResWriter.h"
#include "resources/PictureTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

fs::path FreshTestFolder()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // One folder per process: several builds may run these tests at once.
    fs::path folder = fs::temp_directory_path() / ("kobalind-app-tests-" + std::to_string(getpid()))
        / (std::string(test->test_suite_name()) + "." + test->name());
    fs::remove_all(folder);
    fs::create_directories(folder / "cards");
    return folder;
}

namespace {

// A 32-bit bitmap of the cover's colour with see-through corners.
std::vector<std::uint8_t> CoverFile()
{
    TBitmap cover(429, 287);
    for (int y = 0; y < 287; ++y)
        for (int x = 0; x < 429; ++x) {
            const bool corner = (x < CoverCornerSize || x >= 429 - CoverCornerSize)
                && (y < CoverCornerSize || y >= 287 - CoverCornerSize);
            cover.EditPixels().At(x, y) = corner ? 0u : CoverColour;
        }
    TMemoryStream stream;
    cover.SaveToStream(stream, 32);
    return stream.Data();
}

} // namespace

void WriteTestSkin(const fs::path& folder)
{
    struct TPiece {
        int Width;
        int Height;
        std::uint32_t Colour;
    };
    const TPiece pieces[] = {
        {8, 21, 0xFF101010u},    // 2 top-left corner
        {8, 21, 0xFF202020u},    // 3 top edge
        {60, 21, 0xFF303030u},   // 4 top-right corner with the small buttons
        {5, 8, 0xFF404040u},     // 5 left edge
        {5, 8, 0xFF505050u},     // 6 right edge
        {8, 70, 0xFF606060u},    // 7 bottom-left corner
        {8, 70, 0xFF707070u},    // 8 bottom edge
        {8, 70, 0xFF808080u},    // 9 bottom-right corner
        {16, 16, BoardColour},   // 10 centre fill and board pattern
        {466, 66, 0xFF909090u},  // 11 button bar
        {177, 18, 0xFFA0A0A0u},  // 12 slider track
        {11, 18, 0xFFB0B0B0u},   // 13 slider thumb
        {200, 20, 0xFFC0C0C0u},  // 14 notice
        {4, 4, 0xFFD0D0D0u},     // 15 not read by the main window
        {4, 4, 0xFFD0D0D0u},     // 16 not read by the main window
        {386, 303, 0xFFE0E0E0u}, // 17 options background
    };
    TLumResWriter writer;
    const std::string link = TestCoverLink;
    writer.AddStored(std::vector<std::uint8_t>(link.begin(), link.end()));
    writer.AddBitmap(CoverFile()); // 1
    for (const TPiece& piece : pieces)
        writer.AddBitmap(SolidBitmapFile(piece.Width, piece.Height, piece.Colour));
    writer.SaveToFile((folder / "kobalind.dat").string());
}

std::uint32_t TestFaceColour(std::int32_t face)
{
    return 0xFF000000u | static_cast<std::uint32_t>((face * 37 + 11) & 0xFF) << 16
        | static_cast<std::uint32_t>((face * 91 + 7) & 0xFF) << 8 | static_cast<std::uint32_t>((face * 53) & 0xFF);
}

namespace {

std::vector<std::uint8_t> GifFace(int width, int height, std::uint32_t colour)
{
    giftest::TGifWriter gif(width, height, {colour & 0xFFFFFFu, 0xFFFFFFu});
    giftest::TFrameSpec frame;
    frame.Width = width;
    frame.Height = height;
    frame.Indices.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    gif.Image(frame);
    return gif.Finish();
}

} // namespace

void WriteTestSet(const fs::path& folder, const TTestSet& set)
{
    TCardSetInfo info;
    info.Width = set.Width;
    info.Height = set.Height;
    info.FaceCount = set.Faces;
    info.FaceType = set.FaceType;
    info.Name = set.Name;
    info.AdLink = "https://example.com/ad";
    info.SecondFaces = set.SecondFaces;
    TLumResWriter writer;
    writer.AddStored(MakeCardSetInfo(info));
    writer.AddBitmap(SolidBitmapFile(20, 20, 0xFF00FF00u));
    writer.AddBitmap(SolidBitmapFile(set.Width, set.Height, BackColour));
    for (std::int32_t i = 0; i < (set.SecondFaces ? 2 * set.Faces : set.Faces); ++i) {
        const std::int32_t face = i < set.Faces ? i : SecondTestFace(i - set.Faces);
        if (i == set.BrokenFace)
            writer.AddStored({'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
        else if (set.FaceType == 1)
            writer.AddStored(GifFace(set.Width, set.Height, TestFaceColour(face)));
        else
            writer.AddStored(SolidBitmapFile(set.Width, set.Height, TestFaceColour(face)));
    }
    writer.SaveToFile((folder / "cards" / set.FileName).string());
}
