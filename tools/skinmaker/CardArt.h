#pragma once
// The still pictures of a card set: faces, the card back and the
// advertisement picture the score window shows at 178 x 170.

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

// How the glyph is placed on a face: offset from the centre, scale, turn.
struct TPose {
    qreal Dx = 0;
    qreal Dy = 0;
    qreal Scale = 1;
    qreal Angle = 0; // degrees
};

// Faces and backs fill their picture with the card's outline (CardShape.h);
// outside its corners lies the board's colour.
// A face: a tinted rounded card with the glyph.
QImage DrawFace(QSize size, const QColor& tint, const QImage& glyph, const TPose& pose);
// The glyph's shadow: its shape in one dark colour on a pale card that is
// the same for every shadow, so no colour tells which face it belongs to.
QImage DrawSilhouette(QSize size, const QImage& glyph);
QImage DrawBack(QSize size, const QColor& theme, const QImage& emblem);
// See-through outside its rounded frame.
QImage DrawAdvert(const QColor& theme, const QString& setName, const std::vector<QImage>& samples);

// A four-pointed twinkle on transparent pixels.
QImage DrawSparkle(int size, const QColor& colour);
