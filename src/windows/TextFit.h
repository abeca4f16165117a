#pragma once
// Fitting a line of text into the room a window gives it.

#include <QFont>
#include <QString>

// The text cut with an ellipsis (at its end, or where mode says) so that,
// drawn in font, it is at most width pixels wide; a text that fits comes
// back whole.
QString ElideToWidth(const QString& text, const QFont& font, int width, Qt::TextElideMode mode = Qt::ElideRight);
// The same, but where the text holds a name between the first-strong
// isolate and its closing mark (U+2068 ... U+2069), the name is cut first,
// so the words and counts around it stay.
QString ElideName(const QString& text, const QFont& font, int width);
