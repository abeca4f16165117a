#include "resources/LumRes.h"
#include "resources/LumResOverlay.h"
#include "resources/LumResWriter.h"
#include "resources/ResourceError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutI32(Bytes& b, std::int32_t v)
{
    for (int s = 0; s < 32; s += 8)
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> s));
}

// A reader over bytes held by the test.
struct TArchive {
    explicit TArchive(Bytes bytes, std::int32_t base = 0) : Source(std::move(bytes)), Reader(base)
    {
        Reader.Stream = &Source;
        HeaderOk = Reader.ReadHeader();
    }
    Bytes Copy(std::int32_t i)
    {
        TMemoryStream out;
        Reader.CopyEntry(i, out);
        return out.Data();
    }
    TMemoryStream Source;
    TLumResReader Reader;
    bool HeaderOk;
};

Bytes Sequence(std::size_t n)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return b;
}

} // namespace

TEST(ArchiveHeader, CountZeroAndEmptyFile)
{
    Bytes zero;
    PutI32(zero, 0x1234); // Tag
    PutI32(zero, 0);      // count
    TArchive a(zero);
    EXPECT_TRUE(a.HeaderOk);
    EXPECT_EQ(a.Reader.Tag, 0x1234u);
    EXPECT_EQ(a.Reader.EntryCount(), 0);
    EXPECT_THROW(a.Copy(0), EResourceError);

    TArchive empty(Bytes{});
    EXPECT_TRUE(empty.HeaderOk);
    EXPECT_EQ(empty.Reader.EntryCount(), 0);
    std::uint8_t buf[4];
    EXPECT_THROW(empty.Reader.ReadEntry(0, buf, sizeof buf), EResourceError);
}

TEST(ArchiveHeader, NoStreamIsFalse)
{
    TLumResReader r;
    EXPECT_FALSE(r.ReadHeader());
}

TEST(ArchiveHeader, BadHeadersGiveAnEmptyArchive)
{
    struct Row {
        const char* What;
        Bytes Data;
    };
    Bytes negative, huge, table, negSize, shortHeader{1, 2, 3};
    PutI32(negative, 0);
    PutI32(negative, -1);
    PutI32(huge, 0);
    PutI32(huge, 0x7fffffff);
    PutI32(table, 0);
    PutI32(table, 3); // claims 3 records, holds 1
    PutI32(table, 0);
    PutI32(table, 0);
    PutI32(negSize, 0);
    PutI32(negSize, 1);
    PutI32(negSize, 0);  // kind
    PutI32(negSize, -5); // size
    const Row rows[] = {{"negative count", negative},
                        {"count larger than the file", huge},
                        {"truncated table", table},
                        {"negative entry size", negSize},
                        {"header cut short", shortHeader}};
    for (const Row& row : rows) {
        TArchive a(row.Data);
        EXPECT_FALSE(a.HeaderOk) << row.What;
        EXPECT_EQ(a.Reader.EntryCount(), 0) << row.What;
        EXPECT_EQ(a.Reader.Tag, 0u) << row.What;
        EXPECT_TRUE(a.Reader.Entries.empty() && a.Reader.Offsets.empty()) << row.What;
        EXPECT_THROW(a.Copy(0), EResourceError) << row.What;
    }
}

TEST(ArchiveOffsets, FollowSizesIncludingZeroSizedEntries)
{
    TLumResWriter w(7);
    w.AddStored({1, 2, 3});
    w.AddStored({});
    w.AddStored({9});
    TArchive a(w.Bytes());
    ASSERT_TRUE(a.HeaderOk);
    EXPECT_EQ(a.Reader.Offsets, (std::vector<std::int32_t>{8 + 24, 8 + 24 + 3, 8 + 24 + 3}));
    EXPECT_EQ(a.Copy(1), Bytes{});
    EXPECT_EQ(a.Copy(2), Bytes{9});
}

