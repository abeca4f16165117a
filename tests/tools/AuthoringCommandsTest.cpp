// tessaly create, check and preview, called as functions on files made here.
#include "AuthoringCommands.h"
#include "CommandTestSupport.h"
#include "GifEncoder.h"
#include "JpegWriter.h"

#include "game/CardSetInfo.h"
#include "resources/Bitmap.h"
#include "resources/LumResWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>

namespace {

namespace fs = std::filesystem;

// A picture that differs from every other seed.
TPixelBuffer Pixels(int width, int height, int seed)
{
    TPixelBuffer p;
    p.Width = width;
    p.Height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.Pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((seed * 37) & 0xFF) << 16
                               | static_cast<std::uint32_t>((x * 5 + seed) & 0xFF) << 8 | static_cast<std::uint32_t>(y * 7 & 0xFF));
    return p;
}

std::vector<std::uint8_t> Bmp(int width, int height, int seed)
{
    TBitmap bitmap;
    bitmap.Assign(Pixels(width, height, seed));
    TMemoryStream stream;
    bitmap.SaveToStream(stream, 24);
    return stream.Data();
}

std::vector<std::uint8_t> Gif(int width, int height, int seed)
{
    TGifEncodeFrame frame;
    frame.Pixels = Pixels(width, height, seed);
    return EncodeGif(width, height, {frame});
}

std::vector<std::uint8_t> Picture(const std::string& ext, int width, int height, int seed)
{
    if (ext == ".gif")
        return Gif(width, height, seed);
    if (ext == ".jpg")
        return EncodeJpeg(Pixels(width, height, seed), 85);
    return Bmp(width, height, seed);
}

// Writes count face files of one kind and returns their paths.
std::vector<std::string> Faces(const std::string& stem, const std::string& ext, int count, int width, int height)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const fs::path path = TestPath(stem + std::to_string(i) + ext);
        WriteFile(path, Picture(ext, width, height, i));
        paths.push_back(path.string());
    }
    return paths;
}

TCommandArgs CreateArgs(const std::string& out, const std::vector<std::string>& faces, int width, int height,
                        bool compress = false)
{
    const fs::path back = TestPath("back" + std::to_string(width) + "x" + std::to_string(height) + ".bmp");
    const fs::path ad = TestPath("ad.bmp");
    WriteFile(back, Bmp(width, height, 99));
    WriteFile(ad, Bmp(178, 170, 98));
    TCommandArgs args = {"--name", "Test Set", "--link", "https://example.org/set", "--back", back.string(),
                         "--ad", ad.string()};
    if (compress)
        args.push_back("--compress");
    args.push_back(out);
    args.insert(args.end(), faces.begin(), faces.end());
    return args;
}

struct TKindCase {
    const char* Ext;
    int FaceType;
    bool Compress;
};

class CreateRoundTrip : public testing::TestWithParam<TKindCase> {};

TEST_P(CreateRoundTrip, InfoShowsTheRecordAndExtractGivesBackEveryFile)
{
    const TKindCase c = GetParam();
    const std::string stem = std::string("rt") + (c.Ext + 1) + (c.Compress ? "z" : "");
    const std::vector<std::string> faces = Faces(stem, c.Ext, 9, 40, 30);
    const std::string out = TestPath(stem + ".crd").string();
    RunCommand(CreateCommand, CreateArgs(out, faces, 40, 30, c.Compress));

    const std::string json = RunCommand(InfoCommand, {"--json", out});
    EXPECT_NE(json.find("\"cardset\":{\"width\":40,\"height\":30,\"faces\":9,\"faceType\":" + std::to_string(c.FaceType)
                        + ",\"name\":\"Test Set\",\"link\":\"https://example.org/set\",\"secondFaces\":false}"),
              std::string::npos)
        << json;
    EXPECT_EQ(json.find("\"kind\":-1") != std::string::npos, c.Compress) << json;

    for (std::size_t i = 0; i < faces.size(); ++i) {
        const std::string extracted = TestPath(stem + "-x" + std::to_string(i)).string();
        RunCommand(ExtractCommand, {out, std::to_string(i + 3), extracted});
        EXPECT_EQ(ReadWholeFile(extracted), ReadWholeFile(faces[i])) << "face " << i;
    }
    const std::string back = TestPath(stem + "-back").string();
    RunCommand(ExtractCommand, {out, "2", back});
    EXPECT_EQ(ReadWholeFile(back), ReadWholeFile(TestPath("back40x30.bmp").string()));
    const std::string check = RunCommand(CheckCommand, {out});
    EXPECT_NE(check.find("playable, 9"), std::string::npos) << check;
    // Faces whose edges all differ are no reason to warn.
    EXPECT_EQ(check.find("warning"), std::string::npos) << check;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CreateRoundTrip,
                         testing::Values(TKindCase{".gif", 1, false}, TKindCase{".jpg", 2, false},
                                         TKindCase{".bmp", 0, false}, TKindCase{".bmp", 0, true},
                                         TKindCase{".gif", 1, true}));

