#include "Commands.h"

#include "platform/Translate.h"
#include "resources/ResourceError.h"
#include "resources/TextCodec.h"

#include <algorithm>

TArchiveFile::TArchiveFile(const std::string& fileName) : Name(fileName)
{
    try {
        File = std::make_unique<TFileStream>(fileName);
    } catch (const EResourceError& e) {
        throw ETessalyError(FillIn(Tr("tessaly", "%1: cannot be opened (%2)"), {fileName, e.what()}));
    }
    Archive.Stream = File.get();
    if (!Archive.ReadHeader())
        throw ETessalyError(
            FillIn(Tr("tessaly", "%1: not a resource archive (the header or entry table is damaged)"), {fileName}));
}

std::string EscapeText(std::string_view text, std::initializer_list<TEscape> named, std::string_view hexPrefix)
{
    static const char Hex[] = "0123456789abcdef";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const TEscape* escape = std::find_if(named.begin(), named.end(), [ch](const TEscape& e) { return e.Byte == ch; });
        if (escape != named.end()) {
            out += escape->Text;
        } else if (c < 0x20 || c == 0x7F) {
            out += hexPrefix;
            out += Hex[c >> 4];
            out += Hex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string JsonQuote(const std::string& text)
{
    // Bytes that are not UTF-8 (a hand-edited file) become U+FFFD, so the
    // output stays JSON.
    return "\"" + EscapeText(ToUtf8(FromUtf8(text)),
                              {{'"', "\\\""}, {'\\', "\\\\"}, {'\b', "\\b"}, {'\f', "\\f"}, {'\n', "\\n"},
                               {'\r', "\\r"}, {'\t', "\\t"}},
                              "\\u00")
           + "\"";
}
