#include "CommandTestSupport.h"

#include "../resources/GifTestWriter.h"
#include "resources/Bitmap.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

using namespace giftest;

namespace {

namespace fs = std::filesystem;

fs::path Fresh(const std::string& name)
{
    const fs::path path = TestPath(name);
    fs::remove_all(path);
    return path;
}

struct TPng {
    std::uint32_t Width = 0, Height = 0;
    Bytes Rows; // filter byte then RGB per row, as written
    std::uint32_t Rgb(std::uint32_t x, std::uint32_t y) const
    {
        const std::uint8_t* p = &Rows[y * (1 + 3 * Width) + 1 + 3 * x];
        return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
    }
};

std::uint32_t BigEndian(const Bytes& b, std::size_t at)
{
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// Reads back what the tool's writer produces, checking every chunk's CRC.
TPng ReadPng(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), {});
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(file.size() > 8 && std::equal(signature.begin(), signature.end(), file.begin())) << path;
    TPng png;
    Bytes packed;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        const std::uint32_t length = BigEndian(file, at);
        const std::string type(file.begin() + at + 4, file.begin() + at + 8);
        const std::size_t data = at + 8;
        EXPECT_EQ(crc32(0, file.data() + at + 4, length + 4), BigEndian(file, data + length)) << type;
        if (type == "IHDR") {
            png.Width = BigEndian(file, data);
            png.Height = BigEndian(file, data + 4);
            EXPECT_EQ(file[data + 8], 8);
            EXPECT_EQ(file[data + 9], 2); // RGB
        } else if (type == "IDAT") {
            packed.insert(packed.end(), file.begin() + data, file.begin() + data + length);
        }
        at = data + length + 4;
    }
    png.Rows.resize(png.Height * (1 + 3 * png.Width));
    uLongf size = png.Rows.size();
    EXPECT_EQ(uncompress(png.Rows.data(), &size, packed.data(), packed.size()), Z_OK);
    EXPECT_EQ(size, png.Rows.size());
    return png;
}

} // namespace

TEST(TessalyFrames, WritesTheFirstPassAsPlayedWithItsLoop)
{
    // A 2 x 1 screen: red on the left, then a loop extension (2 passes) on
    // frame 1, which draws green on the right and clears itself, then a
    // transparent frame.
    TGifWriter w(2, 1, {0xFF0000, 0x00FF00, 0, 0});
    w.Control(0).Image(Frame(1, 1, {0}));
    w.Loop(2).Control(2, 2).Image(Frame(1, 1, {1}, 1));
    w.Control(50, 0, 3).Image(Frame(1, 1, {3}));
    const fs::path dir = Fresh("frames-gif");
    const std::string gif = WriteFile(TestPath("anim.gif"), w.Finish());

    EXPECT_EQ(RunCommand(FramesCommand, {"--type", "gif", gif, dir.string()}),
              "frame 0 delay 120\nframe 1 delay 36\nframe 2 delay 600\nloops 2 start 1\n");
    const TPng f0 = ReadPng(dir / "frame-000.png"), f1 = ReadPng(dir / "frame-001.png"),
               f2 = ReadPng(dir / "frame-002.png");
    EXPECT_FALSE(fs::exists(dir / "frame-003.png"));
    ASSERT_EQ(f0.Width, 2u);
    ASSERT_EQ(f0.Height, 1u);
    EXPECT_EQ(f0.Rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(f0.Rgb(1, 0), 0xFFFFFFu); // transparent canvas over white
    EXPECT_EQ(f1.Rgb(1, 0), 0x00FF00u);
    EXPECT_EQ(f2.Rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(f2.Rgb(1, 0), 0xFFFFFFu); // frame 1 restored to background
    fs::remove_all(dir);
    fs::remove(gif);
}

TEST(TessalyFrames, StillPictureGivesOneFrame)
{
    TBitmap bitmap(3, 2);
    bitmap.EditPixels().At(2, 1) = 0xFF336699u;
    TMemoryStream bytes;
    bitmap.SaveToStream(bytes, 24);
    const fs::path dir = Fresh("frames-bmp");
    const std::string bmp = WriteFile(TestPath("still.bmp"), bytes.Data());
    EXPECT_EQ(RunCommand(FramesCommand, {"--type", "bmp", bmp, dir.string()}), "frame 0 delay 0\nloops 1 start 0\n");
    const TPng png = ReadPng(dir / "frame-000.png");
    EXPECT_EQ(png.Width, 3u);
    EXPECT_EQ(png.Rgb(2, 1), 0x336699u);
    EXPECT_EQ(png.Rgb(0, 0), 0x000000u);
    fs::remove_all(dir);
    fs::remove(bmp);
}

TEST(TessalyFrames, FailuresNameTheFileOrTheUsage)
{
    const std::string notGif = WriteFile(TestPath("not.gif"), {'B', 'M', 0, 0});
    EXPECT_EQ(Failure(FramesCommand, {"--type", "gif", notGif, Fresh("frames-bad").string()}), notGif + ": Invalid GIF signature");
    EXPECT_EQ(Failure(FramesCommand, {"--type", "jpeg", notGif, Fresh("frames-bad").string()}).rfind(notGif + ": JPEG error #", 0), 0u);
    EXPECT_EQ(Failure(FramesCommand, {"--type", "png", notGif, "out"}), "usage: tessaly frames --type gif|jpeg|bmp FILE OUTDIR");
    EXPECT_EQ(Failure(FramesCommand, {notGif, "out"}), "usage: tessaly frames --type gif|jpeg|bmp FILE OUTDIR");
    fs::remove(notGif);
}
