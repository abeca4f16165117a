// Archive reader: header, every entry through both reads.

#include "resources/LumRes.h"
#include "resources/ResourceError.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream source(std::vector<std::uint8_t>(data, data + size));
    TLumResReader reader;
    reader.Stream = &source;
    reader.ReadHeader();
    for (std::int32_t i = 0; i < reader.EntryCount() && i < 64; ++i) {
        try {
            std::uint8_t record[792];
            reader.ReadEntry(i, record, sizeof record);
            TMemoryStream out;
            reader.CopyEntry(i, out);
        } catch (const EResourceError&) {
        }
    }
    return 0;
}
