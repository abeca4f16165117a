#include "Theme.h"

#include "Captions.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>

namespace Theme {

QImage CentreTile()
{
    QImage tile = Canvas(TileSize, TileSize, Board);
    QPainter p(&tile);
    // A faint diamond lattice: texture without noise behind yellow text.
    // Each dot is one unit, so the lattice keeps its look at every scale.
    const QColor line(0x19, 0x21, 0x44);
    for (int i = 0; i < TileSize; ++i) {
        const int d = i < TileSize / 2 ? i : TileSize - 1 - i;
        p.fillRect(QRect(TileSize / 2 - 1 - d, i, 1, 1), line);
        p.fillRect(QRect(TileSize / 2 + d, i, 1, 1), line);
    }
    p.fillRect(QRect(TileSize / 2, TileSize / 2, 1, 1), QColor(0x1c, 0x25, 0x4c));
    p.fillRect(QRect(0, 0, 1, 1), QColor(0x1c, 0x25, 0x4c));
    return tile;
}

void FillTiled(QPainter& painter, const QRect& target, QPoint origin)
{
    const QImage tile = CentreTile();
    painter.save();
    painter.setClipRect(target);
    const int startX = target.left() - ((origin.x() % TileSize) + TileSize) % TileSize;
    const int startY = target.top() - ((origin.y() % TileSize) + TileSize) % TileSize;
    for (int y = startY; y <= target.bottom(); y += TileSize)
        for (int x = startX; x <= target.right(); x += TileSize)
            painter.drawImage(x, y, tile);
    painter.restore();
}

QFont UiFont(int pixelSize, bool bold)
{
    static const QString family = [] {
        const int regular = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(regular);
        return families.isEmpty() ? QString("DejaVu Sans") : families.first();
    }();
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void FillSteel(QPainter& painter, const QRect& band, Qt::Orientation across)
{
    QLinearGradient g = across == Qt::Vertical ? QLinearGradient(band.topLeft(), band.bottomLeft())
                                               : QLinearGradient(band.topLeft(), band.topRight());
    g.setColorAt(0.0, SteelTop);
    g.setColorAt(0.45, SteelMid);
    g.setColorAt(1.0, SteelBottom);
    painter.fillRect(band, g);
}

namespace {

// A caption keeps clear of a button's rounded ends.
constexpr int ButtonMargin = 3;

QPainterPath Rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void DrawBody(QPainter& painter, const QRect& rect, const QColor& base, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(outer.topLeft(), outer.bottomLeft());
    g.setColorAt(0.0, base.lighter(165));
    g.setColorAt(0.48, base.lighter(112));
    g.setColorAt(0.52, base);
    g.setColorAt(1.0, base.darker(135));
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(g);
    painter.drawPath(Rounded(outer, radius));
    // Inner highlight along the top gives the gloss that reads as "press me".
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(Rounded(outer.adjusted(1, 1, -1, -1), std::max<qreal>(radius - 1, 1)));
    painter.restore();
}

} // namespace

void DrawButton(QPainter& painter, const QRect& rect, const QColor& base, const QString& text, int pixelSize)
{
    CheckCaptionFits(text, UiFont(pixelSize, true), rect, Qt::AlignCenter, ButtonMargin);
    DrawBody(painter, rect, base, std::min(6, rect.height() / 2 - 1));
    DrawShadowText(painter, rect.adjusted(0, 0, 0, -1), Qt::AlignCenter, text, Qt::white, UiFont(pixelSize, true));
}

void DrawGlyphButton(QPainter& painter, const QRect& rect, const QColor& base, TGlyph glyph)
{
    DrawBody(painter, rect, base, 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, glyph == TGlyph::Close);
    const int cx = rect.left() + rect.width() / 2;
    const int cy = rect.top() + rect.height() / 2;
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    switch (glyph) {
    case TGlyph::Minimize:
        painter.fillRect(QRect(cx - 3, cy + 2, 6, 2), Qt::white);
        break;
    case TGlyph::Close:
        painter.drawLine(QPointF(cx - 2.5, cy - 2.5), QPointF(cx + 2.5, cy + 2.5));
        painter.drawLine(QPointF(cx + 2.5, cy - 2.5), QPointF(cx - 2.5, cy + 2.5));
        break;
    case TGlyph::Help:
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(UiFont(10, true));
        painter.setPen(Qt::white);
        painter.drawText(rect.adjusted(0, 0, 1, 0), Qt::AlignCenter, "?");
        break;
    }
    painter.restore();
}

void DrawShadowText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                    const QFont& font)
{
    CheckCaptionFits(text, font, rect, flags);
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 170));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawSunken(QPainter& painter, const QRect& controlRect)
{
    const QRect r = controlRect.adjusted(-1, -1, 0, 0);
    painter.save();
    painter.fillRect(r, QColor(0x0b, 0x10, 0x26));
    painter.setPen(QColor(0x05, 0x08, 0x16));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(0x4a, 0x5c, 0x94));
    painter.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
    painter.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
    painter.restore();
}

namespace {
int CurrentScale = 1;
}

int Scale() { return CurrentScale; }

TDrawScale::TDrawScale(int scale) : Previous(CurrentScale) { CurrentScale = scale; }

TDrawScale::~TDrawScale() { CurrentScale = Previous; }

QImage Canvas(int width, int height, const QColor& fill)
{
    QImage image(width * CurrentScale, height * CurrentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(CurrentScale);
    image.fill(fill);
    return image;
}

QImage Cut(const QImage& image, const QRect& units)
{
    const int scale = static_cast<int>(image.devicePixelRatio());
    QImage part = image.copy(units.x() * scale, units.y() * scale, units.width() * scale, units.height() * scale);
    part.setDevicePixelRatio(scale);
    return part;
}

QRect Bounds(const QImage& image) { return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()); }

} // namespace Theme
