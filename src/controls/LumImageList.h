#pragma once
// TLumCustomImageList: the base of the skinned controls. A window-less widget
// (no native window, no background of its own) that owns an ordered list of
// pictures kept side by side in ONE strip image and draws picture i as a
// single rectangle copy from a precomputed source rectangle. It paints
// nothing itself; the descendants choose what to draw where.
//
// Pictures are appended with AddImage, which copies the pixels: the caller
// keeps and frees its source. An index outside 0 .. Count-1 draws, extracts
// and measures nothing (sizes answer 0), so a descendant may ask for a state
// it has no picture for.
//
// Mouse: every control accepts its own mouse events; what the descendants
// pass on ("the ordinary handling") goes to the OnMouseDown, OnMouseMove and
// OnMouseUp hooks below, each called only when assigned, with the control as
// Sender and the Qt event (position() is in the control's coordinates). The
// events do not propagate to the parent widget. Windows bind the same drag
// handler to the hooks of every control they drag by.

#include "controls/LumCursors.h"
#include "controls/LumMouse.h"
#include "controls/LumSharpSkin.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QMouseEvent;
class QPainter;
class TGraphic;
class TLumBitmap;
class TLumResReader;

// A rectangle as the skin describes one: Left <= x < Right, Top <= y < Bottom.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

using TNotifyEvent = std::function<void(QObject* Sender)>;

// Item i of a comma-terminated list ("10,20,0,"); 0 when the item is missing
// or not a decimal integer.
std::int32_t ListItem(const QString& list, int index);

// Splits a names list as the resource-list loader reads it: items are
// separated by commas or blanks, may be double-quoted ("" inside quotes is
// one quote), and an empty item between two commas or after a final comma is
// kept.
QStringList SplitCommaText(const QString& text);

class TLumCustomImageList : public QWidget {
    Q_OBJECT
public:
    enum TFlag { VarSizeFlag = 0, AutoSizeToImageFlag = 1 };

    explicit TLumCustomImageList(QWidget* parent = nullptr);
    ~TLumCustomImageList() override;

    // The strip: every picture left to right, each top-aligned at y = 0.
    // A strip with a side of 0 has no pixels (a null QImage).
    const QImage& Picture() const { return Strip; }
    int PictureWidth() const { return StripWidth; }
    int PictureHeight() const { return StripHeight; }

    int ImgWidth() const { return FImgWidth; }
    int ImgHeight() const { return FImgHeight; }
    int Count() const { return FCount; }
    bool VarSize() const { return FVarSize; }
    bool AutoSizeToImage() const { return FAutoSizeToImage; }
    bool IgnorePalette() const { return FIgnorePalette; }
    const QString& VarWidthS() const { return FVarWidthS; }
    const QString& VarHeightS() const { return FVarHeightS; }
    // Where picture i lies in the strip; an empty rectangle for a bad index.
    TRect SourceRect(int index) const;

    // Ignored in variable-size mode; in fixed-size mode re-lays the strip
    // into cells of the new width (negative values count as 0).
    void SetImgWidth(int value);
    void SetImgHeight(int value);
    // Stores the value and nothing else; Loaded makes it usable.
    void SetCount(int value);
    // 0 = VarSize, 1 = AutoSizeToImage (true sizes the control to
    // ImgWidth x ImgHeight).
    void SetFlag(int flag, bool value);
    void SetIgnorePalette(bool value) { FIgnorePalette = value; }
    // Restoring a stored list: set the strip, the lists and Count, then call
    // Loaded. A stored list shorter than Count reads its missing items as 0.
    void SetPicture(const QImage& strip);
    void SetVarWidthS(const QString& value) { FVarWidthS = value; }
    void SetVarHeightS(const QString& value) { FVarHeightS = value; }
    virtual void Loaded();

    // Appends a copy of the picture (and its colour table, if the strip has
    // none yet). The TGraphic form takes the still picture of any of the
    // project's pictures (TBitmap included). Throws EControlError for a
    // graphic whose pixel buffer does not match its size.
    void AddImage(const QImage& image, const std::vector<std::uint32_t>& palette = {});
    void AddImage(const TGraphic& graphic);
    void AddImage(const TLumBitmap& bitmap);
    void ClearImages();
    // A sharp version of picture index, twice its width and height, drawn in
    // its place wherever the painter's device has two or more pixels per
    // unit (LumSharpSkin.h); used only while the picture has exactly half
    // its size. A bad index sets nothing.
    void SetSharpImage(int index, const TSharpPicture& sharp);

    // 0 outside 0 .. Count-1 and always 0 in fixed-size mode.
    int ImageWidth(int index) const;
    int ImageHeight(int index) const;

    // All drawing uses the painter's current composition mode.
    void DrawImage(QPainter& canvas, int x, int y, int index) const;
    void StretchDrawImage(QPainter& canvas, const TRect& dest, int index) const;
    // source is relative to the picture: its left and right are shifted by
    // the picture's x in the strip, top and bottom are used as they are.
    void DrawImagePart(QPainter& canvas, const TRect& dest, int index, const TRect& source) const;
    // Gives the bitmap the strip's colour table (also for a bad index), then
    // for a valid index a copy of the picture.
    void GetImage(TLumBitmap& bitmap, int index) const;
    // The strip's colour table, or none when IgnorePalette is set.
    std::vector<std::uint32_t> GetPalette() const;

    // Bulk loaders; a failing picture never escapes (see each).
    // Empties the list; entry >= 0: the entry decoded as a bitmap (left out
    // when it fails); entry < 0: an empty picture.
    virtual void LoadFromArchive(TLumResReader& reader, const std::vector<std::int32_t>& entries);
    // Keeps the list; adds the Qt resource bitmaps prefix + first .. prefix +
    // last (a path without ':' is looked up under ":/"); missing ones are
    // left out.
    virtual void LoadFromResourceRange(const QString& prefix, int first, int last);
    // Empties the list; names as SplitCommaText reads them, an empty item
    // adds an empty picture, prefixFlag puts objectName() before each name;
    // a failing picture is added empty so the numbering stays aligned.
    virtual void LoadFromResourceList(const QString& names, bool prefixFlag);

    // The control's cursor slot (LumCursors.h).
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    TMouseHook OnMouseDown;
    TMouseHook OnMouseMove;
    TMouseHook OnMouseUp;

protected:
    // The ordinary handling: the hooks, when assigned.
    void DoMouseDown(QMouseEvent* event);
    void DoMouseMove(QMouseEvent* event);
    void DoMouseUp(QMouseEvent* event);

private:
    void ParseAndRebuild();
    void ResizeStrip(int width, int height);
    void DrawIntoStrip(const QImage& image, int x);
    // The sharp picture to draw for index on canvas, or null.
    const QImage* SharpFor(const QPainter& canvas, int index) const;

    QImage Strip;
    int StripWidth = 0;
    int StripHeight = 0;
    std::vector<std::uint32_t> StripPalette;
    int FImgWidth = 100;
    int FImgHeight = 100;
    int FCount = 0;
    bool FVarSize = true;
    bool FAutoSizeToImage = true;
    bool FIgnorePalette = false;
    QString FVarWidthS;
    QString FVarHeightS;
    std::vector<TRect> Rects;
    std::vector<int> Widths;
    std::vector<int> Heights;
    std::vector<TSharpPicture> Sharp; // by picture index
    TCursor FCursor = crDefault;
};
