// Records reader: any bytes give the lines that parse, and each of them
// survives writing and reading back unchanged.

#include "game/Records.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const TRecord& record : ParseRecords(text))
        if (ParseRecord(FormatRecord(record)) != record)
            std::abort();
    return 0;
}
