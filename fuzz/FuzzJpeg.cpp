// JPEG loader on any bytes.

#include "resources/JpegImage.h"
#include "resources/ResourceError.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream source(std::vector<std::uint8_t>(data, data + size));
    TJPEGImage image;
    try {
        image.LoadFromStream(source);
    } catch (const EResourceError&) {
    }
    return 0;
}
