#include "GifTestWriter.h"
#include "PictureTestSupport.h"

#include "resources/GifCompositor.h"
#include "resources/GifImage.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace giftest;

namespace {

constexpr std::uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, Grey = 0x808080;
const std::vector<std::uint32_t> FourColors = {Red, Green, Blue, Grey};

std::uint32_t Argb(std::uint32_t rgb) { return 0xFF000000u | rgb; }

constexpr auto Load = LoadPicture<TGIFImage>;
constexpr auto ErrorOf = LoadError<TGIFImage>;

// Indices that defeat LZW, so the code table fills up.
Bytes Noise(std::size_t n, int colors)
{
    Bytes b(n);
    std::uint32_t x = 12345;
    for (auto& v : b) {
        x = x * 1103515245u + 12345u;
        v = static_cast<std::uint8_t>((x >> 16) % colors);
    }
    return b;
}

} // namespace

TEST(GifDecode, FourColourFrameGivesExactPixels)
{
    const Bytes gif = TGifWriter(3, 2, FourColors).Image(Frame(3, 2, {0, 1, 2, 3, 3, 0})).Finish();
    const TGIFImage image = Load(gif);
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_FALSE(image.Animated());
    const TPixelBuffer& p = image.Pixels();
    EXPECT_EQ(p.At(0, 0), Argb(Red));
    EXPECT_EQ(p.At(1, 0), Argb(Green));
    EXPECT_EQ(p.At(2, 0), Argb(Blue));
    EXPECT_EQ(p.At(0, 1), Argb(Grey));
    EXPECT_EQ(p.At(1, 1), Argb(Grey));
    EXPECT_EQ(p.At(2, 1), Argb(Red));
    EXPECT_EQ(image.Palette(), (std::vector<std::uint32_t>{Argb(Red), Argb(Green), Argb(Blue), Argb(Grey)}));
}

TEST(GifDecode, LoadStartsAtTheStreamPositionAndReplacesContent)
{
    Bytes bytes = {9, 9};
    const Bytes gif = TGifWriter(1, 1, FourColors).Image(Frame(1, 1, {2})).Finish();
    bytes.insert(bytes.end(), gif.begin(), gif.end());
    TMemoryStream stream(bytes);
    stream.SetPosition(2);
    TGIFImage image;
    image.LoadFromStream(stream);
    EXPECT_EQ(image.Pixels().At(0, 0), Argb(Blue));
    EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(bytes.size()));

    TMemoryStream bad(Bytes{'n', 'o', 'p', 'e'});
    EXPECT_THROW(image.LoadFromStream(bad), EResourceError);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_TRUE(image.Pixels().Pixels.empty());
}

TEST(GifDecode, SignatureInAnyCaseAtOffsetZeroOrFour)
{
    const Bytes gif = TGifWriter(1, 1, FourColors, "gIf87a").Image(Frame(1, 1, {1})).Finish();
    EXPECT_EQ(Load(gif).Pixels().At(0, 0), Argb(Green));

    Bytes behindLength = {0x20, 0, 0, 0};
    behindLength.insert(behindLength.end(), gif.begin(), gif.end());
    EXPECT_EQ(Load(behindLength).Pixels().At(0, 0), Argb(Green));

    Bytes behindTwo = {0, 0};
    behindTwo.insert(behindTwo.end(), gif.begin(), gif.end());
    EXPECT_EQ(ErrorOf(behindTwo), "Invalid GIF signature");
}

TEST(GifDecode, InterlacedRowsLandInPlace)
{
    TFrameSpec f = Frame(2, 11, {});
    for (int y = 0; y < 11; ++y)
        f.Indices.insert(f.Indices.end(), {std::uint8_t(y % 4), std::uint8_t((y + 1) % 4)});
    f.Interlaced = true;
    const TGIFImage image = Load(TGifWriter(2, 11, FourColors).Image(f).Finish());
    for (int y = 0; y < 11; ++y) {
        EXPECT_EQ(image.Pixels().At(0, y), Argb(FourColors[y % 4])) << "row " << y;
        EXPECT_EQ(image.Pixels().At(1, y), Argb(FourColors[(y + 1) % 4])) << "row " << y;
    }
}

