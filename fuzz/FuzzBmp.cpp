// Bitmap loader on any bytes: decode, then save what was decoded both ways.

#include "resources/Bitmap.h"
#include "resources/ResourceError.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream source(std::vector<std::uint8_t>(data, data + size));
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(source);
    } catch (const EResourceError&) {
        return 0;
    }
    // Saving exercises the quantiser on whatever colours the input made;
    // keep it to modest pictures so the fuzzer stays fast.
    if (static_cast<std::int64_t>(bitmap.Width()) * bitmap.Height() <= 256 * 256) {
        TMemoryStream out;
        bitmap.SaveToStream(out, 8);
        bitmap.SaveToStream(out, 24);
    }
    return 0;
}
