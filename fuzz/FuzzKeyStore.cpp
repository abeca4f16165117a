// Key file parser: any bytes either parse or are refused with EPlatformError,
// and what parses survives writing and reading back unchanged.

#include "platform/KeyFile.h"
#include "platform/PlatformError.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TKeyFile key;
    try {
        key = ParseKeyFile(text);
    } catch (const EPlatformError&) {
        return 0;
    }
    const TKeyFile back = ParseKeyFile(FormatKeyFile(key));
    if (back.KeyPath != key.KeyPath || back.Values != key.Values)
        std::abort();
    return 0;
}