TEST(CreateCommand, PairsThatDifferRoundTripThroughInfoExtractCheckAndPreview)
{
    const std::vector<std::string> firsts = Faces("first", ".gif", 9, 40, 30);
    const std::vector<std::string> seconds = Faces("second", ".gif", 9, 40, 30);
    std::vector<std::string> pairs;
    for (std::size_t i = 0; i < firsts.size(); ++i)
        pairs.push_back(firsts[i] + ":" + seconds[(i + 4) % seconds.size()]);
    const std::string out = TestPath("pairs.crd").string();
    TCommandArgs args = CreateArgs(out, pairs, 40, 30);
    args.insert(args.begin(), "--pairs");
    EXPECT_EQ(RunCommand(CreateCommand, args), out + ": 9 GIF faces of 40x30, each with a second picture\n");

    const std::string json = RunCommand(InfoCommand, {"--json", out});
    EXPECT_NE(json.find("\"faces\":9,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"secondFaces\":true}"), std::string::npos) << json;
    EXPECT_NE(json.find("{\"index\":20,"), std::string::npos) << json;
    EXPECT_NE(RunCommand(InfoCommand, {out}).find("second pictures: entries 12 to 20, face N's at entry N + 11\n"),
              std::string::npos);
    for (std::size_t i = 0; i < firsts.size(); ++i) {
        const std::string first = TestPath("pairs-x" + std::to_string(i)).string();
        const std::string second = TestPath("pairs-y" + std::to_string(i)).string();
        RunCommand(ExtractCommand, {out, std::to_string(3 + i), first});
        RunCommand(ExtractCommand, {out, std::to_string(3 + 9 + i), second});
        EXPECT_EQ(ReadWholeFile(first), ReadWholeFile(firsts[i])) << i;
        EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(seconds[(i + 4) % seconds.size()])) << i;
    }
    EXPECT_EQ(RunCommand(CheckCommand, {out}), out + ": playable, 9 GIF faces of 40x30, each with a second picture\n");
    EXPECT_EQ(RunCommand(PreviewCommand, {out, "--screen", "1024x738"}), "8 4x4 40x30\n");

    // Every picture of a pair follows the rules of the faces.
    std::vector<std::string> mixed = pairs;
    mixed[2] = firsts[2] + ":" + Faces("secondj", ".jpg", 1, 40, 30)[0];
    EXPECT_EQ(Failure(CreateCommand, [&] {
                  TCommandArgs a = CreateArgs(TestPath("mixed.crd").string(), mixed, 40, 30);
                  a.push_back("--pairs");
                  return a;
              }()),
              "faces mix picture kinds: " + firsts[0] + " is GIF but " + TestPath("secondj0.jpg").string() + " is JPEG");
    std::vector<std::string> single = pairs;
    single[5] = firsts[5];
    EXPECT_EQ(Failure(CreateCommand, [&] {
                  TCommandArgs a = CreateArgs(TestPath("single.crd").string(), single, 40, 30);
                  a.push_back("--pairs");
                  return a;
              }()),
              "--pairs: " + firsts[5] + " is not FIRST:SECOND, two picture files joined by one colon");
}

TEST(CreateCommand, ReplacesASetSoThatAReaderOfTheOldOneStillReadsItWhole)
{
    const std::string out = TestPath("replaced.crd").string();
    RunCommand(CreateCommand, CreateArgs(out, Faces("old", ".bmp", 9, 40, 30), 40, 30));
    const std::string before = ReadFile(out);
    std::ifstream held(out, std::ios::binary); // as a game reading the set meanwhile
    RunCommand(CreateCommand, CreateArgs(out, Faces("new", ".gif", 12, 40, 30), 40, 30));
    const std::string seen((std::istreambuf_iterator<char>(held)), std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, before);
    EXPECT_NE(ReadFile(out), before);
}

TEST(CreateCommand, RefusesFacesOfMixedKindsNamingBoth)
{
    std::vector<std::string> faces = Faces("mix", ".gif", 8, 40, 30);
    faces[5] = Faces("mixj", ".jpg", 1, 40, 30)[0];
    const std::string message = Failure(CreateCommand, CreateArgs(TestPath("mix.crd").string(), faces, 40, 30));
    EXPECT_EQ(message, "faces mix picture kinds: " + faces[0] + " is GIF but " + faces[5] + " is JPEG");
    EXPECT_FALSE(fs::exists(TestPath("mix.crd")));
}

