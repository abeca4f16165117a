#include "CardArt.h"
#include "Captions.h"
#include "Theme.h"

#include "game/CardShape.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Theme;

namespace {

void DrawGlyph(QPainter& p, const QRectF& area, const QImage& glyph, const TPose& pose)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(area.center() + QPointF(pose.Dx, pose.Dy));
    p.rotate(pose.Angle);
    p.scale(pose.Scale, pose.Scale);
    const QSizeF size = glyph.deviceIndependentSize();
    p.drawImage(QPointF(-size.width() / 2.0, -size.height() / 2.0), glyph);
    p.restore();
}

// The card fills its picture: the outline less half the pen, so the pen's
// outer edge lies on the outline the board draws cards in.
QRectF CardBody(QSize size, qreal pen)
{
    return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
}

qreal CardRadius(QSize size, qreal pen)
{
    return CardCornerRadius(size.width(), size.height()) - pen / 2;
}

} // namespace

QImage DrawFace(QSize size, const QColor& tint, const QImage& glyph, const TPose& pose)
{
    QImage face = Canvas(size.width(), size.height(), Board);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pen = 1.5;
    const QRectF card = CardBody(size, pen);
    QRadialGradient g(card.center(), std::max(card.width(), card.height()) * 0.7);
    g.setColorAt(0, tint.lighter(160));
    g.setColorAt(1, tint);
    p.setPen(QPen(tint.darker(150), pen));
    p.setBrush(g);
    p.drawRoundedRect(card, CardRadius(size, pen), CardRadius(size, pen));
    DrawGlyph(p, card, glyph, pose);
    return face;
}

QImage DrawSilhouette(QSize size, const QImage& glyph)
{
    QImage shadow = glyph;
    {
        QPainter fill(&shadow);
        fill.setCompositionMode(QPainter::CompositionMode_SourceIn);
        fill.fillRect(shadow.rect(), QColor(0x2a, 0x24, 0x3d));
    }
    QImage card = Canvas(size.width(), size.height(), Board);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pen = 1.5;
    const QRectF body = CardBody(size, pen);
    // Lit from above, as a shadow cast on a wall.
    QRadialGradient g(body.center() - QPointF(0, body.height() * 0.25), std::max(body.width(), body.height()) * 0.8);
    g.setColorAt(0, QColor(0xfb, 0xf6, 0xe9));
    g.setColorAt(1, QColor(0xd9, 0xd2, 0xc2));
    p.setPen(QPen(QColor(0x8c, 0x84, 0x73), pen));
    p.setBrush(g);
    p.drawRoundedRect(body, CardRadius(size, pen), CardRadius(size, pen));
    DrawGlyph(p, body, shadow, {});
    return card;
}

QImage DrawBack(QSize size, const QColor& theme, const QImage& emblem)
{
    QImage back = Canvas(size.width(), size.height(), Board);
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = CardBody(size, 1);
    QLinearGradient g(card.topLeft(), card.bottomRight());
    g.setColorAt(0, theme);
    g.setColorAt(1, theme.darker(160));
    p.setPen(QPen(Outline, 1));
    p.setBrush(g);
    p.drawRoundedRect(card, CardRadius(size, 1), CardRadius(size, 1));
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(card.adjusted(5, 5, -5, -5), 6, 6);
    p.setClipPath(clip);
    p.setPen(QPen(theme.lighter(135), 1));
    const int span = size.width() + size.height();
    for (int d = -span; d < span; d += 9) {
        p.drawLine(QPointF(d, 0), QPointF(d + size.height(), size.height()));
        p.drawLine(QPointF(d + size.height(), 0), QPointF(d, size.height()));
    }
    p.restore();
    p.setPen(QPen(Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(5, 5, -5, -5), 6, 6);
    const qreal r = std::min(size.width(), size.height()) * 0.27;
    // A light medallion, so the emblem stands out at any cell size.
    QRadialGradient medal(card.center(), r);
    medal.setColorAt(0, QColor(0xfb, 0xf7, 0xec));
    medal.setColorAt(1, theme.lighter(150));
    p.setBrush(medal);
    p.drawEllipse(card.center(), r, r);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal side = r * 1.35;
    p.drawImage(QRectF(card.center().x() - side / 2, card.center().y() - side / 2, side, side), emblem);
    return back;
}

QImage DrawAdvert(const QColor& theme, const QString& setName, const std::vector<QImage>& samples)
{
    // Outside the rounded frame the picture stays see-through, so the
    // window's own background shows at its corners.
    QImage ad = Canvas(178, 170);
    QPainter p(&ad);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 170);
    g.setColorAt(0, theme.lighter(115));
    g.setColorAt(1, theme.darker(190));
    p.setPen(QPen(Gold, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 172, 164), 8, 8);
    DrawShadowText(p, QRect(8, 10, 162, 44), Qt::AlignCenter | Qt::TextWordWrap, setName, Gold, UiFont(17, true));
    const int n = static_cast<int>(samples.size());
    for (int i = 0; i < n; ++i) {
        const int size = Bounds(samples[static_cast<std::size_t>(i)]).width();
        const int x = (178 - n * size - (n - 1) * 6) / 2 + i * (size + 6);
        p.drawImage(x, 62, samples[static_cast<std::size_t>(i)]);
    }
    DrawShadowText(p, QRect(6, 112, 166, 16), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP("CardSets", "Card art: Noto Color Emoji"), "CardSets"), Caption,
                   UiFont(11, true));
    DrawShadowText(p, QRect(6, 128, 166, 14), Qt::AlignCenter, "SIL Open Font License 1.1", Caption, UiFont(10, false));
    DrawShadowText(p, QRect(6, 146, 166, 14), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP("CardSets", "click to visit the project"), "CardSets"), Muted,
                   UiFont(10, false));
    return ad;
}

QImage DrawSparkle(int size, const QColor& colour)
{
    QImage sparkle = Canvas(size, size);
    QPainter p(&sparkle);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = size / 2.0, r = size / 2.0 - 1, w = size / 7.0;
    QPainterPath star;
    star.moveTo(c, c - r);
    star.quadTo(c + w, c - w, c + r, c);
    star.quadTo(c + w, c + w, c, c + r);
    star.quadTo(c - w, c + w, c - r, c);
    star.quadTo(c - w, c - w, c, c - r);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c, c), w * 0.8, w * 0.8);
    return sparkle;
}
