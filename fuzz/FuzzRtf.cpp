// Any bytes through the rich text reader, its writer and the link finder:
// no crash, no hang, and what the writer makes reads back to the same document.
#include "windows/RtfReader.h"
#include "windows/RtfWriter.h"
#include "windows/UrlDetect.h"
#include "windows/WindowError.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const TRtfDocument doc = ReadRtf(bytes);
        if (!(ReadRtf(WriteRtf(doc)) == doc))
            std::abort();
        const std::u32string text = doc.PlainText();
        std::u16string utf16;
        for (char32_t ch : text)
            utf16.push_back(static_cast<char16_t>(ch));
        for (const TTextRange& link : FindLinks(utf16))
            if (link.Start >= link.End || link.End > utf16.size())
                std::abort();
    } catch (const EWindowError&) {
    }
    return 0;
}
