#pragma once
// Writes the document model as rich text that ReadRtf reads back to an equal
// document. Text outside printable ASCII is written as \uN with a "?"
// fallback, so the result is plain ASCII whatever the code page.

#include "RtfDocument.h"

#include <string>
#include <string_view>

std::string WriteRtf(const TRtfDocument& document);

// Appends text as rich text in the same way: the three special characters
// escaped, the rest outside printable ASCII as \uN with a "?" fallback.
void WriteRtfText(std::string& out, std::u32string_view text);
