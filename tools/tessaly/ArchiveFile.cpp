#include "Commands.h"

#include "resources/ResourceError.h"
#include "resources/TextCodec.h"

TArchiveFile::TArchiveFile(const std::string& fileName) : Name(fileName)
{
    try {
        File = std::make_unique<TFileStream>(fileName);
    } catch (const EResourceError& e) {
        throw ETessalyError(fileName + ": cannot be opened (" + e.what() + ")");
    }
    Archive.Stream = File.get();
    if (!Archive.ReadHeader())
        throw ETessalyError(fileName + ": not a resource archive (the header or entry table is damaged)");
}

std::string JsonQuote(const std::string& text)
{
    static const char Hex[] = "0123456789abcdef";
    std::string out = "\"";
    // Bytes that are not UTF-8 (a hand-edited file) become U+FFFD, so the
    // output stays JSON.
    for (const char ch : ToUtf8(FromUtf8(text))) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += Hex[c >> 4];
                out += Hex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}
