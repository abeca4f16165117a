// The shipped card sets and sounds, and the generator's repeatability.
#include "AuthoringCommands.h"
#include "ContentFixture.h"

#include "game/CardSetInfo.h"
#include "game/CardSetLoader.h"
#include "resources/Bitmap.h"
#include "resources/GifImage.h"
#include "resources/LumRes.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct TShippedSet {
    TCardSetInfo Info;
    std::vector<std::vector<std::uint8_t>> Faces; // entry bytes as CopyEntry gives them
    std::vector<std::vector<std::uint8_t>> SecondFaces;
};

TShippedSet ReadSet(const std::string& name)
{
    TShippedSet set;
    TLumResFileReader reader((ContentDir() / "cards" / name).string());
    set.Info = ReadCardSetInfo(reader);
    const int pictures = set.Info.SecondFaces ? 2 * set.Info.FaceCount : set.Info.FaceCount;
    for (int entry = 3; entry < 3 + pictures; ++entry) {
        TMemoryStream stream;
        reader.CopyEntry(entry, stream);
        (entry < 3 + set.Info.FaceCount ? set.Faces : set.SecondFaces).push_back(stream.Data());
    }
    return set;
}

std::unique_ptr<TGraphic> Decode(std::int32_t faceType, const std::vector<std::uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    return DecodePicture(faceType, stream);
}

TEST(CardSetContent, EveryShippedSetPassesCheckWithoutWarnings)
{
    int sets = 0;
    // The sets at twice the resolution under @2x too.
    for (const auto& file : fs::recursive_directory_iterator(ContentDir() / "cards")) {
        if (!file.is_regular_file())
            continue;
        std::ostringstream out;
        EXPECT_EQ(CheckCommand({file.path().string()}, out), 0) << out.str();
        EXPECT_EQ(out.str().find("warning"), std::string::npos) << out.str();
        ++sets;
    }
    EXPECT_EQ(sets, 8);
}

TEST(CardSetContent, AdvertisementsAreSeeThroughOutsideTheirRoundedFrame)
{
    for (const char* name : {"animals.crd", "food.crd", "travel.crd", "shadows.crd"}) {
        TLumResFileReader reader((ContentDir() / "cards" / name).string());
        TMemoryStream stream;
        reader.CopyEntry(AdvertEntry, stream);
        stream.SetPosition(0);
        TBitmap ad;
        ad.LoadFromStream(stream);
        ASSERT_EQ(ad.Width(), 178) << name;
        for (const auto [x, y] : {std::pair{0, 0}, {177, 0}, {0, 169}, {177, 169}})
            EXPECT_EQ(ad.Pixels().At(x, y) >> 24, 0u) << name << " " << x << "," << y;
        EXPECT_EQ(ad.Pixels().At(89, 85) >> 24, 255u) << name;
    }
}

TEST(CardSetContent, ThreeFaceKindsInThreeSizesWithTheFaceCountsAsked)
{
    const TShippedSet gif = ReadSet("animals.crd");
    const TShippedSet jpeg = ReadSet("food.crd");
    const TShippedSet bitmap = ReadSet("travel.crd");
    EXPECT_EQ(gif.Info.FaceType, 1);
    EXPECT_EQ(jpeg.Info.FaceType, 2);
    EXPECT_EQ(bitmap.Info.FaceType, 0);
    EXPECT_EQ(gif.Info.Width, 120);
    EXPECT_EQ(gif.Info.Height, 90);
    EXPECT_GE(gif.Info.FaceCount, 60);
    EXPECT_GE(jpeg.Info.FaceCount, 60);
    // Fewer than the largest pair count, so "not enough images" is met in play.
    EXPECT_GE(bitmap.Info.FaceCount, 30);
    EXPECT_LT(bitmap.Info.FaceCount, 60);
    const std::set<std::pair<int, int>> sizes = {{gif.Info.Width, gif.Info.Height},
                                                 {jpeg.Info.Width, jpeg.Info.Height},
                                                 {bitmap.Info.Width, bitmap.Info.Height}};
    EXPECT_EQ(sizes.size(), 3u);
    for (const TShippedSet* set : {&gif, &jpeg, &bitmap}) {
        EXPECT_FALSE(set->Info.Name.empty());
        EXPECT_NE(set->Info.AdLink.find("noto-emoji"), std::string::npos) << "the font is credited in the link";
    }
}

