// The JPEG loader on files made by libjpeg's own encoder: colour, greyscale,
// CMYK and YCCK, truncated and corrupt files.

#include "PictureTestSupport.h"

#include "resources/JpegImage.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Encodes width x height pixels whose components pixel(x, y, c) gives.
// tune adjusts the compressor after its defaults are set.
std::vector<std::uint8_t> Encode(int width, int height, J_COLOR_SPACE space, int components,
                                 const std::function<int(int, int, int)>& pixel,
                                 const std::function<void(jpeg_compress_struct&)>& tune = {})
{
    jpeg_compress_struct info {};
    jpeg_error_mgr error {};
    info.err = jpeg_std_error(&error); // the test encoder never fails on valid input
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (tune)
        tune(info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<std::size_t>(x * components + c)] = static_cast<JSAMPLE>(pixel(x, y, c));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

constexpr auto Load = LoadPicture<TJPEGImage>;
constexpr auto ErrorOf = LoadError<TJPEGImage>;

// Each channel within tolerance of the expected 0xRRGGBB, and opaque.
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 6)
{
    if (actual >> 24 != 0xFF)
        return ::testing::AssertionFailure() << std::hex << actual << " is not opaque";
    for (int shift : {0, 8, 16})
        if (std::abs(int(actual >> shift & 255) - int(expected >> shift & 255)) > tolerance)
            return ::testing::AssertionFailure() << std::hex << actual << " is not near " << expected;
    return ::testing::AssertionSuccess();
}

std::string JpegError(int code)
{
    return "JPEG error #" + std::to_string(code);
}

// Left half red, right half blue, 32 x 16.
const auto Halves = [](int x, int, int c) { return (x < 16 ? 0xFF0000 : 0x0000FF) >> (8 * (2 - c)) & 255; };

TEST(JpegImage, ColourFileDecodesAtFullSize)
{
    const TJPEGImage image = Load(Encode(32, 16, JCS_RGB, 3, Halves));
    ASSERT_EQ(image.Width(), 32);
    ASSERT_EQ(image.Height(), 16);
    EXPECT_TRUE(image.Palette().empty());
    EXPECT_TRUE(Near(image.Pixels().At(2, 8), 0xFF0000));
    EXPECT_TRUE(Near(image.Pixels().At(29, 3), 0x0000FF));
}

TEST(JpegImage, GreyscaleComesOutAsGreyRgb)
{
    const TJPEGImage image = Load(Encode(16, 8, JCS_GRAYSCALE, 1, [](int x, int, int) { return x * 16; }));
    for (int x = 0; x < 16; ++x) {
        const std::uint32_t p = image.Pixels().At(x, 4);
        EXPECT_EQ(p >> 16 & 255, p & 255);
        EXPECT_EQ(p >> 8 & 255, p & 255);
        EXPECT_TRUE(Near(p, 0x010101u * std::uint32_t(x * 16), 8)) << x;
    }
}

// Ink amounts 0..255 for red (no cyan, full magenta and yellow) on the
// left, and 50 % grey (black ink only) on the right.
int RedAndGreyInk(int x, int, int c)
{
    static const int red[4] = {0, 255, 255, 0}, grey[4] = {0, 0, 0, 128};
    return x < 16 ? red[c] : grey[c];
}

TEST(JpegImage, AdobeCmykIsInvertedAndConvertedToRgb)
{
    // libjpeg writes an Adobe marker with CMYK, and Adobe's files hold
    // inverted values: store 255 - ink.
    const auto bytes = Encode(32, 16, JCS_CMYK, 4, [](int x, int y, int c) { return 255 - RedAndGreyInk(x, y, c); });
    const TJPEGImage image = Load(bytes);
    EXPECT_TRUE(Near(image.Pixels().At(4, 8), 0xFF0000));
    EXPECT_TRUE(Near(image.Pixels().At(28, 8), 0x7F7F7F));
}

TEST(JpegImage, PlainCmykWithoutAdobeMarkerHoldsInk)
{
    const auto bytes = Encode(32, 16, JCS_CMYK, 4, RedAndGreyInk,
                              [](jpeg_compress_struct& info) { info.write_Adobe_marker = FALSE; });
    const TJPEGImage image = Load(bytes);
    EXPECT_TRUE(Near(image.Pixels().At(4, 8), 0xFF0000));
    EXPECT_TRUE(Near(image.Pixels().At(28, 8), 0x7F7F7F));
}

