// The welcome cover, the options panel with its captions, and the slider.
#include "Captions.h"
#include "Skin.h"
#include "Theme.h"

#include "game/CardShape.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Skin {

const char* const CoverLink = "https://github.com/googlefonts/noto-emoji";

namespace {

using namespace Theme;

constexpr int PanelWidth = 386;
constexpr int PanelHeight = 303;
constexpr QRect SliderRect(200, 225, 177, 18);
constexpr int SliderMargin = 5; // the thumb's centre runs from 5 to width - 5
constexpr int ThumbWidth = 11;
// The cover's lines keep inside its gold frame.
constexpr int CoverInset = 12;

// A card of the sets, laid turned on the cover with a shadow under it; only
// its rounded outline is drawn, so the cover shows at its corners.
void DrawMiniCard(QPainter& p, const QPoint& centre, const QImage& card, qreal angle)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QSizeF size = card.deviceIndependentSize();
    const QRectF body(-size.width() / 2.0, -size.height() / 2.0, size.width(), size.height());
    const qreal radius = CardCornerRadius(static_cast<int>(size.width()), static_cast<int>(size.height()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(body.translated(3, 4), radius, radius);
    // The card cut to its rounded outline first, then laid turned: an image,
    // unlike a brush's texture, is laid out in units at any scale.
    QImage rounded = Canvas(static_cast<int>(size.width()), static_cast<int>(size.height()));
    {
        QPainter cut(&rounded);
        cut.setRenderHint(QPainter::Antialiasing);
        cut.setPen(Qt::NoPen);
        cut.setBrush(Qt::white);
        cut.drawRoundedRect(QRectF(QPointF(0, 0), size), radius, radius);
        cut.setCompositionMode(QPainter::CompositionMode_SourceIn);
        cut.drawImage(QRectF(QPointF(0, 0), size), card);
    }
    p.drawImage(body.topLeft(), rounded);
    p.restore();
}

} // namespace

QImage DrawCover(const std::vector<TSetSample>& sets)
{
    // Outside the rounded frame the cover stays see-through, so the
    // window's background shows at its corners.
    QImage cover = Canvas(429, 287);
    QPainter p(&cover);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(214, 150, 260);
    glow.setColorAt(0, QColor(0x2f, 0x3f, 0x86));
    glow.setColorAt(1, QColor(0x10, 0x15, 0x2e));
    p.setPen(QPen(GoldDark, 2));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(4, 4, 421, 279), 12, 12);
    p.setPen(QPen(Gold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8.5, 8.5, 412, 270), 9, 9);

    const int lineWidth = 429 - 2 * CoverInset;
    DrawShadowText(p, QRect(CoverInset, 20, lineWidth, 44), Qt::AlignCenter, "Orvane Kobalind", Gold, UiFont(34, true));
    DrawShadowText(p, QRect(CoverInset, 64, lineWidth, 20), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP("Skin", "find the pairs, beat your friends")), Caption,
                   UiFont(13, false));

    // A fan of cards: two backs at its ends, and between them faces of two
    // sets and a pair whose cards differ, a picture and its shadow.
    const struct {
        QPoint Centre;
        const QImage* Card;
        qreal Angle;
    } cards[] = {
        {{72, 150}, &sets.at(0).Back, -15},        {{130, 142}, &sets.at(0).Face, -9},
        {{187, 137}, &sets.at(1).Face, -3},        {{243, 137}, &sets.at(3).Face, 3},
        {{300, 142}, &sets.at(3).SecondFace, 9},   {{358, 150}, &sets.at(2).Back, 15},
    };
    for (const auto& card : cards)
        DrawMiniCard(p, card.Centre, *card.Card, card.Angle);

    DrawShadowText(p, QRect(CoverInset, 206, lineWidth, 18), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP("Skin", "Press Play to start, or Options to choose")), Caption,
                   UiFont(12, true));
    DrawShadowText(p, QRect(CoverInset, 223, lineWidth, 18), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP("Skin", "the cards, the players and the computer's memory.")), Caption,
                   UiFont(12, true));
    DrawShadowText(p, QRect(CoverInset, 252, lineWidth, 16), Qt::AlignCenter,
                   Translated(QT_TRANSLATE_NOOP(
                       "Skin", "Card art: Noto Color Emoji (SIL Open Font License) — click to visit")),
                   Muted, UiFont(10, false));
    return cover;
}

