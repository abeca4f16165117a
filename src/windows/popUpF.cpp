#include "windows/popUpF.h"

#include "controls/LumImageCtrl.h"
#include "controls/LumImageMap.h"
#include "controls/LumSharpSkin.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"
#include "windows/Image.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

namespace {

// Skin archive entries of the frame.
constexpr std::int32_t TitleBarEntry = 18;
constexpr std::int32_t LeftEdgeEntry = 19;
constexpr std::int32_t RightEdgeEntry = 20;
constexpr std::int32_t BottomLeftEntry = 21;
constexpr std::int32_t CentreEntry = 10;
constexpr std::int32_t CloseButtonEntry = 22;

} // namespace

TPopUpform::TPopUpform(TLumResReader& skinArchive, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    FormCreate(skinArchive);
}

TPopUpform::~TPopUpform() = default;

void TPopUpform::FormCreate(TLumResReader& skinArchive)
{
    setModal(true);
    resize(FormWidth, FormHeight);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    PopUpBg = new TLumImageBevel(this);
    PopUpBg->setGeometry(rect());
    PopUpBg->SetStretch(false);
    ExitMap = new TLumImageMap(this);
    ExitMap->setGeometry(0, 0, 385, 53);
    TitleImage = new TImage(this);
    TitleImage->move(128, 29);
    CloseBtn = new TImage(this);
    CloseBtn->move(321, 230);

    TBitmap picture;
    const TBitmap empty; // fills the frame's unused bevel slots
    TMemoryStream stream;
    skinArchive.LoadEntry(TitleBarEntry, stream);
    picture.LoadFromStream(stream);
    AddSkinImage(*ExitMap, picture, TitleBarEntry);
    for (int slot = 0; slot < 3; ++slot) // no top-left corner, top edge or top-right corner
        PopUpBg->AddImage(empty);
    for (std::int32_t entry : {LeftEdgeEntry, RightEdgeEntry, BottomLeftEntry}) {
        skinArchive.LoadEntry(entry, stream);
        picture.LoadFromStream(stream);
        AddSkinImage(*PopUpBg, picture, entry);
    }
    for (int slot = 0; slot < 2; ++slot) // no bottom edge or bottom-right corner
        PopUpBg->AddImage(empty);
    skinArchive.LoadEntry(CentreEntry, stream);
    picture.LoadFromStream(stream);
    AddSkinImage(*PopUpBg, picture, CentreEntry);
    skinArchive.LoadEntry(CloseButtonEntry, stream);
    CloseBtn->LoadSkinEntry(stream, CloseButtonEntry);

    ExitMap->SetMapCursor(MoveCursorSlot);
    ExitMap->AddArea(QStringLiteral("exit"), TRect{378, 4, 391, 16}, PointCursorSlot, tr("Close"));
    CloseBtn->SetCursor(PointCursorSlot);
    CloseBtn->SetTabStop(true);
    CloseBtn->setAccessibleName(tr("Close"));
    ExitMap->setAccessibleName(tr("Window buttons"));
    PopUpBg->SetCursor(MoveCursorSlot);
    TitleImage->SetCursor(MoveCursorSlot);

    ExitMap->OnMapClick = [this](QObject* sender, const QString& name) { ExitMapMapClick(sender, name); };
    CloseBtn->OnClick = [this](QObject* sender) { CloseBtnClick(sender); };
    DragBy(*PopUpBg);
    DragBy(*ExitMap);
    DragBy(*TitleImage);
}

void TPopUpform::LoadTitle(TLumResReader& skinArchive, std::int32_t entry)
{
    TMemoryStream stream;
    skinArchive.LoadEntry(entry, stream);
    TitleImage->LoadSkinEntry(stream, entry);
    TitleImage->move((width() - TitleImage->width()) / 2, TitleImage->y());
}

void TPopUpform::CloseBtnClick(QObject*)
{
    close();
}

void TPopUpform::ExitMapMapClick(QObject*, const QString& AreaName)
{
    if (AreaName == QLatin1String("exit"))
        close();
}

void TPopUpform::AppMouseDown(QWidget*, QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton)
        return;
    // Wayland lets no client place its own window: the compositor drags it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && windowHandle()) {
        windowHandle()->startSystemMove();
        return;
    }
    Dragging = true;
    const QPoint at = Event->position().toPoint();
    DragX = at.x();
    DragY = at.y();
}

void TPopUpform::AppMouseMove(QWidget*, QMouseEvent* Event)
{
    if (Dragging)
        DragTo(Event);
}

void TPopUpform::AppMouseUp(QWidget*, QMouseEvent* Event)
{
    if (!Dragging)
        return;
    Dragging = false;
    DragTo(Event);
}

// The pressed control moves with the window, so the pointer returns to the
// press point after each step and the press point stays valid.
void TPopUpform::DragTo(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    move(x() + at.x() - DragX, y() + at.y() - DragY);
}

void TPopUpform::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

// The background fills the window; the close button keeps its distance to
// the right and bottom edges.
void TPopUpform::resizeEvent(QResizeEvent* event)
{
    if (!PopUpBg || !CloseBtn) { // still being built
        QDialog::resizeEvent(event);
        return;
    }
    if (event->oldSize().isValid()) {
        const QSize delta = event->size() - event->oldSize();
        CloseBtn->move(CloseBtn->pos() + QPoint(delta.width(), delta.height()));
    }
    PopUpBg->setGeometry(rect());
    QDialog::resizeEvent(event);
}

void TPopUpform::mousePressEvent(QMouseEvent* event)
{
    AppMouseDown(this, event);
}

void TPopUpform::mouseMoveEvent(QMouseEvent* event)
{
    AppMouseMove(this, event);
}

void TPopUpform::mouseReleaseEvent(QMouseEvent* event)
{
    AppMouseUp(this, event);
}

void TPopUpform::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        CloseBtnClick(CloseBtn);
    else
        QDialog::keyPressEvent(event);
}