TEST(CreateCommand, RefusesFacesOfMixedSizesNamingBoth)
{
    std::vector<std::string> faces = Faces("size", ".bmp", 8, 40, 30);
    faces[7] = Faces("sizeb", ".bmp", 1, 41, 30)[0];
    const std::string message = Failure(CreateCommand, CreateArgs(TestPath("size.crd").string(), faces, 40, 30));
    EXPECT_EQ(message, "faces differ in size: " + faces[0] + " is 40x30 but " + faces[7] + " is 41x30");
    EXPECT_FALSE(fs::exists(TestPath("size.crd")));
}

TEST(CreateCommand, RefusesSetsTheGameCouldNotPlay)
{
    const std::vector<std::string> eight = Faces("ok", ".gif", 8, 40, 30);
    const fs::path junk = TestPath("junk.gif");
    WriteFile(junk, {'n', 'o', 't', ' ', 'a', ' ', 'g', 'i', 'f'});
    std::vector<std::string> withJunk = eight;
    withJunk[3] = junk.string();
    std::vector<std::string> withPng = eight;
    withPng[2] = TestPath("face.png").string();

    const struct {
        TCommandArgs Args;
        std::string Message;
    } cases[] = {
        {CreateArgs(TestPath("few.crd").string(), Faces("few", ".gif", 7, 40, 30), 40, 30),
         "a set needs at least 8 faces to be playable, got 7"},
        {CreateArgs(TestPath("png.crd").string(), withPng, 40, 30),
         withPng[2] + ": unknown picture kind (use .gif, .jpg, .jpeg or .bmp)"},
        {CreateArgs(TestPath("junk.crd").string(), withJunk, 40, 30),
         junk.string() + ": not a readable GIF picture (Invalid GIF signature)"},
        {CreateArgs(TestPath("back.crd").string(), eight, 50, 30),
         TestPath("back50x30.bmp").string() + ": the card back is 50x30 but the faces are 40x30"},
        {{"--name", "X", "out.crd"},
         "usage: tessaly create --name NAME --link URL --back FILE --ad FILE [--compress] [--pairs] OUT.crd FACE..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Failure(CreateCommand, c.Args), c.Message);
}

// A set written field by field, to break one thing at a time.
struct TBrokenSet {
    std::string Name;
    std::function<void(TLumResWriter&)> Build;
    std::string Problem;
};

TEST(CheckCommand, ReportsEachProblemWithItsEntryNumber)
{
    const auto record = [](std::int32_t faces) {
        TCardSetInfo info;
        info.Width = 40;
        info.Height = 30;
        info.FaceCount = faces;
        info.FaceType = 1;
        info.Name = "Broken";
        return MakeCardSetInfo(info);
    };
    const auto pictures = [](TLumResWriter& w, int faces) {
        w.AddBitmap(Bmp(178, 170, 1)); // entry 1, the advertisement
        w.AddBitmap(Bmp(40, 30, 2));   // entry 2, the back
        for (int i = 0; i < faces; ++i)
            w.AddStored(Gif(40, 30, i));
    };
    const TBrokenSet cases[] = {
        {"short", [&](TLumResWriter& w) { w.AddStored(std::vector<std::uint8_t>(100)); pictures(w, 8); },
         "entry 0: the record is 100 bytes, not 792"},
        {"packed", [&](TLumResWriter& w) { w.AddCompressed(record(8)); pictures(w, 8); },
         "entry 0: the record is compressed into "},
        {"few", [&](TLumResWriter& w) { w.AddStored(record(5)); pictures(w, 5); },
         "entry 0: the set has 5 faces, fewer than the 8 a game needs"},
        {"claims", [&](TLumResWriter& w) { w.AddStored(record(10)); pictures(w, 8); },
         "entry 0: the record names 10 faces but the archive holds 8"},
        {"noad", [&](TLumResWriter& w) { w.AddStored(record(8)); w.AddStored(Gif(178, 170, 1)); w.AddBitmap(Bmp(40, 30, 2));
                     for (int i = 0; i < 8; ++i) w.AddStored(Gif(40, 30, i)); },
         "entry 1: the advertisement picture does not decode as bitmap"},
        {"back", [&](TLumResWriter& w) { w.AddStored(record(8)); w.AddBitmap(Bmp(178, 170, 1)); w.AddBitmap(Bmp(20, 30, 2));
                     for (int i = 0; i < 8; ++i) w.AddStored(Gif(40, 30, i)); },
         "entry 2: the card back is 20x30, not the set's 40x30"},
        {"junk", [&](TLumResWriter& w) { w.AddStored(record(8)); w.AddBitmap(Bmp(178, 170, 1)); w.AddBitmap(Bmp(40, 30, 2));
                     for (int i = 0; i < 8; ++i) w.AddStored(i == 2 ? std::vector<std::uint8_t>{1, 2, 3} : Gif(40, 30, i)); },
         "entry 5: face 3 does not decode as GIF (Invalid GIF signature)"},
        {"seconds", [&](TLumResWriter& w) {
             TCardSetInfo info = ParseCardSetInfo(record(8).data());
             info.SecondFaces = true;
             w.AddStored(MakeCardSetInfo(info));
             pictures(w, 13);
         },
         "entry 0: the record marks pairs that differ, but the archive holds 5 second pictures for its 8 faces"},
        {"size", [&](TLumResWriter& w) { w.AddStored(record(8)); w.AddBitmap(Bmp(178, 170, 1)); w.AddBitmap(Bmp(40, 30, 2));
                     for (int i = 0; i < 8; ++i) w.AddStored(Gif(i == 1 ? 20 : 40, 30, i)); },
         "entry 4: face 2 is 20x30, not the set's 40x30"},
    };
    for (const TBrokenSet& c : cases) {
        TLumResWriter writer;
        c.Build(writer);
        const fs::path path = TestPath("broken-" + c.Name + ".crd");
        writer.SaveToFile(path.string());
        const std::string report = RunCommand(CheckCommand, {path.string()}, 1);
        EXPECT_NE(report.find(path.string() + ": " + c.Problem), std::string::npos) << c.Name << ":\n" << report;
        EXPECT_NE(report.find("not playable"), std::string::npos) << c.Name;
    }
}

TEST(CheckCommand, WarnsOfAFaceWhoseBorderIsUnlikeTheOthersYetFindsTheSetPlayable)
{
    // Cards with a dark two-pixel frame, one of them without it (white).
    std::vector<std::string> faces;
    for (int i = 0; i < 8; ++i) {
        TGifEncodeFrame frame;
        frame.Pixels = Pixels(40, 30, i);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (x < 2 || y < 2 || x >= 38 || y >= 28)
                    frame.Pixels.At(x, y) = i == 2 ? 0xFFFFFFFFu : 0xFF302010u;
        faces.push_back(TestPath("framed" + std::to_string(i) + ".gif").string());
        WriteFile(faces.back(), EncodeGif(40, 30, {frame}));
    }
    const std::string out = TestPath("framed.crd").string();
    RunCommand(CreateCommand, CreateArgs(out, faces, 40, 30));
    const std::string report = RunCommand(CheckCommand, {out});
    EXPECT_EQ(report, out + ": entry 5: warning: face 3 has a border unlike the set's other faces\n" + out
                          + ": playable, 8 GIF faces of 40x30, 1 warning(s)\n");
}

TEST(PreviewCommand, GivesTheBoardOfEveryOfferedPairCountAsTheGameDealsIt)
{
    const std::string sixty = TestPath("sixty.crd").string();
    RunCommand(CreateCommand, CreateArgs(sixty, Faces("sixty", ".gif", 60, 120, 90), 120, 90));
    // The worked example for 120 x 90 pictures on a 1024 x 738 work area.
    const std::string expected =
        "8 4x4 120x90\n10 4x5 120x90\n12 4x6 120x90\n14 4x7 120x90\n16 4x8 120x90\n18 6x6 120x90\n"
        "20 5x8 120x90\n21 6x7 120x90\n22 4x11 91x68\n24 6x8 120x90\n26 4x13 77x57\n27 6x9 111x83\n"
        "28 7x8 120x90\n30 6x10 100x75\n32 8x8 106x79\n33 6x11 91x68\n36 8x9 106x79\n39 6x13 77x57\n"
        "40 8x10 100x75\n42 7x12 83x62\n44 8x11 91x68\n45 9x10 94x70\n48 8x12 83x62\n50 10x10 84x63\n"
        "52 8x13 77x57\n55 10x11 85x63\n56 8x14 71x53\n60 10x12 83x62\n";
    EXPECT_EQ(RunCommand(PreviewCommand, {sixty, "--screen", "1024x738"}), expected);

    const std::string twenty = TestPath("twenty.crd").string();
    RunCommand(CreateCommand, CreateArgs(twenty, Faces("twenty", ".gif", 20, 120, 90), 120, 90));
    // A wider screen favours wider boards: 18 pairs go 4 x 9 there (aspect 0.50).
    EXPECT_EQ(RunCommand(PreviewCommand, {"--screen", "1920x1050", twenty}),
              "8 4x4 120x90\n10 4x5 120x90\n12 4x6 120x90\n14 4x7 120x90\n16 4x8 120x90\n18 4x9 120x90\n"
              "20 5x8 120x90\n");

    EXPECT_EQ(Failure(PreviewCommand, {twenty, "--screen", "big"}),
              "--screen big: expected WIDTHxHEIGHT larger than the window frame (10x91)");
}

} // namespace