TEST(GifDecode, LongDataWidensCodesToTwelveBitsWithAndWithoutClearing)
{
    std::vector<std::uint32_t> palette(256);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = static_cast<std::uint32_t>(i * 0x010101);
    for (const bool clear : {true, false}) {
        TFrameSpec f = Frame(300, 200, Noise(300 * 200, 256));
        f.MinCodeSize = 8;
        const TGIFImage image = Load(TGifWriter(300, 200, palette).Image(f, clear).Finish());
        EXPECT_EQ(image.Frame(0).Indices, f.Indices) << "clear when full " << clear;
    }
    // Small roots fill the table too, through long strings.
    TFrameSpec f = Frame(400, 300, Noise(400 * 300, 3));
    EXPECT_EQ(Load(TGifWriter(400, 300, FourColors).Image(f, false).Finish()).Frame(0).Indices, f.Indices);
}

TEST(GifDecode, MinimumCodeSizesAboveEightDecode)
{
    // Codes start 10 to 12 bits wide; 11 leaves only 2046 entries to fill.
    for (const int size : {9, 10, 11}) {
        TFrameSpec f = Frame(200, 150, Noise(200 * 150, 256));
        f.MinCodeSize = size;
        EXPECT_EQ(Load(TGifWriter(200, 150, FourColors).Image(f).Finish()).Frame(0).Indices, f.Indices)
            << "code size " << size;
    }
    // A root code beyond any colour table gives its low 8 bits.
    TCodePacker codes;
    codes.Put(512, 10);  // clear (code size 9)
    codes.Put(0x105, 10); // root 261
    codes.Put(0x0FF, 10); // root 255
    codes.Put(513, 10);  // end
    TFrameSpec f = Frame(2, 1, {});
    f.MinCodeSize = 9;
    EXPECT_EQ(Load(TGifWriter(2, 1).RawImage(f, codes.Finish()).Finish()).Frame(0).Indices, (Bytes{5, 255}));
}

TEST(GifDecode, SidesUpTo65535DecodeAndCompose)
{
    // 65535 x 1 and 1 x 65535 are far under the area limit. The tall frame
    // is interlaced; the wide one restores what was under it.
    TGifWriter wide(65535, 1, FourColors);
    TFrameSpec row = Frame(65535, 1, Bytes(65535, 1));
    row.Indices.back() = 2;
    wide.Control(1, 3).Image(row).Control(1).Image(Frame(3, 1, {3, 3, 3}, 65532, 0));
    const TGIFImage w = Load(wide.Finish());
    ASSERT_EQ(w.Width(), 65535);
    EXPECT_EQ(w.Pixels().At(0, 0), Argb(Green));
    EXPECT_EQ(w.Pixels().At(65534, 0), Argb(Blue));
    TGifCompositor compositor(*w.Content(), 0);
    compositor.Draw(0);
    compositor.Draw(1);
    EXPECT_EQ(compositor.Output().At(65531, 0), 0u); // restored to the empty canvas
    EXPECT_EQ(compositor.Output().At(65534, 0), Argb(Grey));

    TFrameSpec column = Frame(1, 65535, Noise(65535, 4));
    column.Interlaced = true;
    const TGIFImage t = Load(TGifWriter(1, 65535, FourColors).Image(column).Finish());
    ASSERT_EQ(t.Height(), 65535);
    for (const int y : {0, 1, 4, 32767, 65533, 65534})
        EXPECT_EQ(t.Pixels().At(0, y), Argb(FourColors[column.Indices[static_cast<std::size_t>(y)]])) << "row " << y;
}

