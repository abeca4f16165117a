#include "app/CardOutline.h"

#include "game/CardShape.h"

#include <QPainter>

QPainterPath CardOutline(const QRectF& card)
{
    const double radius = CardCornerRadius(card.width(), card.height());
    QPainterPath outline;
    outline.addRoundedRect(card, radius, radius);
    return outline;
}

void DrawCardPicture(QPainter& painter, const QRectF& card, const QRectF& target, const QImage& picture)
{
    if (picture.isNull() || target.isEmpty())
        return;
    // A texture brush filling the outline: unlike a clip, its edge is antialiased.
    QBrush brush(picture);
    brush.setTransform(QTransform::fromTranslate(target.left(), target.top())
                           .scale(target.width() / picture.width(), target.height() / picture.height()));
    QPainterPath outline = CardOutline(card);
    if (!target.contains(card)) {
        QPainterPath within;
        within.addRect(target);
        outline = outline.intersected(within);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // On a screen of two pixels per unit a picture of one pixel per unit is
    // blown up: smoothly, not in blocks.
    if (painter.device() && painter.device()->devicePixelRatioF() > 1)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillPath(outline, brush);
    painter.restore();
}

void FillCard(QPainter& painter, const QRectF& card, const QBrush& brush)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(CardOutline(card), brush);
    painter.restore();
}
