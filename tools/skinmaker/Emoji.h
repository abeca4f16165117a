#pragma once
// Colour emoji glyphs from the Noto Color Emoji font (SIL Open Font
// License), the art of the default card sets. Needs a QGuiApplication.

#include <QImage>
#include <QRawFont>
#include <QString>

class TEmojiFont {
public:
    // Loads the font file; throws std::runtime_error when it is missing or
    // Qt cannot use it.
    TEmojiFont();

    // The glyph drawn to fit a size x size square, centred, on transparent
    // pixels. Throws std::runtime_error when the font lacks the character,
    // so a typo in a face list cannot ship as a blank card.
    QImage Glyph(const QString& emoji, int size) const;

private:
    QString Family;
    QRawFont Raw;
};
