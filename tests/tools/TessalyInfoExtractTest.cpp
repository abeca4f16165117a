#include "CommandTestSupport.h"
#include "game/CardSetInfo.h"
#include "resources/LumResWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string WriteArchive(const std::string& name, const TLumResWriter& writer)
{
    const std::string path = TestPath(name).string();
    writer.SaveToFile(path);
    return path;
}

std::string WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    return WriteFile(TestPath(name), bytes);
}

TLumResWriter CardSetWriter()
{
    TLumResWriter writer(7);
    writer.AddStored(MakeCardSetInfo({120, 90, 2, 1, "Say \"hi\"\\\x01", "https://a.example/?x=1&y=2"}));
    writer.AddBitmap({0, 0, 1, 2, 3});     // kind 1: "BM" restored on reading
    writer.AddCompressed({9, 8, 7, 6, 5}); // a zlib stream
    writer.AddStored({});
    return writer;
}

TEST(TessalyInfo, JsonListsEntriesAndTheCardSetRecord)
{
    const std::string file = WriteArchive("set.crd", CardSetWriter());
    const std::string json = RunCommand(InfoCommand, {"--json", file});
    const std::string compressedSize = std::to_string(ZlibCompress({9, 8, 7, 6, 5}).size());
    const int third = 8 + 4 * 8 + 792 + 5;
    EXPECT_EQ(json, "{\"tag\":7,\"entries\":["
                    "{\"index\":0,\"kind\":0,\"size\":792,\"offset\":40},"
                    "{\"index\":1,\"kind\":1,\"size\":5,\"offset\":832},"
                    "{\"index\":2,\"kind\":-1,\"size\":" + compressedSize + ",\"offset\":" + std::to_string(third) + "},"
                    "{\"index\":3,\"kind\":0,\"size\":0,\"offset\":" + std::to_string(third + std::stoi(compressedSize)) + "}],"
                    "\"cardset\":{\"width\":120,\"height\":90,\"faces\":2,\"faceType\":1,"
                    "\"name\":\"Say \\\"hi\\\"\\\\\\u0001\",\"link\":\"https://a.example/?x=1&y=2\",\"secondFaces\":false}}\n");
}

