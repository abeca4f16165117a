#pragma once
// Cards on the board are drawn inside their rounded outline (game/CardShape.h),
// antialiased, so whatever lies under the corners (the board) shows there.

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

QPainterPath CardOutline(const QRectF& card);

// Draws picture stretched to target, inside the outline of card. The target
// may be only part of the card, as an overlay's image is of its panel.
void DrawCardPicture(QPainter& painter, const QRectF& card, const QRectF& target, const QImage& picture);
void FillCard(QPainter& painter, const QRectF& card, const QBrush& brush);
