#pragma once
// TLumImageMap: a picture with named rectangular hot-spot areas that act as
// buttons. The image list holds up to five frames, complete pictures of the
// control in one look: 0 OFF, 1 ON, 2 OVER, 3 DISABLED, 4 CLICKED. Each area
// is drawn by copying its rectangle out of the frame of its paint state. A
// frame counts as present when ImageWidth answers more than 0 for it.
//
// Clicks are decided on release: a left release over an enabled area
// switches it on (the areas form a radio group) and raises OnMapClick with
// the name it was added under. A left press on an enabled area belongs to the
// map; any other press (outside every area, on a disabled area, or another
// button) is passed on to the OnMouseDown hook, and the following moves and
// the release to OnMouseMove and OnMouseUp: that is how windows drag
// themselves by a map. Qt's implicit grab keeps the mouse with the map while
// a button is held.
//
// Keyboard: Tab and Shift+Tab walk through the enabled areas before they
// leave the map; Enter or Space on the focused area clicks it as a left
// release there does. The focused area wears the focus frame (LumFocus.h).

#include "controls/LumImageList.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

enum TAreaState : std::uint8_t { arsOff = 0, arsOn = 1, arsDisabled = 2 };
enum TAreaPaint : std::uint8_t { arpOff = 0, arpOn = 1, arpDisabled = 2, arpOver = 3, arpClicked = 4 };

// The frame that shows a paint state (the two orders differ).
int FrameOfPaint(TAreaPaint paint);

class TArea {
public:
    TArea(const TRect& rect, TCursor cursor, const QString& hint)
        : AreaRect(rect), AreaCursor(cursor), AreaHint(hint) {}
    virtual ~TArea() = default;

    TRect AreaRect;
    TAreaState AreaState = arsOff;
    TAreaPaint AreaPaint = arpOff;
    bool AreaOver = false;
    bool AreaClicked = false;
    TCursor AreaCursor;
    QString AreaHint;
};

using TMapClickEvent = std::function<void(QObject* Sender, const QString& AreaName)>;

class TLumCustomImageMap : public TLumCustomImageList {
    Q_OBJECT
public:
    explicit TLumCustomImageMap(QWidget* parent = nullptr);
    ~TLumCustomImageMap() override;

    // A name already present (letter case ignored) only gets the new
    // rectangle; otherwise the area is appended. Nothing is repainted.
    void AddArea(const QString& name, const TRect& rect, TCursor cursor, const QString& hint);
    // The control's cursor and the one restored outside all areas.
    void SetMapCursor(TCursor cursor);

    int AreaCount() const { return static_cast<int>(Areas.size()); }
    // By index (0-based, insertion order); index must be < AreaCount().
    const TArea& Area(int index) const { return *Areas[static_cast<std::size_t>(index)].second; }
    const QString& AreaName(int index) const { return Areas[static_cast<std::size_t>(index)].first; }
    // -1 when no area has the name (letter case ignored).
    int IndexOfArea(const QString& name) const;
    // The first area, in insertion order, containing the point; -1 if none.
    int AreaAt(int x, int y) const;

    // Copies the area's rectangle from the frame of its paint state (through
    // a repaint of that rectangle) when the control is visible.
    virtual void PaintArea(int index);
    virtual void UpdateAreaPaint(int index);
    // Raises OnMapChanging, OnMapUnClick and OnMapClick in that order as
    // they apply; switching one area on switches the others off.
    virtual void SetAreaState(int index, TAreaState state);
    virtual void SetAreaOver(int index, bool over);
    virtual void SetAreaClicked(int index, bool clicked);
    // arsOff for an unknown name.
    virtual TAreaState GetAreaStateByName(const QString& name) const;
    // Nothing for an unknown name.
    virtual void SetAreaStateByName(const QString& name, TAreaState state);
    virtual void ResetAreas();

    // True switches every area off (an area that was on raises
    // OnMapUnClick), false disables every area; then the widget's own
    // enabled state follows. Use this rather than QWidget::setEnabled.
    void SetEnabled(bool value);

    void Loaded() override;

    // The area that has the keyboard focus, -1 when none.
    int FocusArea() const { return FFocusArea; }

    bool ChangeCursor() const { return FChangeCursor; }
    void SetChangeCursor(bool value) { FChangeCursor = value; }
    TCursor OutAreaCursor() const { return FOutAreaCursor; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    const QString& OutAreaHint() const { return FOutAreaHint; }
    // Stores the value and makes it the current Hint.
    void SetOutAreaHint(const QString& value);
    // The hint text Qt shows as a tool tip after a pause, when ShowHint is on.
    const QString& Hint() const { return FHint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    TMapClickEvent OnMapChanging;
    TMapClickEvent OnMapUnClick;
    TMapClickEvent OnMapClick;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The next enabled area after from (or before it), -1 when none.
    int NextFocusArea(int from, bool forward) const;
    void SetFocusArea(int index);

    bool FramePresent(int frame) const { return ImageWidth(frame) > 0; }
    void SetHint(const QString& hint);
    void TrackMouse(int x, int y, QMouseEvent* event);

    std::vector<std::pair<QString, std::unique_ptr<TArea>>> Areas;
    bool FChangeCursor = true;
    TCursor FOutAreaCursor = crDefault;
    bool FTransparent = false;
    bool PassThrough = false;
    QString FOutAreaHint;
    QString FHint;
    bool FShowHint = true;
    int FFocusArea = -1;
};

// The map as the windows place it; everything lives in the base.
class TLumImageMap : public TLumCustomImageMap {
    Q_OBJECT
public:
    using TLumCustomImageMap::TLumCustomImageMap;
};