QImage DrawOptionsPanel()
{
    QImage panel = Canvas(PanelWidth, PanelHeight);
    QPainter p(&panel);
    QLinearGradient g(0, 0, 0, PanelHeight);
    g.setColorAt(0, QColor(0x25, 0x31, 0x62));
    g.setColorAt(1, QColor(0x16, 0x1d, 0x3d));
    p.fillRect(Bounds(panel), g);
    p.setPen(Outline);
    p.drawRect(0, 0, PanelWidth - 1, PanelHeight - 1);
    p.setPen(GoldDark);
    p.drawRect(2, 2, PanelWidth - 5, PanelHeight - 5);

    DrawShadowText(p, QRect(0, 8, PanelWidth, 30), Qt::AlignCenter, Translated(QT_TRANSLATE_NOOP("Skin", "Options")),
                   Gold, UiFont(22, true));
    p.setPen(GoldDark);
    p.drawLine(24, 40, PanelWidth - 25, 40);
    p.setPen(QColor(0x3a, 0x48, 0x80));
    p.drawLine(192, 50, 192, 283);

    const QFont caption = UiFont(12, true);
    const QFont small = UiFont(10, false);
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    auto label = [&](int x, int y, int w, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        DrawShadowText(p, QRect(x, y, w, 16), flags, text, Caption, caption);
    };

    // Left column: the three lists and the sound switch.
    label(30, 49, 150, Translated(QT_TRANSLATE_NOOP("Skin", "Card set")));
    DrawSunken(p, QRect(30, 68, 145, 21));
    label(30, 97, 150, Translated(QT_TRANSLATE_NOOP("Skin", "Pairs on the board")));
    DrawSunken(p, QRect(30, 116, 145, 21));
    label(30, 145, 150, Translated(QT_TRANSLATE_NOOP("Skin", "Turn-back delay (s)")));
    DrawSunken(p, QRect(30, 164, 145, 21));
    DrawSunken(p, QRect(30, 221, 15, 15));
    label(52, 220, 120, Translated(QT_TRANSLATE_NOOP("Skin", "Sound")));

    // Right column: the four names, the computer switch and its memory.
    label(232, 49, 130, Translated(QT_TRANSLATE_NOOP("Skin", "Players")));
    for (int i = 0; i < 4; ++i) {
        const int y = 68 + 24 * i;
        DrawSunken(p, QRect(232, y, 121, 21));
        DrawShadowText(p, QRect(206, y, 20, 21), Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1), Muted,
                       caption);
    }
    DrawSunken(p, QRect(232, 169, 15, 15));
    label(254, 168, 120, Translated(QT_TRANSLATE_NOOP("Skin", "Computer plays")));
    label(200, 204, 177, Translated(QT_TRANSLATE_NOOP("Skin", "Computer memory")));
    DrawShadowText(p, QRect(200, 246, 80, 14), left, Translated(QT_TRANSLATE_NOOP("Skin", "weak")), Muted, small);
    DrawShadowText(p, QRect(297, 246, 80, 14), Qt::AlignRight | Qt::AlignVCenter,
                   Translated(QT_TRANSLATE_NOOP("Skin", "strong")), Muted, small);
    DrawShadowText(p, QRect(24, 262, 150, 28), Qt::AlignLeft | Qt::AlignTop,
                   Translated(QT_TRANSLATE_NOOP("Skin", "Names left empty\ndo not take part.")), Muted, small);
    return panel;
}

QImage DrawSliderTrack(const QImage& optionsPanel)
{
    QImage track = Cut(optionsPanel, SliderRect);
    QPainter p(&track);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = SliderRect.width();
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(0x0b, 0x10, 0x26));
    p.drawRoundedRect(QRectF(2.5, 6.5, w - 5, 5), 2.5, 2.5);
    p.setPen(QPen(QColor(0x4a, 0x5c, 0x94), 1));
    p.drawLine(QPointF(4, 12.5), QPointF(w - 4, 12.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Muted);
    const double step = (w - 2.0 * SliderMargin) / 10.0;
    for (int i = 0; i <= 10; ++i) {
        const int x = SliderMargin + static_cast<int>(i * step + 0.5);
        p.drawLine(x, 14, x, i % 5 == 0 ? 17 : 15);
        p.drawLine(x, 1, x, i % 5 == 0 ? 4 : 2);
    }
    return track;
}

QImage DrawSliderThumb(const QImage& track)
{
    // The thumb slides over the whole track, so its corners show a column
    // of the track that holds no tick mark.
    const int height = Bounds(track).height();
    QImage thumb = Canvas(ThumbWidth, height);
    QPainter p(&thumb);
    const QImage column = Cut(track, QRect(13, 0, 1, height));
    for (int x = 0; x < ThumbWidth; ++x)
        p.drawImage(x, 0, column);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, ThumbWidth, 0);
    g.setColorAt(0, Gold.lighter(125));
    g.setColorAt(1, GoldDark);
    p.setPen(QPen(Outline, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, ThumbWidth - 1, height - 1), 3, 3);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x08), 1));
    for (int y : {6, 9, 12})
        p.drawLine(QPointF(3, y + 0.5), QPointF(ThumbWidth - 3, y + 0.5));
    return thumb;
}

} // namespace Skin