TEST(TessalyInfo, TextFormNamesTheFileAndTheRecord)
{
    const std::string file = WriteArchive("text.crd", CardSetWriter());
    const std::string text = RunCommand(InfoCommand, {file});
    EXPECT_EQ(text.rfind(file + ": tag 7, 4 entries\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n2\t-1\t"), std::string::npos) << text;
    EXPECT_NE(text.find("card set: 120 x 90 pixels, 2 faces, face type 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("link: https://a.example/?x=1&y=2\n"), std::string::npos) << text;
}

TEST(TessalyInfo, NoCardSetUnlessEntryZeroIsExactlyARecord)
{
    TLumResWriter skin;
    skin.AddStored(std::vector<std::uint8_t>(791, 1));
    const std::string json = RunCommand(InfoCommand, {"--json", WriteArchive("skin.dat", skin)});
    EXPECT_EQ(json.find("cardset"), std::string::npos) << json;

    TLumResWriter packed; // a record stored compressed still counts
    packed.AddCompressed(MakeCardSetInfo({1, 2, 3, 4, "n", "l"}));
    EXPECT_NE(RunCommand(InfoCommand, {"--json", WriteArchive("packed.crd", packed)}).find("\"faces\":3"), std::string::npos);

    EXPECT_EQ(RunCommand(InfoCommand, {"--json", WriteBytes("empty.crd", {})}), "{\"tag\":0,\"entries\":[]}\n");
}

TEST(TessalyExtract, WritesTheContentAsTheGameReadsIt)
{
    const std::string file = WriteArchive("extract.crd", CardSetWriter());
    const std::string out = TestPath("entry1.bin").string();
    RunCommand(ExtractCommand, {file, "1", out});
    EXPECT_EQ(ReadFile(out), std::string("BM\x01\x02\x03", 5));

    EXPECT_EQ(RunCommand(ExtractCommand, {file, "2", "-"}), std::string("\x09\x08\x07\x06\x05", 5));
    EXPECT_EQ(RunCommand(ExtractCommand, {file, "3", "-"}), "");
    EXPECT_EQ(RunCommand(ExtractCommand, {file, "0", "-"}).size(), CardSetInfoSize);

    // An existing longer file is replaced, not overwritten in place.
    std::ofstream(out, std::ios::binary) << std::string(100, 'x');
    RunCommand(ExtractCommand, {file, "2", out});
    EXPECT_EQ(ReadFile(out).size(), 5u);
}

TEST(TessalyErrors, OneLineNamingTheFileAndTheProblem)
{
    const std::string file = WriteArchive("errors.crd", CardSetWriter());
    const std::string junk = WriteBytes("junk.crd", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'a', 'r', 'c'});
    const std::string missing = TestPath("missing.crd").string();
    const std::string unwritable = TestPath("no/such/dir/out.bin").string();
    TLumResWriter cut;
    cut.AddStored(std::vector<std::uint8_t>(50, 3));
    std::vector<std::uint8_t> truncated = cut.Bytes();
    truncated.resize(truncated.size() - 10);
    const std::string shortFile = WriteBytes("short.crd", truncated);

    const struct {
        TCommandFunction Command;
        TCommandArgs Args;
        std::string Message;
    } rows[] = {
        {InfoCommand, {junk}, junk + ": not a resource archive"},
        {InfoCommand, {missing}, missing + ": cannot be opened"},
        {InfoCommand, {}, "usage: tessaly info [--json] FILE"},
        {InfoCommand, {"--json"}, "usage: tessaly info [--json] FILE"},
        {ExtractCommand, {file, "4", "-"}, file + ": Entry 4 is out of range"},
        {ExtractCommand, {file, "-1", "-"}, file + ": '-1' is not an entry number"},
        {ExtractCommand, {file, "1x", "-"}, file + ": '1x' is not an entry number"},
        {ExtractCommand, {file, "99999999999", "-"}, file + ": '99999999999' is not an entry number"},
        {ExtractCommand, {shortFile, "0", "-"}, shortFile + ": Stream read error"},
        {ExtractCommand, {file, "1", unwritable}, unwritable + ": cannot be written"},
        {ExtractCommand, {file, "1"}, "usage: tessaly extract FILE N OUT"},
    };
    for (const auto& row : rows) {
        const std::string message = Failure(row.Command, row.Args);
        EXPECT_EQ(message.rfind(row.Message, 0), 0u) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

TEST(TessalyRecords, PrintsTheRecordsAsTextAndJsonSkippingDamage)
{
    const std::string line1 = "1\t2026-12-09T03:00:00Z\tpets.crd\t8\t3\t2\t14\t95\tComputer\t3\tAnn \"A\"\t5";
    const std::string line2 = "1\t2026-12-09T04:00:00Z\tpets.crd\t10\t-1\t0\t20\t120\tAnn\t5\tBob\t5";
    const std::string text = line1 + "\ndamaged\n" + line2 + "\n";
    const std::string file = WriteFile(TestPath("records"), std::vector<std::uint8_t>(text.begin(), text.end()));

    EXPECT_EQ(RunCommand(RecordsCommand, {file}),
              "date\tset\tpairs\tlevel\twinner\tmoves\tseconds\tplayers\n"
              "2026-12-09T03:00:00Z\tpets.crd\t8\t3\tAnn \"A\"\t14\t95\tComputer 3, Ann \"A\" 5\n"
              "2026-12-09T04:00:00Z\tpets.crd\t10\t-\t-\t20\t120\tAnn 5, Bob 5\n");
    EXPECT_EQ(RunCommand(RecordsCommand, {"--json", file}),
              "[\n{\"date\":\"2026-12-09T03:00:00Z\",\"set\":\"pets.crd\",\"pairs\":8,\"computerLevel\":3,"
              "\"winner\":\"Ann \\\"A\\\"\",\"moves\":14,\"seconds\":95,\"players\":[{\"name\":\"Computer\",\"score\":3},"
              "{\"name\":\"Ann \\\"A\\\"\",\"score\":5}]},\n"
              "{\"date\":\"2026-12-09T04:00:00Z\",\"set\":\"pets.crd\",\"pairs\":10,\"computerLevel\":null,"
              "\"winner\":null,\"moves\":20,\"seconds\":120,\"players\":[{\"name\":\"Ann\",\"score\":5},"
              "{\"name\":\"Bob\",\"score\":5}]}\n]\n");
    EXPECT_EQ(RunCommand(RecordsCommand, {"--json", file + ".none"}), "[\n]\n");
    EXPECT_EQ(Failure(RecordsCommand, {"--json", file, file}), "usage: tessaly records [--json] [FILE]");
}

// A tab, a line break or a comma in a name must not split its line or its
// column; bytes that are not UTF-8 must not spoil the JSON.
TEST(TessalyRecords, NamesKeepToTheirLineAndColumn)
{
    const std::string line = "1\t2026-12-09T05:00:00Z\ta\\tb.crd\t8\t-1\t1\t9\t30\tTab\\there\t5\t"
                             "Line\\nbreak, back\\\\slash\x01\xff\t3\n";
    const std::string file = WriteFile(TestPath("odd-records"), std::vector<std::uint8_t>(line.begin(), line.end()));
    EXPECT_EQ(RunCommand(RecordsCommand, {file}),
              "date\tset\tpairs\tlevel\twinner\tmoves\tseconds\tplayers\n"
              "2026-12-09T05:00:00Z\ta\\tb.crd\t8\t-\tTab\\there\t9\t30\t"
              "Tab\\there 5, Line\\nbreak\\, back\\\\slash\\x01\xff 3\n");
    EXPECT_EQ(RunCommand(RecordsCommand, {"--json", file}),
              "[\n{\"date\":\"2026-12-09T05:00:00Z\",\"set\":\"a\\tb.crd\",\"pairs\":8,\"computerLevel\":null,"
              "\"winner\":\"Tab\\there\",\"moves\":9,\"seconds\":30,\"players\":[{\"name\":\"Tab\\there\",\"score\":5},"
              "{\"name\":\"Line\\nbreak, back\\\\slash\\u0001\xef\xbf\xbd\",\"score\":3}]}\n]\n");
}

} // namespace
