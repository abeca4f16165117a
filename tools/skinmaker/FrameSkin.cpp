// The steel frames of the main window and the popups, and their buttons.
#include "Captions.h"
#include "Skin.h"
#include "Theme.h"

#include <algorithm>

namespace Skin {

namespace {

using namespace Theme;

constexpr int TopLeftWidth = 170;
constexpr int TopRightWidth = 60;
constexpr int BottomCornerWidth = 12;
constexpr int BarWidth = 466;

// Lines one unit wide, as filled units rather than pen strokes: a stroke's
// width is centred on its line, so at twice the size it would cover half of
// the unit before and leave half of its own unit uncovered.
void Line(QPainter& p, int x1, int y1, int x2, int y2, const QColor& colour)
{
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), colour);
}

// The outline of the units from (left, top) to (right, bottom), as drawRect
// gives it at the ordinary size.
void DrawOutline(QPainter& p, int left, int top, int right, int bottom, const QColor& colour)
{
    Line(p, left, top, right, top, colour);
    Line(p, left, bottom, right, bottom, colour);
    Line(p, left, top, left, bottom, colour);
    Line(p, right, top, right, bottom, colour);
}

// Draws a whole window's frame once, so that the pieces cut from it join
// without seams: the title band, the sides and, when bottom > 0, the bottom band.
QImage DrawFrame(int width, int height, int top, int bottom)
{
    QImage frame = Canvas(width, height);
    QPainter p(&frame);
    FillTiled(p, Bounds(frame), QPoint(0, 0));

    FillSteel(p, QRect(0, 0, width, top), Qt::Vertical);
    FillSteel(p, QRect(0, 0, SideWidth, height), Qt::Horizontal);
    FillSteel(p, QRect(width - SideWidth, 0, SideWidth, height), Qt::Horizontal);
    if (bottom > 0)
        FillSteel(p, QRect(0, height - bottom, width, bottom), Qt::Vertical);

    // Outer outline and highlight, inner dark line around the content.
    DrawOutline(p, 0, 0, width - 1, height - 1, Outline);
    Line(p, 1, 1, width - 2, 1, SteelLight);
    Line(p, 1, 1, 1, height - 2, SteelLight);
    const int innerBottom = bottom > 0 ? height - bottom : height - 1;
    DrawOutline(p, SideWidth - 1, top - 1, width - SideWidth, innerBottom, Outline);
    if (bottom > 0)
        Line(p, SideWidth - 1, height - bottom + 1, width - SideWidth, height - bottom + 1, SteelLight);
    return frame;
}

void DrawAppName(QPainter& p, QPoint at, int size)
{
    DrawShadowText(p, QRect(at.x(), at.y(), 200, size + 6), Qt::AlignLeft | Qt::AlignVCenter, "Orvane Kobalind",
                   Gold, UiFont(size, true));
}

// A little face-down card as the program's emblem.
void DrawEmblem(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Outline, 1));
    p.setBrush(Gold);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    p.setBrush(QColor(0xb0, 0x3a, 0x2e));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5), 1, 1);
    p.restore();
}

} // namespace

