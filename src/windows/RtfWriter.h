#pragma once
// Writes the document model as rich text that ReadRtf reads back to an equal
// document. Text outside printable ASCII is written as \uN with a "?"
// fallback, so the result is plain ASCII whatever the code page.

#include "RtfDocument.h"

#include <string>

std::string WriteRtf(const TRtfDocument& document);
