#pragma once
// Reader of rich text (Microsoft's "Rich Text Format (RTF) Specification",
// version 1.9.1) into the plain document model. It reads what a viewer of
// short formatted help texts needs: groups, the font and colour tables,
// paragraphs and their left indent, bold, italic, underline, colour, font and
// size, \'hh escapes in the document's or the font's code page and \uN with
// its fallback. Other destinations are skipped and unknown words ignored.

#include "RtfDocument.h"

#include <string_view>

// True when the bytes begin with a rich text header ("{\rtf").
bool IsRtf(std::string_view bytes);

// Reads a document. Throws EWindowError("Not rich text") when the bytes have
// no rich text header. Beyond the header any bytes are read best-effort:
// unbalanced braces, truncated escapes, deep nesting and absurd numbers give
// a document built from what could be read, in time linear in the input.
TRtfDocument ReadRtf(std::string_view bytes);
