#include "LumResWriter.h"

#include "LittleEndian.h"
#include "ResourceError.h"
#include "platform/AtomicFile.h"
#include "platform/PlatformError.h"

#include <zlib.h>

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw EResourceError("Compression failed");
    out.resize(size);
    return out;
}

void TLumResWriter::AddStored(std::vector<std::uint8_t> bytes) { AddRaw(KindStored, std::move(bytes)); }

void TLumResWriter::AddBitmap(std::vector<std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < 2 && i < bytes.size(); ++i)
        bytes[i] = 0;
    AddRaw(KindBitmap, std::move(bytes));
}

void TLumResWriter::AddCompressed(const std::vector<std::uint8_t>& bytes)
{
    AddRaw(KindCompressed, ZlibCompress(bytes));
}

void TLumResWriter::AddRaw(std::int32_t kind, std::vector<std::uint8_t> stored)
{
    Items.push_back({kind, std::move(stored)});
}

std::vector<std::uint8_t> TLumResWriter::Bytes() const
{
    std::vector<std::uint8_t> out;
    AppendInt32LE(out, static_cast<std::int32_t>(Tag));
    AppendInt32LE(out, static_cast<std::int32_t>(Items.size()));
    for (const TItem& item : Items) {
        AppendInt32LE(out, item.Kind);
        AppendInt32LE(out, static_cast<std::int32_t>(item.Stored.size()));
    }
    for (const TItem& item : Items)
        out.insert(out.end(), item.Stored.begin(), item.Stored.end());
    return out;
}

void TLumResWriter::SaveToFile(const std::string& fileName) const
{
    const std::vector<std::uint8_t> bytes = Bytes();
    try {
        (void)WriteFileAtomically(fileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    } catch (const EPlatformError& e) {
        throw EResourceError(e.what());
    }
}
