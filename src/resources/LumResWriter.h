#pragma once
// Builds resource archives: the tools and tests write them, and the game lays
// a language's overlay over its skin with it (LumResOverlay.h).

#include "Stream.h"

#include <cstdint>
#include <string>
#include <vector>

class TLumResWriter {
public:
    static constexpr std::int32_t KindStored = 0;
    static constexpr std::int32_t KindBitmap = 1;
    static constexpr std::int32_t KindCompressed = -1;

    explicit TLumResWriter(std::uint32_t tag = 0) : Tag(tag) {}

    // Appends an entry stored as is.
    void AddStored(std::vector<std::uint8_t> bytes);
    // Appends a bitmap file whose signature the archive does not keep: the
    // first two bytes are zeroed and the reader puts "BM" back.
    void AddBitmap(std::vector<std::uint8_t> bytes);
    // Appends an entry as a zlib stream of the bytes.
    void AddCompressed(const std::vector<std::uint8_t>& bytes);
    // Appends an entry with any kind and raw stored bytes (tests use it for
    // odd kinds and hand-made zlib data).
    void AddRaw(std::int32_t kind, std::vector<std::uint8_t> stored);

    std::vector<std::uint8_t> Bytes() const;
    // Replaces the file atomically (see platform/AtomicFile.h); throws
    // EResourceError when it was not replaced. Whether the replacement is on
    // the disk yet is not told: only tests and benchmarks save this way.
    void SaveToFile(const std::string& fileName) const;

private:
    struct TItem {
        std::int32_t Kind;
        std::vector<std::uint8_t> Stored;
    };
    std::uint32_t Tag;
    std::vector<TItem> Items;
};

// zlib-wraps bytes at the best compression (also used by tests).
std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes);
