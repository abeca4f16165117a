#pragma once
// Readers of the resource archive: a flat, numbered list of entries, each
// stored as is, stored as a bitmap whose "BM" signature is restored on
// reading (kind 1), or as a zlib stream (negative kind).
//
// Layout (little-endian, from BaseOffset): u32 Tag, i32 count N, N records of
// {i32 EntryKind, i32 EntrySize}, then the entries' data back to back.

#include "Stream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TLumResEntry {
    std::int32_t EntryKind = 0;
    std::int32_t EntrySize = 0;
};

class TLumCustomRes {
public:
    explicit TLumCustomRes(std::int32_t baseOffset);
    virtual ~TLumCustomRes() = default;

    std::int32_t EntryCount() const { return Count; }

    std::uint32_t Tag = 0;
    std::int32_t Count = 0;
    std::vector<TLumResEntry> Entries;
    std::vector<std::int32_t> Offsets; // relative to BaseOffset
    std::int32_t BaseOffset = 0;
};

// Reads an archive from a stream it does not own.
class TLumResReader : public TLumCustomRes {
public:
    explicit TLumResReader(std::int32_t baseOffset = 0);

    // Reads the header and entry table and computes the data offsets.
    // Returns false, leaving an empty archive, when there is no stream or the
    // header cannot hold what it claims (negative or oversized count, negative
    // sizes, truncated table). An empty stream is a valid empty archive.
    bool ReadHeader();

    // Puts at most capacity bytes of the entry's content into buffer. A stored
    // entry shorter than the buffer, or cut short by the end of the source,
    // leaves the rest of the buffer as it was. Throws EResourceError for an
    // entry number out of range or corrupt compressed data.
    void ReadEntry(std::int32_t index, void* buffer, std::size_t capacity);

    // Writes the entry's whole content into destination from its position 0,
    // without truncating it; the position is left where the last write ended.
    // Throws EResourceError for an entry number out of range, an entry cut
    // short by the end of the source, or corrupt compressed data.
    void CopyEntry(std::int32_t index, TStream& destination);

    // Replaces the stream's content with the entry's whole content and
    // rewinds it, ready for a decoder. Throws as CopyEntry.
    void LoadEntry(std::int32_t index, TMemoryStream& stream);

    // The entry's bytes as the archive stores them (a bitmap without its
    // signature, a zlib stream), nothing decoded. Throws as CopyEntry.
    std::vector<std::uint8_t> ReadStored(std::int32_t index);

    TStream* Stream = nullptr;

    // Largest content a compressed entry may inflate to; no skin picture or
    // card face comes near it, and it keeps a hostile archive from filling memory.
    static constexpr std::int64_t MaxInflatedSize = 256 * 1024 * 1024;

private:
    void CheckIndex(std::int32_t index) const;
    void SeekEntry(std::int32_t index);
    void Reset();
};

// Opens an archive file and reads its header at once. Throws EResourceError
// when the file cannot be opened; a bad header gives an empty archive.
class TLumResFileReader : public TLumResReader {
public:
    explicit TLumResFileReader(const std::string& fileName, std::int32_t baseOffset = 0);

private:
    std::unique_ptr<TFileStream> File;
};