TEST(GifDecode, DataCutShortKeepsTheFramesBeforeTheCut)
{
    // Three frames whose image data spans several sub-blocks.
    TGifWriter writer(60, 40, FourColors);
    std::vector<TFrameSpec> frames;
    std::vector<std::size_t> starts; // where each image descriptor begins
    for (int i = 0; i < 3; ++i) {
        frames.push_back(Frame(60, 40, Noise(60 * 40, 4)));
        std::rotate(frames.back().Indices.begin(), frames.back().Indices.begin() + i, frames.back().Indices.end());
        writer.Control(5);
        starts.push_back(writer.Current().size());
        writer.Image(frames.back());
    }
    const Bytes file = writer.Finish();
    const std::size_t dataOf2 = starts[2] + 10 + 2; // descriptor, code size, first sub-block length
    ASSERT_GT(file.size(), dataOf2 + 256);

    struct TCase {
        const char* Name;
        std::size_t Length;
        std::size_t Whole; // frames kept whole
        bool Partial;      // and the next one in part
    };
    const TCase cases[] = {
        {"inside the last frame's first sub-block", dataOf2 + 100, 2, true},
        {"between the last frame's sub-blocks", dataOf2 + 255, 2, true},
        {"inside the last frame's descriptor", starts[2] + 4, 2, false},
        {"before the last frame's data", dataOf2 - 1, 2, false},
        {"inside the first frame's data", starts[0] + 10 + 2 + 200, 0, true},
    };
    for (const TCase& c : cases) {
        const TGIFImage image = Load(Bytes(file.begin(), file.begin() + static_cast<long>(c.Length)));
        ASSERT_EQ(image.FrameCount(), static_cast<int>(c.Whole + (c.Partial ? 1 : 0))) << c.Name;
        for (std::size_t i = 0; i < c.Whole; ++i)
            EXPECT_EQ(image.Frame(static_cast<int>(i)).Indices, frames[i].Indices) << c.Name;
        if (!c.Partial)
            continue;
        // The frame cut holds a part of its pixels, each one right.
        const Bytes& part = image.Frame(static_cast<int>(c.Whole)).Indices;
        const Bytes& all = frames[c.Whole].Indices;
        EXPECT_GT(part.size(), 0u) << c.Name;
        EXPECT_LT(part.size(), all.size()) << c.Name;
        EXPECT_TRUE(std::equal(part.begin(), part.end(), all.begin())) << c.Name;
    }
}

