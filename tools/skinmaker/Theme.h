#pragma once
// The look shared by every skin picture: one night-blue theme with steel
// frames, gold titles and rounded glossy buttons, and the drawing helpers
// that keep the pieces consistent.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

namespace Theme {

inline const QColor Outline{0x0a, 0x0f, 0x22};
inline const QColor SteelLight{0xa9, 0xc4, 0xf0};
inline const QColor SteelTop{0x6f, 0x8f, 0xc8};
inline const QColor SteelMid{0x3d, 0x5a, 0x94};
inline const QColor SteelBottom{0x22, 0x34, 0x60};
inline const QColor Gold{0xf5, 0xc0, 0x4a};
inline const QColor GoldDark{0x9a, 0x68, 0x16};
inline const QColor Caption{0xe3, 0xea, 0xff};
inline const QColor Muted{0x93, 0xa6, 0xd8};
inline const QColor ButtonBlue{0x3b, 0x6c, 0xc8};
inline const QColor ButtonGreen{0x2f, 0x9e, 0x4e};
inline const QColor ButtonRed{0xc4, 0x3d, 0x36};
inline const QColor ButtonTeal{0x2a, 0x8c, 0x9a};
inline const QColor WellTop{0xf2, 0xf5, 0xfb};
inline const QColor WellBottom{0xd2, 0xda, 0xea};
// The centre tile's ground, so what lies outside a card's rounded corners
// matches the board around it.
inline const QColor Board{0x13, 0x19, 0x33};

// The centre tile: the background of every window and the board's brush.
constexpr int TileSize = 16;
QImage CentreTile();
// Fills target with the tile grid of a window, where target's top-left
// corner lies at origin in that window (the grid is anchored at 0, 0).
void FillTiled(QPainter& painter, const QRect& target, QPoint origin);

// DejaVu Sans at a pixel size; the same files on every build.
QFont UiFont(int pixelSize, bool bold);

// Steel gradient across a band, from its light outer side to its dark one.
void FillSteel(QPainter& painter, const QRect& band, Qt::Orientation across);

enum class TGlyph { Help, Minimize, Close };

// A raised, rounded button with a centred caption.
void DrawButton(QPainter& painter, const QRect& rect, const QColor& base, const QString& text, int pixelSize);
// A small square button with a drawn symbol (for 13 x 12 hot spots).
void DrawGlyphButton(QPainter& painter, const QRect& rect, const QColor& base, TGlyph glyph);
// Text with a one-pixel dark drop shadow, so it stays crisp on any ground.
void DrawShadowText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                    const QFont& font);
// A recessed frame around a place where a control will sit.
void DrawSunken(QPainter& painter, const QRect& controlRect);

// Pictures are drawn in units of Scale() pixels: every size and place the
// drawing code names is in units, and a picture comes out Scale() times as
// many pixels wide and high (its device pixel ratio says so). The skin at
// twice the resolution is the same drawing at scale 2. TDrawScale sets the
// scale for its own lifetime.
int Scale();
class TDrawScale {
public:
    explicit TDrawScale(int scale);
    ~TDrawScale();
    TDrawScale(const TDrawScale&) = delete;
    TDrawScale& operator=(const TDrawScale&) = delete;

private:
    int Previous;
};

// An image of the given size in units, premultiplied, for painting into.
QImage Canvas(int width, int height, const QColor& fill = Qt::transparent);
// A part of a picture, and the whole of it, in units.
QImage Cut(const QImage& image, const QRect& units);
QRect Bounds(const QImage& image);

} // namespace Theme