TMainFrame DrawMainFrame()
{
    QImage frame = DrawFrame(MainWidth, MainHeight, TopHeight, BottomHeight);
    {
        QPainter p(&frame);
        DrawEmblem(p, QRect(10, 4, 10, 13));
        DrawAppName(p, QPoint(26, 2), 11);
    }
    const int bottomTop = MainHeight - BottomHeight;
    TMainFrame out;
    out.TopLeft = Cut(frame, QRect(0, 0, TopLeftWidth, TopHeight));
    out.Top = Cut(frame, QRect(200, 0, 8, TopHeight));
    out.TopRight = Cut(frame, QRect(MainWidth - TopRightWidth, 0, TopRightWidth, TopHeight));
    out.Left = Cut(frame, QRect(0, 100, SideWidth, 8));
    out.Right = Cut(frame, QRect(MainWidth - SideWidth, 100, SideWidth, 8));
    out.BottomLeft = Cut(frame, QRect(0, bottomTop, BottomCornerWidth, BottomHeight));
    out.Bottom = Cut(frame, QRect(200, bottomTop, 8, BottomHeight));
    out.BottomRight = Cut(frame, QRect(MainWidth - BottomCornerWidth, bottomTop, BottomCornerWidth, BottomHeight));
    out.Bar = Cut(frame, QRect((MainWidth - BarWidth) / 2, bottomTop, BarWidth, BottomHeight));

    {
        // The hot spots "help" 6,4-19,16, "mini" 23,4-36,16, "exit" 40,4-53,16.
        QPainter p(&out.TopRight);
        DrawGlyphButton(p, QRect(6, 4, 13, 12), ButtonTeal, TGlyph::Help);
        DrawGlyphButton(p, QRect(23, 4, 13, 12), ButtonBlue, TGlyph::Minimize);
        DrawGlyphButton(p, QRect(40, 4, 13, 12), ButtonRed, TGlyph::Close);
    }
    {
        QPainter p(&out.Bar);
        // "reg" 7,8-67,24; "options" 398,8-458,24; "exit" 8,32-65,60; "play" 392,32-457,60.
        DrawButton(p, QRect(7, 8, 60, 16), ButtonTeal, Translated(QT_TRANSLATE_NOOP("Skin", "About")), 10);
        DrawButton(p, QRect(398, 8, 60, 16), ButtonBlue, Translated(QT_TRANSLATE_NOOP("Skin", "Options")), 10);
        DrawButton(p, QRect(8, 32, 57, 28), ButtonRed, Translated(QT_TRANSLATE_NOOP("Skin", "Exit")), 13);
        DrawButton(p, QRect(392, 32, 65, 28), ButtonGreen, Translated(QT_TRANSLATE_NOOP("Skin", "Play")), 14);

        // The status line is bold black text 26 pixels above the bottom:
        // it sits in this light well, which leaves room for long names.
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF well(76.5, 35.5, 313, 28);
        QLinearGradient g(well.topLeft(), well.bottomLeft());
        g.setColorAt(0, WellBottom);
        g.setColorAt(0.25, WellTop);
        g.setColorAt(1, WellBottom);
        p.setPen(QPen(Outline, 1));
        p.setBrush(g);
        p.drawRoundedRect(well, 5, 5);
        p.setPen(QPen(QColor(0x7d, 0x8c, 0xb0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(well.adjusted(1, 1, -1, -1), 4, 4);
        DrawShadowText(p, QRect(76, 8, 314, 16), Qt::AlignCenter,
                       Translated(QT_TRANSLATE_NOOP("Skin", "the game of pairs")), Muted.lighter(115),
                       UiFont(11, false));
    }
    return out;
}

QImage DrawNotice()
{
    //: %1 is the program's name and version.
    const QString text = Translated(QT_TRANSLATE_NOOP("Skin", "%1  ·  About & credits")).arg("Orvane Kobalind 2.06");
    const QFont font = UiFont(10, false);
    constexpr int padding = 8;
    CheckCaptionFits(text, font, QRect(0, 0, MainWidth - 2 * SideWidth, 16), Qt::AlignCenter, padding);
    const int width = QFontMetrics(font).horizontalAdvance(text) + 2 * padding;
    const int height = 16;
    QImage notice = Canvas(width, height);
    QPainter p(&notice);
    FillTiled(p, Bounds(notice), QPoint((MainWidth - width) / 2, NoticeTop));
    DrawShadowText(p, Bounds(notice), Qt::AlignCenter, text, Muted, font);
    return notice;
}

TPopupFrame DrawPopupFrame()
{
    constexpr int barHeight = 24;
    QImage frame = DrawFrame(PopupWidth, PopupHeight, barHeight, 0);
    {
        QPainter p(&frame);
        DrawEmblem(p, QRect(10, 5, 10, 13));
        DrawAppName(p, QPoint(26, 3), 11);
    }
    TPopupFrame out;
    out.TitleBar = Cut(frame, QRect(0, 0, PopupWidth, barHeight));
    {
        // The close spot 378,4-391,16.
        QPainter p(&out.TitleBar);
        DrawGlyphButton(p, QRect(378, 4, 13, 12), ButtonRed, TGlyph::Close);
    }
    out.Left = Cut(frame, QRect(0, 100, SideWidth, 8));
    out.Right = Cut(frame, QRect(PopupWidth - SideWidth, 100, SideWidth, 8));

    // The frame has no bottom-edge slot, so the bottom-left piece is the
    // whole border, corners included.
    out.BottomLeft = Canvas(PopupWidth, SideWidth);
    {
        QPainter p(&out.BottomLeft);
        FillSteel(p, Bounds(out.BottomLeft), Qt::Vertical);
        p.drawImage(0, 0, Cut(frame, QRect(0, 100, SideWidth, SideWidth)));
        p.drawImage(PopupWidth - SideWidth, 0, Cut(frame, QRect(PopupWidth - SideWidth, 100, SideWidth, SideWidth)));
        p.setPen(Outline);
        p.drawLine(SideWidth - 1, 0, PopupWidth - SideWidth, 0);
        p.drawLine(0, SideWidth - 1, PopupWidth - 1, SideWidth - 1);
        p.drawLine(0, 0, 0, SideWidth - 1);
        p.drawLine(PopupWidth - 1, 0, PopupWidth - 1, SideWidth - 1);
        p.setPen(SteelLight);
        p.drawLine(1, 0, 1, SideWidth - 2);
    }

    // The close button sits at 321,230 on the tiles, clear of the border.
    out.CloseButton = Canvas(64, 20);
    {
        QPainter p(&out.CloseButton);
        FillTiled(p, Bounds(out.CloseButton), QPoint(321, 230));
        DrawButton(p, Bounds(out.CloseButton), ButtonBlue, Translated(QT_TRANSLATE_NOOP("Skin", "Close")), 11);
    }
    return out;
}

QImage DrawTitle(const QString& text)
{
    // 21 pixels high at y 29: clear of the score window's picture at y 50.
    const QFont font = UiFont(18, true);
    constexpr int padding = 12;
    CheckCaptionFits(text, font, QRect(0, 0, PopupWidth - 2 * SideWidth, 21), Qt::AlignCenter, padding);
    const int width = QFontMetrics(font).horizontalAdvance(text) + 2 * padding;
    const int height = 21;
    QImage title = Canvas(width, height);
    QPainter p(&title);
    FillTiled(p, Bounds(title), QPoint((PopupWidth - width) / 2, TitleTop));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(GoldDark, 1));
    p.drawLine(QPointF(4, height - 1.5), QPointF(width - 4, height - 1.5));
    DrawShadowText(p, QRect(0, 0, width, height - 2), Qt::AlignCenter, text, Gold, font);
    return title;
}

} // namespace Skin
