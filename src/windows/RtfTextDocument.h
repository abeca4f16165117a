#pragma once
// Between the plain rich text model and Qt's text document. Indents are
// twips in the model and pixels in the document, at logPixels per inch.

#include "windows/RtfDocument.h"

class QTextDocument;

// Replaces the document's content with the model's paragraphs and formats.
// Colours outside the table and the automatic colour leave the text in the
// viewer's own text colour; a font missing from the table leaves the
// viewer's font.
void RtfToTextDocument(const TRtfDocument& model, QTextDocument& document, int logPixels);

// The model of a document: a font table of the families it uses and a colour
// table of its text colours (entry 0 automatic).
TRtfDocument TextDocumentToRtf(const QTextDocument& document, int logPixels);
