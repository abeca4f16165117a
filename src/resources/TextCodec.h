#pragma once
// Text encodings of outside bytes: single-byte Windows code pages and UTF-8.
// Card-set names are Windows-1252; a rich text document names its code page
// (\ansicpgN) and each font its character set (\fcharsetN). Windows-1250,
// -1251 and -1252 are known; any other code page reads as Windows-1252,
// which keeps ASCII and most Western text right.

#include <cstdint>
#include <string>
#include <string_view>

// The code point of byte in codePage.
char32_t DecodeAnsi(std::int32_t codePage, std::uint8_t byte);

// The code page of a font character set; fallback (the document's code
// page) for the default set and for sets without a known page.
std::int32_t CodePageOfCharset(std::int32_t charset, std::int32_t fallback);

// The Windows-1252 byte of a code point, '?' when the page has none.
std::uint8_t EncodeCp1252(char32_t c);

// UTF-8 of code points; anything that is not a scalar value becomes U+FFFD.
std::string ToUtf8(std::u32string_view text);
// Code points of UTF-8 text; a malformed sequence gives U+FFFD per byte.
std::u32string FromUtf8(std::string_view text);
