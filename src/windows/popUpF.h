#pragma once
// TPopUpform: the borderless, skinned frame of the score, help and about
// windows. A 395 x 259 dialog with a tiled background (PopUpBg), a title bar
// whose "exit" spot closes it (ExitMap), a title picture slot (TitleImage)
// and a close button at the bottom right (CloseBtn). It is dragged by any
// bare part of its surface and placed at the centre of the screen each time
// it is shown. The owner shows it modally with exec(); closing hides it.
//
// All pictures are copied out of the skin archive while the window is
// constructed; the archive is not kept. Tab reaches the close spot and the
// close button (Enter or Space presses them); Escape closes the window as the
// close button does. Cursor slots 1 (move) and 2 (point)
// must be registered before construction (LumCursors.h).

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class QMouseEvent;
class TImage;
class TLumImageBevel;
class TLumImageMap;
class TLumResReader;

// How the windows hand web links and mail addresses to the desktop (UTF-8).
using TLinkHandler = std::function<void(const std::string& link)>;

class TPopUpform : public QDialog {
    Q_OBJECT
public:
    static constexpr int FormWidth = 395;
    static constexpr int FormHeight = 259;
    static constexpr std::int32_t MoveCursorSlot = 1;
    static constexpr std::int32_t PointCursorSlot = 2;

    // Runs FormCreate. Throws EResourceError when a skin entry is missing or
    // is not a bitmap.
    explicit TPopUpform(TLumResReader& skinArchive, QWidget* parent = nullptr);
    ~TPopUpform() override;

    void CloseBtnClick(QObject* Sender);
    // Closes the window for the area "exit" (exact comparison).
    void ExitMapMapClick(QObject* Sender, const QString& AreaName);
    // Dragging: a left press starts it, moves follow the pointer, the
    // release makes one last move. Positions are in the Sender's coordinates.
    void AppMouseDown(QWidget* Sender, QMouseEvent* Event);
    void AppMouseMove(QWidget* Sender, QMouseEvent* Event);
    void AppMouseUp(QWidget* Sender, QMouseEvent* Event);

    TLumImageBevel* PopUpBg = nullptr;
    TLumImageMap* ExitMap = nullptr;
    TImage* TitleImage = nullptr;
    TImage* CloseBtn = nullptr;

    bool Dragging = false;
    std::int32_t DragX = 0;
    std::int32_t DragY = 0;

protected:
    // The descendants' title: entry decoded into TitleImage, centred
    // horizontally (a title wider than the window gets a negative left).
    void LoadTitle(TLumResReader& skinArchive, std::int32_t entry);
    // Binds a control's mouse hooks to the drag handlers.
    template <class TControl> void DragBy(TControl& control);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate(TLumResReader& skinArchive);
    void DragTo(QMouseEvent* event);
};

template <class TControl> void TPopUpform::DragBy(TControl& control)
{
    control.OnMouseDown = [this](QWidget* s, QMouseEvent* e) { AppMouseDown(s, e); };
    control.OnMouseMove = [this](QWidget* s, QMouseEvent* e) { AppMouseMove(s, e); };
    control.OnMouseUp = [this](QWidget* s, QMouseEvent* e) { AppMouseUp(s, e); };
}
