#include "LumRes.h"

#include "LittleEndian.h"
#include "ResourceError.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t InflatePiece = 0x4000;
const std::uint8_t BitmapSignature[2] = {0x42, 0x4D};

struct TInflater {
    z_stream Z {};
    TInflater()
    {
        if (inflateInit(&Z) != Z_OK)
            throw EResourceError("error");
    }
    ~TInflater() { inflateEnd(&Z); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // One inflate call; returns true at the end of the zlib stream.
    bool Step()
    {
        const int rc = inflate(&Z, Z_NO_FLUSH);
        if (rc == Z_STREAM_END)
            return true;
        if (rc == Z_BUF_ERROR && Z.avail_in == 0)
            return true; // input spent without a stream end: deliver what there is
        if (rc != Z_OK)
            throw EResourceError("error");
        return false;
    }
};

} // namespace

TLumCustomRes::TLumCustomRes(std::int32_t baseOffset) : BaseOffset(baseOffset) {}

TLumResReader::TLumResReader(std::int32_t baseOffset) : TLumCustomRes(baseOffset) {}

void TLumResReader::Reset()
{
    Tag = 0;
    Count = 0;
    Entries.clear();
    Offsets.clear();
}

bool TLumResReader::ReadHeader()
{
    if (!Stream)
        return false;
    Reset();
    if (BaseOffset < 0)
        return false;
    Stream->SetPosition(BaseOffset);
    std::uint8_t header[8];
    const std::size_t got = Stream->Read(header, sizeof header);
    if (got == 0)
        return true; // an empty file is an empty archive
    if (got != sizeof header)
        return false;
    const std::uint32_t tag = static_cast<std::uint32_t>(GetInt32LE(header));
    const std::int32_t count = GetInt32LE(header + 4);
    // The table must fit in what the stream really holds.
    if (count < 0 || static_cast<std::int64_t>(count) * 8 > Stream->Remaining())
        return false;

    std::vector<std::uint8_t> table(static_cast<std::size_t>(count) * 8);
    if (Stream->Read(table.data(), table.size()) != table.size())
        return false;
    std::vector<TLumResEntry> entries(static_cast<std::size_t>(count));
    std::vector<std::int32_t> offsets(static_cast<std::size_t>(count));
    std::int64_t running = 8 + 8 * static_cast<std::int64_t>(count);
    for (std::int32_t i = 0; i < count; ++i) {
        entries[i].EntryKind = GetInt32LE(&table[8 * i]);
        entries[i].EntrySize = GetInt32LE(&table[8 * i + 4]);
        if (entries[i].EntrySize < 0 || running > std::numeric_limits<std::int32_t>::max())
            return false;
        offsets[i] = static_cast<std::int32_t>(running);
        running += entries[i].EntrySize;
    }
    Tag = tag;
    Count = count;
    Entries = std::move(entries);
    Offsets = std::move(offsets);
    return true;
}

void TLumResReader::CheckIndex(std::int32_t index) const
{
    if (index < 0 || index >= Count)
        throw EResourceError("Entry " + std::to_string(index) + " is out of range: the archive holds " +
                             std::to_string(Count) + " entries");
    if (!Stream)
        throw EResourceError("The archive has no stream");
}

void TLumResReader::SeekEntry(std::int32_t index)
{
    Stream->SetPosition(static_cast<std::int64_t>(BaseOffset) + Offsets[index]);
}

void TLumResReader::ReadEntry(std::int32_t index, void* buffer, std::size_t capacity)
{
    CheckIndex(index);
    SeekEntry(index);
    const TLumResEntry entry = Entries[index];
    auto* out = static_cast<std::uint8_t*>(buffer);
    const std::size_t wanted = std::min<std::size_t>(capacity, static_cast<std::size_t>(entry.EntrySize));

    if (entry.EntryKind < 0) {
        TInflater inflater;
        std::uint8_t input[InflatePiece];
        std::int64_t storedLeft = entry.EntrySize;
        inflater.Z.next_out = out;
        inflater.Z.avail_out = static_cast<uInt>(wanted);
        bool ended = wanted == 0;
        while (!ended && inflater.Z.avail_out > 0) {
            if (inflater.Z.avail_in == 0) {
                const std::size_t n = Stream->Read(input, static_cast<std::size_t>(std::min<std::int64_t>(storedLeft, sizeof input)));
                storedLeft -= static_cast<std::int64_t>(n);
                inflater.Z.next_in = input;
                inflater.Z.avail_in = static_cast<uInt>(n);
            }
            ended = inflater.Step();
        }
        return;
    }

    Stream->Read(out, wanted); // a short read leaves the rest as it was
    if (entry.EntryKind == 1)
        std::memcpy(out, BitmapSignature, std::min<std::size_t>(capacity, 2));
}

void TLumResReader::CopyEntry(std::int32_t index, TStream& destination)
{
    CheckIndex(index);
    SeekEntry(index);
    const TLumResEntry entry = Entries[index];
    if (entry.EntrySize > Stream->Remaining())
        throw EResourceError("Stream read error");
    destination.SetPosition(0);

    if (entry.EntryKind < 0) {
        std::vector<std::uint8_t> stored(static_cast<std::size_t>(entry.EntrySize));
        Stream->ReadBuffer(stored.data(), stored.size());
        TInflater inflater;
        inflater.Z.next_in = stored.data();
        inflater.Z.avail_in = static_cast<uInt>(stored.size());
        std::uint8_t piece[InflatePiece];
        std::int64_t total = 0;
        bool ended = false;
        while (!ended) {
            inflater.Z.next_out = piece;
            inflater.Z.avail_out = sizeof piece;
            ended = inflater.Step();
            const std::size_t produced = sizeof piece - inflater.Z.avail_out;
            total += static_cast<std::int64_t>(produced);
            if (total > MaxInflatedSize)
                throw EResourceError("Entry " + std::to_string(index) + " inflates beyond the size limit");
            destination.Write(piece, produced);
        }
        return;
    }

    std::uint8_t piece[InflatePiece];
    std::int64_t left = entry.EntrySize;
    while (left > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(left, sizeof piece));
        Stream->ReadBuffer(piece, n);
        destination.Write(piece, n);
        left -= static_cast<std::int64_t>(n);
    }
    if (entry.EntryKind == 1) {
        destination.SetPosition(0);
        destination.Write(BitmapSignature, 2);
    }
}

void TLumResReader::LoadEntry(std::int32_t index, TMemoryStream& stream)
{
    stream.Clear();
    CopyEntry(index, stream);
    stream.SetPosition(0);
}

std::vector<std::uint8_t> TLumResReader::ReadStored(std::int32_t index)
{
    CheckIndex(index);
    SeekEntry(index);
    if (Entries[index].EntrySize > Stream->Remaining())
        throw EResourceError("Stream read error");
    std::vector<std::uint8_t> stored(static_cast<std::size_t>(Entries[index].EntrySize));
    Stream->ReadBuffer(stored.data(), stored.size());
    return stored;
}

TLumResFileReader::TLumResFileReader(const std::string& fileName, std::int32_t baseOffset)
    : TLumResReader(baseOffset), File(std::make_unique<TFileStream>(fileName))
{
    Stream = File.get();
    ReadHeader();
}
