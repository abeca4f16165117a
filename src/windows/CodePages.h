#pragma once
// Single-byte Windows code pages for the bytes of rich text: a document
// names its code page (\ansicpgN) and each font its character set
// (\fcharsetN). Windows-1250, -1251 and -1252 are known; any other code page
// reads as Windows-1252, which keeps ASCII and most Western text right.

#include <cstdint>

// The code point of byte in codePage.
char32_t DecodeAnsi(std::int32_t codePage, std::uint8_t byte);

// The code page of a font character set; fallback (the document's code
// page) for the default set and for sets without a known page.
std::int32_t CodePageOfCharset(std::int32_t charset, std::int32_t fallback);
