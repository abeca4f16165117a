#include "game/CardSetInfo.h"

#include "game/CardSetWriter.h"
#include "game/GameError.h"
#include "resources/LumResWriter.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

TCardSetContent Content(int faces, int secondFaces, const std::string& name = "Pairs");

TEST(CardSetInfo, ReadsTheFieldsAtTheirOffsets)
{
    std::vector<std::uint8_t> record(CardSetInfoSize, 0);
    record[0] = 0x78;                 // width 120
    record[4] = 0x5A;                 // height 90
    record[8] = 0x2C;                 // 300 faces: 0x012C
    record[9] = 0x01;
    record[12] = 0xFE;                // face type -2
    record[13] = record[14] = record[15] = 0xFF;
    record[16] = 3;                   // name length
    record[17] = 'A';
    record[18] = 0xE9;                // e acute in Windows-1252
    record[19] = 0x80;                // euro sign
    record[20] = 'X';                 // beyond the length: not part of the name
    record[272] = 5;                  // the unread middle string
    record[528] = 4;                  // link length
    std::copy_n("http", 4, &record[529]);
    const TCardSetInfo info = ParseCardSetInfo(record.data());
    EXPECT_EQ(info.Width, 120);
    EXPECT_EQ(info.Height, 90);
    EXPECT_EQ(info.FaceCount, 300);
    EXPECT_EQ(info.FaceType, -2);
    EXPECT_EQ(info.Name, "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(info.AdLink, "http");
}

TEST(CardSetInfo, FullLengthStringsStayInsideTheirField)
{
    std::vector<std::uint8_t> record(CardSetInfoSize, 'z');
    record[16] = 255;
    record[528] = 255;
    const TCardSetInfo info = ParseCardSetInfo(record.data());
    EXPECT_EQ(info.Name, std::string(255, 'z'));
    EXPECT_EQ(info.AdLink, std::string(255, 'z'));
}

TEST(CardSetInfo, WriteAndReadBack)
{
    const TCardSetInfo original {64, -3, 12, 2, "Fr\xC3\xBC" "chte \xE2\x80\x9C" "bunt\xE2\x80\x9D \xE4\xB8\xAD",
                                 std::string(300, 'l')};
    const std::vector<std::uint8_t> record = MakeCardSetInfo(original);
    ASSERT_EQ(record.size(), CardSetInfoSize);
    const TCardSetInfo back = ParseCardSetInfo(record.data());
    EXPECT_EQ(back.Width, 64);
    EXPECT_EQ(back.Height, -3);
    EXPECT_EQ(back.FaceCount, 12);
    EXPECT_EQ(back.FaceType, 2);
    // A character outside Windows-1252 survives in the UTF-8 copy; long text is cut to 255.
    EXPECT_EQ(back.Name, original.Name);
    EXPECT_EQ(back.AdLink, std::string(255, 'l'));
}

TEST(CardSetInfo, NamesWindows1252LacksAreAlsoStoredAsUtf8)
{
    TMemoryStream bytes(BuildCardSetArchive(Content(8, 0, "Кошки & Co")));
    TLumResReader reader;
    reader.Stream = &bytes;
    ASSERT_TRUE(reader.ReadHeader());
    EXPECT_EQ(ReadCardSetInfo(reader).Name, "Кошки & Co");
    std::vector<std::uint8_t> record(CardSetInfoSize);
    reader.ReadEntry(0, record.data(), record.size());
    const std::string cp1252 = "\x0A?????" " & Co";
    EXPECT_TRUE(std::equal(cp1252.begin(), cp1252.end(), &record[16])); // what older readers show

    // A name Windows-1252 spells leaves the unused string as it always was.
    record = MakeCardSetInfo({40, 30, 8, 1, "Fr\xC3\xBC" "chte?", ""});
    EXPECT_TRUE(std::all_of(&record[272], &record[528], [](std::uint8_t b) { return b == 0; }));

    // The encoder cuts a long UTF-8 copy at a whole character: 124 two-byte
    // letters fit the 249 bytes, the 125th does not.
    std::string letters;
    for (int i = 0; i < 200; ++i)
        letters += "Ź";
    record = MakeCardSetInfo({40, 30, 8, 1, letters, ""});
    EXPECT_EQ(ParseCardSetInfo(record.data()).Name, letters.substr(0, 248));
}

TEST(CardSetInfo, AnythingButAnAgreeingMarkedUtf8NameReadsTheOldField)
{
    const std::vector<std::uint8_t> written = MakeCardSetInfo({40, 30, 8, 1, "Źrebięta", ""});
    ASSERT_EQ(ParseCardSetInfo(written.data()).Name, "Źrebięta");
    const std::string oldName = "?rebi?ta";
    const struct {
        const char* Why;
        std::string Field; // the unused string's bytes after its length byte
    } cases[] = {
        {"junk without the marker", "\xC5\xB9rebi\xC4\x99ta"},
        {"the marker without a name", "UTF-8:"},
        {"a marker of another case", "utf-8:\xC5\xB9rebi\xC4\x99ta"},
        {"a cut sequence", "UTF-8:\xC5\xB9rebi\xC4"},
        {"an overlong encoding", "UTF-8:\xC0\xBFrebi"},
        {"an encoded surrogate", "UTF-8:\xED\xA0\x80rebi"},
        {"a name the old field does not begin with", "UTF-8:\xC5\xB9rebi\xC4\x99ta!"},
        {"a stale name after a rename", "UTF-8:\xD0\x9A\xD0\xBE\xD1\x82"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> record = written;
        std::fill(&record[272], &record[528], 0xAA);
        record[272] = static_cast<std::uint8_t>(c.Field.size());
        std::copy(c.Field.begin(), c.Field.end(), &record[273]);
        EXPECT_EQ(ParseCardSetInfo(record.data()).Name, oldName) << c.Why;
    }
}

TEST(CardSetInfo, ReadFromAnArchiveEntry)
{
    TLumResWriter writer;
    writer.AddCompressed(MakeCardSetInfo({10, 20, 30, 1, "Name", "Link"}));
    TMemoryStream bytes(writer.Bytes());
    TLumResReader reader;
    reader.Stream = &bytes;
    ASSERT_TRUE(reader.ReadHeader());
    const TCardSetInfo info = ReadCardSetInfo(reader);
    EXPECT_EQ(info.FaceCount, 30);
    EXPECT_EQ(info.Name, "Name");
}

TEST(CardSetInfo, ShortEntryLeavesTheRestZeroAndMissingEntryThrows)
{
    TLumResWriter writer;
    writer.AddStored({100, 0, 0, 0, 50, 0}); // width 100, the height cut short
    TMemoryStream bytes(writer.Bytes());
    TLumResReader reader;
    reader.Stream = &bytes;
    ASSERT_TRUE(reader.ReadHeader());
    const TCardSetInfo info = ReadCardSetInfo(reader);
    EXPECT_EQ(info.Width, 100);
    EXPECT_EQ(info.Height, 50);
    EXPECT_EQ(info.FaceCount, 0);
    EXPECT_EQ(info.Name, "");

    TMemoryStream empty;
    TLumResReader none;
    none.Stream = &empty;
    ASSERT_TRUE(none.ReadHeader());
    EXPECT_THROW(ReadCardSetInfo(none), EResourceError);
}

TCardSetContent Content(int faces, int secondFaces, const std::string& name)
{
    TCardSetContent content;
    content.Info = {40, 30, 0, 1, name, "https://example.org"};
    content.Advert = {{'B', 'M', 'a'}, TPictureStorage::Bitmap};
    content.Back = {{'B', 'M', 'b'}, TPictureStorage::Compressed};
    for (int i = 0; i < faces; ++i)
        content.Faces.push_back({{'G', 'I', 'F', static_cast<std::uint8_t>(i)}, TPictureStorage::Stored});
    for (int i = 0; i < secondFaces; ++i)
        content.SecondFaces.push_back({{'G', 'I', 'F', static_cast<std::uint8_t>(100 + i)}, TPictureStorage::Compressed});
    return content;
}

std::vector<std::uint8_t> Entry(TLumResReader& reader, std::int32_t entry)
{
    TMemoryStream stream;
    reader.CopyEntry(entry, stream);
    return stream.Data();
}

TEST(CardSetWriter, SecondFacesFollowTheFirstOnesAndOnlyTheirSetsAreMarked)
{
    for (const int second : {0, 9}) {
        TMemoryStream bytes(BuildCardSetArchive(Content(9, second)));
        TLumResReader reader;
        reader.Stream = &bytes;
        ASSERT_TRUE(reader.ReadHeader());
        ASSERT_EQ(reader.EntryCount(), 3 + 9 + second);
        const TCardSetInfo info = ReadCardSetInfo(reader);
        EXPECT_EQ(info.FaceCount, 9); // what a reader of alike pairs plays
        EXPECT_EQ(info.SecondFaces, second > 0);
        EXPECT_EQ(Entry(reader, CardBackEntry), (std::vector<std::uint8_t> {'B', 'M', 'b'}));
        for (std::int32_t i = 0; i < 9; ++i) {
            EXPECT_EQ(Entry(reader, FirstFaceEntry + i)[3], i);
            if (second) {
                EXPECT_EQ(Entry(reader, SecondFaceEntry(info.FaceCount, FirstFaceEntry + i))[3], 100 + i);
            }
        }
    }
    // Bytes an older set may hold in the marked word are no mark.
    std::vector<std::uint8_t> record = MakeCardSetInfo(Content(9, 0).Info);
    std::copy_n("DUEt", 4, &record[784]);
    EXPECT_FALSE(ParseCardSetInfo(record.data()).SecondFaces);
}

TEST(CardSetWriter, RefusesContentNoGameCanPlayAndWritesNothing)
{
    TCardSetContent longName = Content(8, 0);
    longName.Info.Name = std::string(256, 'n');
    std::string letters;
    for (int i = 0; i < 125; ++i)
        letters += "Ж";
    TCardSetContent longUtf8 = Content(8, 0, letters);
    TCardSetContent longLink = Content(8, 0);
    longLink.Info.AdLink = std::string(255, 'l') + "\xC3\xA9";
    const struct {
        TCardSetContent Content;
        std::string Message;
    } cases[] = {
        {Content(7, 0), "a set needs at least 8 faces to be playable, got 7"},
        {Content(8, 7), "a set of pairs that differ needs one second face per face, got 7 for 8"},
        {longName, "the name is longer than the 255 characters a card set can hold"},
        {longUtf8, "the name takes 250 bytes in UTF-8, more than the 249 a card set can hold for a name outside "
                   "Windows-1252"},
        {longLink, "the link is longer than the 255 characters a card set can hold"},
    };
    const std::string file = testing::TempDir() + "/refused.crd";
    for (const auto& c : cases) {
        try {
            (void)WriteCardSet(file, c.Content);
            ADD_FAILURE() << c.Message;
        } catch (const EGameError& e) {
            EXPECT_EQ(e.what(), c.Message);
        }
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    // 255 characters fit, however many bytes they take.
    TCardSetContent full = Content(8, 8);
    full.Info.Name = std::string(254, 'n') + "\xC3\xA9";
    EXPECT_NO_THROW((void)BuildCardSetArchive(full));
    full.Info.Name = letters.substr(2); // 124 letters: 248 bytes of UTF-8
    EXPECT_NO_THROW((void)BuildCardSetArchive(full));
}

} // namespace