TEST(JpegImage, YcckIsConvertedThroughCmyk)
{
    const auto bytes = Encode(32, 16, JCS_CMYK, 4, [](int x, int y, int c) { return 255 - RedAndGreyInk(x, y, c); },
                              [](jpeg_compress_struct& info) { jpeg_set_colorspace(&info, JCS_YCCK); });
    const TJPEGImage image = Load(bytes);
    EXPECT_TRUE(Near(image.Pixels().At(4, 8), 0xFF0000, 10));
    EXPECT_TRUE(Near(image.Pixels().At(28, 8), 0x7F7F7F, 10));
}

TEST(JpegImage, ProgressiveFileDecodesWhole)
{
    const auto bytes = Encode(32, 16, JCS_RGB, 3, Halves,
                              [](jpeg_compress_struct& info) { jpeg_simple_progression(&info); });
    const TJPEGImage image = Load(bytes);
    EXPECT_TRUE(Near(image.Pixels().At(2, 8), 0xFF0000));
    EXPECT_TRUE(Near(image.Pixels().At(29, 3), 0x0000FF));
}

TEST(JpegImage, TruncatedFileDecodesWhatThereIs)
{
    const auto full = Encode(64, 64, JCS_RGB, 3, [](int x, int y, int c) { return (x * 4 + y * 2 + c * 50) & 255; });
    const TJPEGImage whole = Load(full);
    const TJPEGImage cut = Load(std::vector<std::uint8_t>(full.begin(), full.begin() + full.size() * 6 / 10));
    ASSERT_EQ(cut.Width(), 64);
    ASSERT_EQ(cut.Height(), 64);
    // The first rows came from the bytes that were there; the last did not.
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(cut.Pixels().At(x, 0), whole.Pixels().At(x, 0)) << x;
    EXPECT_NE(cut.Pixels().Pixels, whole.Pixels().Pixels);
}

TEST(JpegImage, CorruptFilesFailWithLibjpegsMessageNumber)
{
    auto good = Encode(16, 16, JCS_RGB, 3, Halves);
    // Find the start-of-frame marker to damage its fields.
    std::size_t sof = 2;
    while (sof + 9 < good.size() && !(good[sof] == 0xFF && good[sof + 1] == 0xC0))
        ++sof;
    ASSERT_LT(sof + 9, good.size());
    auto zeroWidth = good;
    zeroWidth[sof + 7] = 0, zeroWidth[sof + 8] = 0;            // SOF width
    auto huge = good;
    huge[sof + 5] = 0xFF, huge[sof + 6] = 0xF0;                // SOF height 65520
    huge[sof + 7] = 0xFF, huge[sof + 8] = 0xF0;                // SOF width 65520
    auto badPrecision = good;
    badPrecision[sof + 4] = 12;                                // 12-bit samples

    EXPECT_EQ(ErrorOf({}), JpegError(JERR_INPUT_EMPTY));
    EXPECT_EQ(ErrorOf({'B', 'M', 0, 0}), JpegError(JERR_NO_SOI));
    EXPECT_EQ(ErrorOf({0xFF, 0xD8}), JpegError(JERR_NO_IMAGE));
    EXPECT_EQ(ErrorOf(zeroWidth), JpegError(JERR_EMPTY_IMAGE));
    EXPECT_EQ(ErrorOf(huge), JpegError(JERR_IMAGE_TOO_BIG));
    EXPECT_EQ(ErrorOf(badPrecision), JpegError(JERR_BAD_PRECISION));
}

TEST(JpegImage, FailedLoadLeavesThePictureEmpty)
{
    TJPEGImage image = Load(Encode(8, 8, JCS_RGB, 3, Halves));
    ASSERT_FALSE(image.Empty());
    TMemoryStream bad(std::vector<std::uint8_t> {1, 2, 3});
    EXPECT_THROW(image.LoadFromStream(bad), EResourceError);
    EXPECT_TRUE(image.Empty());
}

TEST(JpegImage, LoadsFromTheCurrentPositionOfAFileStream)
{
    auto bytes = Encode(8, 8, JCS_RGB, 3, Halves);
    bytes.insert(bytes.begin(), {7, 7, 7, 7});
    const std::string name = ::testing::TempDir() + "jpeg_image_test.jpg";
    {
        TFileStream out(name, TFileStream::TMode::Create);
        out.Write(bytes.data(), bytes.size());
    }
    TFileStream in(name);
    in.SetPosition(4);
    TJPEGImage image;
    image.LoadFromStream(in);
    EXPECT_EQ(image.Width(), 8);
    EXPECT_TRUE(Near(image.Pixels().At(1, 1), 0xFF0000));
    std::remove(name.c_str());
}

} // namespace
