#pragma once
// The two pictures of a set made from the player's pictures that are not
// faces: the card back and the score window's picture of the set.

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

// A plain patterned back, the same for every made set, so no face shows through.
QImage DrawMadeBack(QSize size);

// The set's name over up to four of its faces, at the score window's picture size.
QImage DrawMadeAdvert(const QString& setName, const std::vector<QImage>& samples);
