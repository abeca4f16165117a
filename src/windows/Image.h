#pragma once
// TImage: a picture control. It sizes itself to a newly loaded picture,
// unless Stretch is set, in which case the picture is scaled to the
// control's size. OnClick fires for a left press and release on the control.
// Its mouse events go to the hooks when they are assigned (dragging a window
// by its picture) and never reach the parent. A tab stop takes the focus
// by Tab only, wears the focus frame (LumFocus.h) and fires OnClick for Enter
// or Space.

#include "controls/LumCursors.h"
#include "controls/LumMouse.h"
#include "controls/LumSharpSkin.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

class TGraphic;
class TStream;

// Lets a screen reader see a TImage as a button when it answers clicks.
void InstallImageAccessibility();

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Decodes a bitmap from the stream's position. Throws EResourceError when
    // the bytes are not a bitmap; the picture is then left as it was.
    void LoadFromStream(TStream& stream);
    // Copies the still picture. Throws EControlError for a graphic whose
    // pixel buffer does not match its size.
    void SetPicture(const TGraphic& graphic);
    void SetPicture(const QImage& picture);
    // A version of the picture at twice its width and height, drawn instead
    // where the screen has two or more pixels per unit and Stretch is off
    // (controls/LumSharpSkin.h). Used only while its size is exactly that; a
    // new picture drops it.
    void SetSharpPicture(const TSharpPicture& sharp);
    // LoadFromStream with the skin's entry, taking its sharp version too
    // (controls/LumSharpSkin.h).
    void LoadSkinEntry(TStream& stream, std::int32_t entry);
    const QImage& Picture() const { return FPicture; }

    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    void SetCursor(TCursor cursor) { ApplyCursor(*this, cursor); }
    // The tool tip shown after a pause.
    void SetHint(const QString& hint) { setToolTip(hint); }
    QString Hint() const { return toolTip(); }
    void SetTabStop(bool value);

    std::function<void(TImage* Sender)> OnClick;
    TMouseHook OnMouseDown;
    TMouseHook OnMouseMove;
    TMouseHook OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage FPicture;
    TSharpPicture FSharp;
    bool FStretch = false;
    TClickTracker Click;
};