TEST(GifDecode, CodeAboveNextFreeKeepsWhatWasDecoded)
{
    // Min code size 2: clear 4, end 5, first free code 6, codes 3 bits wide.
    TCodePacker bad;
    bad.Put(4, 3); // clear
    bad.Put(1, 3); // 1
    bad.Put(2, 3); // 2        table: 6 = 1 2
    bad.Put(6, 3); // 1 2      table: 7 = 2 1, codes widen to 4 bits
    bad.Put(9, 4); // next free is 8: corrupt
    bad.Put(0, 4);
    const Bytes gif = TGifWriter(3, 2, FourColors).RawImage(Frame(3, 2, {}), bad.Finish()).Finish();
    const TGIFImage image = Load(gif);
    EXPECT_EQ(image.Frame(0).Indices, (Bytes{1, 2, 1, 2}));
    // The two pixels never decoded are not drawn: the still's white shows.
    EXPECT_EQ(image.Pixels().At(0, 1), Argb(Blue));
    EXPECT_EQ(image.Pixels().At(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(image.Pixels().At(2, 1), 0xFFFFFFFFu);
}

TEST(GifDecode, FirstCodeAfterClearMustBeARoot)
{
    TCodePacker bad;
    bad.Put(4, 3); // clear
    bad.Put(6, 3); // not yet in the table
    const TGIFImage image = Load(TGifWriter(2, 1, FourColors).RawImage(Frame(2, 1, {}), bad.Finish()).Finish());
    EXPECT_TRUE(image.Frame(0).Indices.empty());
}

TEST(GifDecode, ExtraPixelDataIsDropped)
{
    // The data encodes 8 pixels for a 2 x 2 frame.
    const Bytes lzw = LzwEncode({1, 2, 3, 0, 0, 0, 3, 3}, 2);
    const TGIFImage image = Load(TGifWriter(2, 2, FourColors).RawImage(Frame(2, 2, {}), lzw).Finish());
    EXPECT_EQ(image.Frame(0).Indices, (Bytes{1, 2, 3, 0}));
}

TEST(GifDecode, ZeroSizedFrameHoldsNoPixels)
{
    const Bytes gif = TGifWriter(2, 2, FourColors)
                          .Image(Frame(2, 2, {0, 1, 2, 3}))
                          .RawImage(Frame(0, 5, {}), LzwEncode({1, 1}, 2))
                          .Image(Frame(2, 0, {}))
                          .Finish();
    const TGIFImage image = Load(gif);
    ASSERT_EQ(image.FrameCount(), 3);
    EXPECT_TRUE(image.Frame(0).HoldsPixels());
    EXPECT_FALSE(image.Frame(1).HoldsPixels());
    EXPECT_FALSE(image.Frame(2).HoldsPixels());
    EXPECT_TRUE(image.Frame(1).Indices.empty());
}

TEST(GifDecode, ShortAndMissingColourTablesStayInside)
{
    // A two-entry table but indices up to 3 and a transparent index of 200.
    TGifWriter writer(4, 1, {Red, Green});
    writer.Control(0, 0, 200);
    TFrameSpec f = Frame(4, 1, {0, 1, 2, 3});
    const TGIFImage padded = Load(writer.Image(f).Finish());
    EXPECT_EQ(padded.Pixels().At(1, 0), Argb(Green));
    EXPECT_EQ(padded.Pixels().At(2, 0), Argb(0)); // padded with black
    EXPECT_EQ(padded.Pixels().At(3, 0), Argb(0));
    EXPECT_EQ(padded.Frame(0).Colors.size(), 256u);

    // No table anywhere: 0 black, 1 white, the rest black.
    const TGIFImage bare = Load(TGifWriter(3, 1).Image(Frame(3, 1, {0, 1, 2})).Finish());
    EXPECT_EQ(bare.Pixels().At(0, 0), Argb(0));
    EXPECT_EQ(bare.Pixels().At(1, 0), Argb(0xFFFFFF));
    EXPECT_EQ(bare.Pixels().At(2, 0), Argb(0));
    EXPECT_TRUE(bare.Frame(0).Colors.size() == 256u);
}

TEST(GifDecode, LocalTableWinsOverGlobal)
{
    TFrameSpec f = Frame(2, 1, {0, 1});
    f.LocalColors = {Blue, Grey};
    const TGIFImage image = Load(TGifWriter(2, 1, FourColors).Image(f).Finish());
    EXPECT_EQ(image.Pixels().At(0, 0), Argb(Blue));
    EXPECT_EQ(image.Pixels().At(1, 0), Argb(Grey));
}

TEST(GifDecode, FramesReachingOutsideTheScreenAreClipped)
{
    // A 3 x 3 frame at (2, 1) on a 4 x 3 screen: only its left 2 x 2 shows.
    const Bytes gif = TGifWriter(4, 3, FourColors).Image(Frame(3, 3, {1, 2, 3, 2, 3, 1, 3, 3, 3}, 2, 1)).Finish();
    const TGIFImage image = Load(gif);
    const TPixelBuffer& p = image.Pixels();
    EXPECT_EQ(p.At(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(p.At(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(p.At(2, 1), Argb(Green));
    EXPECT_EQ(p.At(3, 1), Argb(Blue));
    EXPECT_EQ(p.At(2, 2), Argb(Blue));
    EXPECT_EQ(p.At(3, 2), Argb(Grey));

    // Wholly outside: nothing drawn, nothing read out of bounds.
    const Bytes away = TGifWriter(2, 2, FourColors).Image(Frame(2, 2, {1, 1, 1, 1}, 60000, 3)).Finish();
    EXPECT_EQ(Load(away).Pixels().Pixels, std::vector<std::uint32_t>(4, 0xFFFFFFFFu));
}

TEST(GifDecode, ControlAndLoopExtensionsBelongToTheNextImage)
{
    const Bytes gif = TGifWriter(1, 1, FourColors)
                          .Comment("made by hand")
                          .Control(7, 2, 3)
                          .Image(Frame(1, 1, {0}))
                          .Raw({0x21, 0x01, 2, 'h', 'i', 0}) // plain text extension
                          .Image(Frame(1, 1, {1}))
                          .Loop(4, "ANIMEXTS1.0")
                          .Control(0, 3)
                          .Image(Frame(1, 1, {2}))
                          .Finish();
    const TGIFImage image = Load(gif);
    ASSERT_EQ(image.FrameCount(), 3);
    const TGifFrame& a = image.Frame(0);
    EXPECT_TRUE(a.HasControl);
    EXPECT_EQ(a.Delay, 7);
    EXPECT_EQ(a.Disposal, TGifDisposal::Background);
    EXPECT_EQ(a.TransparentIndex, 3);
    EXPECT_FALSE(a.HasLoop);
    const TGifFrame& b = image.Frame(1);
    EXPECT_FALSE(b.HasControl);
    EXPECT_EQ(b.TransparentIndex, -1);
    EXPECT_EQ(b.Disposal, TGifDisposal::Leave);
    const TGifFrame& c = image.Frame(2);
    EXPECT_TRUE(c.HasLoop);
    EXPECT_EQ(c.LoopCount, 4);
    EXPECT_EQ(c.Disposal, TGifDisposal::Previous);
}

TEST(GifDecode, UnknownBlockOrMissingTrailerEndsTheFrameList)
{
    TGifWriter writer(1, 1, FourColors);
    writer.Image(Frame(1, 1, {0})).Image(Frame(1, 1, {1}));
    Bytes unknown = writer.Current();
    unknown.push_back(0x99);
    unknown.insert(unknown.end(), {0x2C, 0xFF}); // never read
    EXPECT_EQ(Load(unknown).FrameCount(), 2);
    EXPECT_EQ(Load(writer.Current()).FrameCount(), 2);
}

TEST(GifDecode, BadInputGivesItsMessage)
{
    const TFrameSpec one = Frame(1, 1, {0});
    const Bytes good = TGifWriter(1, 1, FourColors).Control(5).Loop(0).Image(one).Finish();
    auto cut = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + static_cast<long>(n)); };
    auto withCodeSize = [&](int size) {
        TFrameSpec f = one;
        f.MinCodeSize = size;
        return TGifWriter(1, 1, FourColors).RawImage(f, {0x00}).Finish();
    };
    Bytes shortLoop = TGifWriter(1, 1).Raw({0x21, 0xFF, 11}).Finish();
    shortLoop.pop_back();
    for (char c : std::string("NETSCAPE2.0"))
        shortLoop.push_back(static_cast<std::uint8_t>(c));
    shortLoop.insert(shortLoop.end(), {2, 1, 0, 0, 0x3B});

    struct TCase {
        const char* Name;
        Bytes Input;
        const char* Message;
    };
    const TCase cases[] = {
        {"empty", {}, "Invalid GIF signature"},
        {"not a gif", {'P', 'N', 'G', 1, 2, 3, 4, 5, 6, 7}, "Invalid GIF signature"},
        {"header only", cut(6), "Premature end of data"},
        {"inside the screen descriptor", cut(10), "Premature end of data"},
        {"inside the global table", cut(13 + 5), "Premature end of data"},
        {"inside the control extension", cut(13 + 12 + 4), "Premature end of data"},
        {"inside the loop extension", cut(13 + 12 + 8 + 10), "Premature end of data"},
        {"inside the image descriptor", cut(13 + 12 + 8 + 19 + 5), "Premature end of data"},
        {"before the first frame's data", cut(13 + 12 + 8 + 19 + 10 + 1), "Premature end of data"},
        {"no byte of the first frame's data", cut(13 + 12 + 8 + 19 + 10 + 2), "Premature end of data"},
        {"code size 0", withCodeSize(0), "Invalid GIF code size"},
        {"code size 1", withCodeSize(1), "Invalid GIF code size"},
        {"code size 12", withCodeSize(12), "Invalid GIF code size"},
        {"loop count cut short", shortLoop, "Invalid GIF data"},
        {"screen too large", TGifWriter(65535, 65535).Finish(), "GIF screen too large"},
        {"frame too large", TGifWriter(1, 1).RawImage(Frame(65535, 65, {}), {}).Finish(), "GIF frame too large"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ErrorOf(c.Input), c.Message) << c.Name;
    EXPECT_EQ(ErrorOf(good), "no error");
}

TEST(GifDecode, TotalDecodedPixelsAndFrameCountAreBounded)
{
    // Each frame is allowed, together they are not: 17 frames of 4 M pixels.
    TGifWriter large(1, 1);
    for (int i = 0; i < 17; ++i)
        large.RawImage(Frame(2048, 2048, {}), LzwEncode({0}, 2));
    EXPECT_EQ(ErrorOf(large.Finish()), "GIF frames too large in total");

    TGifWriter many(1, 1);
    for (std::size_t i = 0; i <= TGifLimits::MaxFrames; ++i)
        many.Image(Frame(1, 1, {0}));
    EXPECT_EQ(ErrorOf(many.Finish()), "Too many GIF frames");
}

TEST(GifDecode, OversizedStreamIsRefusedBeforeReading)
{
    // Claims 300 MiB and fails the test if anything is read from it.
    class THugeStream : public TStream {
    public:
        std::size_t Read(void*, std::size_t) override
        {
            ADD_FAILURE() << "read";
            return 0;
        }
        void Write(const void*, std::size_t) override {}
        std::int64_t Size() const override { return std::int64_t(300) << 20; }
        std::int64_t Position() const override { return 0; }
        void SetPosition(std::int64_t) override {}
    } huge;
    TGIFImage image = Load(TGifWriter(1, 1, FourColors).Image(Frame(1, 1, {0})).Finish());
    try {
        image.LoadFromStream(huge);
        ADD_FAILURE() << "loaded";
    } catch (const EResourceError& e) {
        EXPECT_STREQ(e.what(), "GIF file too large");
    }
    EXPECT_TRUE(image.Empty());
}