TEST(ArchiveEntries, KindOnePatchesSignatureThroughBothReads)
{
    TLumResWriter w;
    w.AddRaw(1, {0, 0, 'x', 'y'});
    w.AddRaw(1, {});
    w.AddRaw(5, {0, 0, 'z'}); // other positive kinds are plain
    TArchive a(w.Bytes());
    EXPECT_EQ(a.Copy(0), (Bytes{'B', 'M', 'x', 'y'}));
    EXPECT_EQ(a.Copy(1), (Bytes{'B', 'M'}));
    EXPECT_EQ(a.Copy(2), (Bytes{0, 0, 'z'}));

    std::uint8_t buf[6] = {1, 1, 1, 1, 1, 1};
    a.Reader.ReadEntry(1, buf, sizeof buf);
    EXPECT_EQ(buf[0], 'B');
    EXPECT_EQ(buf[1], 'M');
    EXPECT_EQ(buf[2], 1);
    a.Reader.ReadEntry(0, buf, sizeof buf);
    EXPECT_EQ(Bytes(buf, buf + 6), (Bytes{'B', 'M', 'x', 'y', 1, 1}));
}

TEST(ArchiveEntries, CopyEntryOverwritesWithoutTruncating)
{
    TLumResWriter w;
    w.AddStored(Sequence(600));
    TArchive a(w.Bytes());
    TMemoryStream dest(Bytes(1000, 0xEE));
    dest.SetPosition(500);
    a.Reader.CopyEntry(0, dest);
    EXPECT_EQ(dest.Size(), 1000);
    EXPECT_EQ(dest.Position(), 600);
    EXPECT_TRUE(std::equal(dest.Data().begin(), dest.Data().begin() + 600, Sequence(600).begin()));
    EXPECT_EQ(dest.Data()[600], 0xEE);
}

TEST(ArchiveEntries, LoadEntryReplacesLongerContentAndRewinds)
{
    TLumResWriter w;
    w.AddStored(Sequence(600));
    TArchive a(w.Bytes());
    TMemoryStream dest(Bytes(1000, 0xEE));
    dest.SetPosition(700);
    a.Reader.LoadEntry(0, dest);
    EXPECT_EQ(dest.Data(), Sequence(600));
    EXPECT_EQ(dest.Position(), 0);
}

TEST(ArchiveEntries, CompressedEntryInflatesWhollyButReadEntryIsBounded)
{
    const Bytes content = Sequence(100000);
    TLumResWriter w;
    w.AddCompressed(content);
    TArchive a(w.Bytes());
    EXPECT_EQ(a.Copy(0), content);

    const std::int32_t stored = a.Reader.Entries[0].EntrySize;
    ASSERT_LT(stored, 100000);
    Bytes buf(200000, 0xAA);
    a.Reader.ReadEntry(0, buf.data(), buf.size());
    EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + stored, content.begin()));
    EXPECT_EQ(buf[stored], 0xAA);
}

TEST(ArchiveEntries, ReadEntryNeverWritesPastTheCapacity)
{
    TLumResWriter w;
    w.AddStored(Sequence(900));
    w.AddCompressed(Bytes(5000, 'q'));
    w.AddRaw(1, {0, 0, 0});
    TArchive a(w.Bytes());
    for (std::int32_t i = 0; i < 3; ++i) {
        Bytes buf(800 + 8, 0x55);
        a.Reader.ReadEntry(i, buf.data(), 800);
        for (std::size_t k = 800; k < buf.size(); ++k)
            ASSERT_EQ(buf[k], 0x55) << "entry " << i;
    }
    std::uint8_t one = 0;
    a.Reader.ReadEntry(2, &one, 1);
    EXPECT_EQ(one, 'B');
}

TEST(ArchiveEntries, AnyNegativeKindMeansCompressedAndTrailingBytesAreIgnored)
{
    Bytes z = ZlibCompress(Sequence(3000));
    z.insert(z.end(), {'t', 'r', 'a', 'i', 'l'});
    TLumResWriter w;
    w.AddRaw(-1, z);
    w.AddRaw(INT32_MIN, z);
    TArchive a(w.Bytes());
    EXPECT_EQ(a.Copy(0), Sequence(3000));
    EXPECT_EQ(a.Copy(1), Sequence(3000));
}

TEST(ArchiveEntries, CorruptCompressedDataThrows)
{
    TLumResWriter w;
    w.AddRaw(-1, {0x78, 0x9c, 0xff, 0xff, 0xff, 0xff});
    TArchive a(w.Bytes());
    EXPECT_THROW(a.Copy(0), EResourceError);
    std::uint8_t buf[16];
    EXPECT_THROW(a.Reader.ReadEntry(0, buf, sizeof buf), EResourceError);
}