TEST(CardSetContent, AnimatedFacesUseEveryDisposalTransparencyAndVariedDelays)
{
    const TShippedSet gif = ReadSet("animals.crd");
    int animated = 0;
    bool transparent = false, subRectangle = false;
    std::set<TGifDisposal> disposals;
    std::set<int> delays;
    for (const auto& bytes : gif.Faces) {
        TGIFImage image;
        image.LoadFromBytes(bytes.data(), bytes.size());
        animated += image.Animated();
        for (int i = 0; i < image.FrameCount(); ++i) {
            const TGifFrame& frame = image.Frame(i);
            transparent = transparent || frame.TransparentIndex >= 0;
            subRectangle = subRectangle || frame.Width < image.Width() || frame.Height < image.Height();
            if (image.Animated()) {
                disposals.insert(frame.Disposal);
                delays.insert(frame.Delay);
            }
        }
    }
    EXPECT_GT(animated, static_cast<int>(gif.Faces.size()) * 3 / 4);
    EXPECT_TRUE(transparent);
    EXPECT_TRUE(subRectangle);
    EXPECT_EQ(disposals.size(), 3u) << "leave, background and previous all occur";
    EXPECT_GE(delays.size(), 5u);
}

// Mean absolute channel difference between two still renderings.
double Difference(const TPixelBuffer& a, const TPixelBuffer& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i)
        for (int shift = 0; shift <= 16; shift += 8)
            sum += std::abs(static_cast<int>((a.Pixels[i] >> shift) & 0xFF) - static_cast<int>((b.Pixels[i] >> shift) & 0xFF));
    return sum / (3.0 * a.Pixels.size());
}

TEST(CardSetContent, NoTwoFacesOfASetLookAlikeNorTwoShadows)
{
    const TShippedSet shadows = ReadSet("shadows.crd");
    // Pairs of a picture and its shadow, enough for the largest game.
    EXPECT_TRUE(shadows.Info.SecondFaces);
    EXPECT_GE(shadows.Info.FaceCount, 60);
    EXPECT_EQ(shadows.SecondFaces.size(), shadows.Faces.size());
    const TShippedSet sets[] = {ReadSet("animals.crd"), ReadSet("food.crd"), ReadSet("travel.crd"), shadows};
    for (const TShippedSet& set : sets) {
        for (const auto* side : {&set.Faces, &set.SecondFaces}) {
            std::vector<TPixelBuffer> stills;
            for (const auto& bytes : *side)
                stills.push_back(Decode(set.Info.FaceType, bytes)->Pixels());
            double closest = 1e9;
            for (std::size_t i = 0; i < stills.size(); ++i)
                for (std::size_t j = i + 1; j < stills.size(); ++j)
                    closest = std::min(closest, Difference(stills[i], stills[j]));
            // A tiger's shadow and a leopard's came to 6.7.
            if (!stills.empty()) {
                EXPECT_GT(closest, side == &set.Faces ? 4.0 : 7.0) << set.Info.Name;
            }
        }
    }
}

struct TWave {
    int Rate = 0, Channels = 0, Bits = 0, Format = 0;
    std::vector<std::int16_t> Samples;
};

TWave ReadWave(const fs::path& path)
{
    const std::vector<std::uint8_t> b = ReadWholeFile(path.string());
    auto u16 = [&](std::size_t at) { return b[at] | (b[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | (u16(at + 2) << 16)); };
    TWave wave;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    wave.Format = u16(20);
    wave.Channels = u16(22);
    wave.Rate = static_cast<int>(u32(24));
    wave.Bits = u16(34);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    const std::uint32_t size = u32(40);
    EXPECT_EQ(size + 44, b.size());
    for (std::size_t at = 44; at + 1 < b.size(); at += 2)
        wave.Samples.push_back(static_cast<std::int16_t>(u16(at)));
    return wave;
}

// Sign changes per second: a plain measure of pitch.
double Crossings(const TWave& wave)
{
    int n = 0;
    for (std::size_t i = 1; i < wave.Samples.size(); ++i)
        n += (wave.Samples[i - 1] < 0) != (wave.Samples[i] < 0);
    return n * static_cast<double>(wave.Rate) / wave.Samples.size();
}

TEST(CardSetContent, SoundsAreShortPcmWithABrightChimeAndALowBuzz)
{
    const TWave good = ReadWave(ContentDir() / "good.wav");
    const TWave bad = ReadWave(ContentDir() / "bad.wav");
    for (const TWave* wave : {&good, &bad}) {
        EXPECT_EQ(wave->Format, 1);
        EXPECT_EQ(wave->Bits, 16);
        EXPECT_LT(wave->Samples.size(), static_cast<std::size_t>(wave->Rate / 2));
        int peak = 0;
        for (std::int16_t s : wave->Samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LT(std::abs(wave->Samples.front()) + std::abs(wave->Samples.back()), 200) << "no click";
    }
    EXPECT_GT(Crossings(good), 1500.0);
    EXPECT_LT(Crossings(bad), 600.0);
}

TEST(CardSetContent, GeneratorWritesTheSameBytesOnEveryRun)
{
    const fs::path second = RunSkinmaker("content-b");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(ContentDir())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path other = second / fs::relative(entry.path(), ContentDir());
        ASSERT_TRUE(fs::exists(other)) << other;
        EXPECT_TRUE(ReadWholeFile(entry.path().string()) == ReadWholeFile(other.string())) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 12);
}

} // namespace