TEST(ArchiveEntries, TruncatedSourceFailsCopyButReadsWhatThereIs)
{
    TLumResWriter w;
    w.AddStored(Sequence(100));
    Bytes bytes = w.Bytes();
    bytes.resize(bytes.size() - 40);
    TArchive a(bytes);
    ASSERT_TRUE(a.HeaderOk);
    EXPECT_THROW(a.Copy(0), EResourceError);
    Bytes buf(100, 0x11);
    a.Reader.ReadEntry(0, buf.data(), buf.size());
    EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + 60, Sequence(100).begin()));
    EXPECT_EQ(buf[60], 0x11);
}

TEST(ArchiveEntries, BaseOffsetShiftsHeaderAndData)
{
    TLumResWriter w;
    w.AddStored({'a', 'b'});
    w.AddRaw(1, {0, 0, 'c'});
    Bytes bytes = {'j', 'u', 'n', 'k', '!'};
    const Bytes archive = w.Bytes();
    bytes.insert(bytes.end(), archive.begin(), archive.end());
    TArchive a(bytes, 5);
    ASSERT_TRUE(a.HeaderOk);
    EXPECT_EQ(a.Reader.EntryCount(), 2);
    EXPECT_EQ(a.Copy(0), (Bytes{'a', 'b'}));
    EXPECT_EQ(a.Copy(1), (Bytes{'B', 'M', 'c'}));
}

TEST(ArchiveFile, OpensAFileAndFailsOnAMissingOne)
{
    const auto path = std::filesystem::temp_directory_path() / "kobalind-lumres-test.dat";
    TLumResWriter w(42);
    w.AddCompressed(Sequence(20000));
    w.SaveToFile(path.string());
    {
        TLumResFileReader r(path.string());
        EXPECT_EQ(r.Tag, 42u);
        TMemoryStream out;
        r.CopyEntry(0, out);
        EXPECT_EQ(out.Data(), Sequence(20000));
    }
    std::filesystem::remove(path);
    EXPECT_THROW(TLumResFileReader r(path.string()), EResourceError);
}

TEST(ArchiveOverlay, NonEmptyEntriesReplaceTheBasesKeepingTheirKinds)
{
    TLumResWriter base(0x1234);
    base.AddStored({1, 2, 3});
    base.AddBitmap(Sequence(20));
    base.AddCompressed(Sequence(300));
    base.AddStored({4});
    TLumResWriter overlay;
    overlay.AddStored({});                 // 0: left as it is
    overlay.AddCompressed(Sequence(50));   // 1: replaced, by another kind
    overlay.AddStored({});                 // 2: left
    TArchive b(base.Bytes()), o(overlay.Bytes()); // entry 3 lies beyond the overlay: left

    const TLaidArchive laid = LayOverlay(b.Reader, o.Reader);
    EXPECT_EQ(laid.Replaced, (std::vector<bool>{false, true, false, false}));
    TArchive l(laid.Bytes);
    ASSERT_TRUE(l.HeaderOk);
    EXPECT_EQ(l.Reader.Tag, 0x1234u);
    EXPECT_EQ(l.Copy(0), (Bytes{1, 2, 3}));
    EXPECT_EQ(l.Copy(1), Sequence(50));
    EXPECT_LT(l.Reader.Entries[1].EntryKind, 0);
    EXPECT_EQ(l.Copy(2), Sequence(300));
    EXPECT_EQ(l.Copy(3), (Bytes{4}));

    // An overlay of another, larger archive, and one cut short, are refused.
    overlay.AddStored({});
    overlay.AddStored({});
    TArchive larger(overlay.Bytes());
    EXPECT_THROW(LayOverlay(b.Reader, larger.Reader), EResourceError);
    Bytes cut = o.Source.Data();
    cut.resize(cut.size() - 5);
    TArchive shortened(cut);
    ASSERT_TRUE(shortened.HeaderOk);
    EXPECT_THROW(LayOverlay(b.Reader, shortened.Reader), EResourceError);
}
