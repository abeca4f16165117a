#include "app/MainF.h"

#include "app/BoardGrid.h"
#include "app/StatusLine.h"
#include "app/FaceOverlay.h"
#include "app/MotionView.h"
#include "app/ProgramCursors.h"
#include "app/Sounds.h"
#include "controls/LumCursors.h"
#include "controls/LumImageCtrl.h"
#include "controls/LumImageMap.h"
#include "controls/LumSharpSkin.h"
#include "platform/UserFolders.h"
#include "resources/Bitmap.h"
#include "resources/LumRes.h"
#include "resources/Stream.h"
#include "windows/Image.h"
#include "windows/Label.h"
#include "windows/TextFit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int DesignClientWidth = 490;
constexpr int DesignClientHeight = 450;
constexpr int CursorHotX = 12;
constexpr int CursorHotY = 6;

struct TAreaDef {
    const char* Name;
    TRect Rect;
    const char* Hint;
};

constexpr TAreaDef ExitMapAreas[] = {
    {"help", {6, 4, 19, 16}, QT_TRANSLATE_NOOP("TMainForm", "Help")},
    {"mini", {23, 4, 36, 16}, QT_TRANSLATE_NOOP("TMainForm", "Minimize")},
    {"exit", {40, 4, 53, 16}, QT_TRANSLATE_NOOP("TMainForm", "Exit")},
};
constexpr TAreaDef PanelMapAreas[] = {
    {"exit", {8, 32, 65, 60}, QT_TRANSLATE_NOOP("TMainForm", "Exit")},
    {"play", {392, 32, 457, 60}, QT_TRANSLATE_NOOP("TMainForm", "Play")},
    {"reg", {7, 8, 67, 24}, QT_TRANSLATE_NOOP("TMainForm", "About")},
    {"options", {398, 8, 458, 24}, QT_TRANSLATE_NOOP("TMainForm", "Options")},
};
const TRect CoverAdArea {11, 11, 418, 280};
// The status line stays between the bar's "exit" and "play" buttons, with a
// little room on each side; the bar and the line are both centred.
constexpr int StatusGap = 8;
constexpr int StatusRoom = PanelMapAreas[1].Rect.Left - PanelMapAreas[0].Rect.Right - 2 * StatusGap;

void RegisterProgramCursors()
{
    RegisterCursor(CursorMove, QCursor(QPixmap(":/cursors/CRHMOVE"), CursorHotX, CursorHotY));
    RegisterCursor(CursorPoint, QCursor(QPixmap(":/cursors/CRHPOINT"), CursorHotX, CursorHotY));
}

// Copies a skin entry into the scratch stream and decodes it as a bitmap.
TBitmap LoadSkinPicture(TLumResReader& skin, std::int32_t entry, TMemoryStream& stream)
{
    stream.Clear();
    skin.CopyEntry(entry, stream);
    stream.SetPosition(0);
    TBitmap picture;
    picture.LoadFromStream(stream);
    return picture;
}

TWorkArea PrimaryWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 738);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

// The cursor pictures and the icon are compiled into this library; their
// resource must be registered from outside any namespace.
static void InitAppResource()
{
    Q_INIT_RESOURCE(app);
}

TMainForm::TMainForm(TLumResReader& skin, const std::string& appDir, std::optional<TWorkArea> workArea)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), AppDir(appDir)
{
    InitAppResource();
    setWindowTitle(QString::fromUtf8(AppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kobalind")));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setMinimumWidth(DesignClientWidth);
    resize(DesignClientWidth, DesignClientHeight);

    CardsDir = AppDir + "cards/";
    UserCardsDir = UserCardsFolder().string() + "/";
    StillCache.resize(AllFaceSlots);
    FWorkArea = workArea ? *workArea : PrimaryWorkArea();
    RegisterProgramCursors();
    CreateComponents();

    CreateMotion();
    GameEngine = std::make_unique<TGame>(*Motion, GameSettings, Rand);
    Motion->SetGame(*GameEngine);
    TGame& game = *GameEngine;
    game.WorkAreaWidth = FWorkArea.Width();
    game.WorkAreaHeight = FWorkArea.Height();
    game.Rows = 4;
    game.Cols = 4;
    game.CellWidth = 120;
    game.CellHeight = 90;
    game.FaceType = 1;

    LoadSkin(skin);
    CreateAreas();
    BgBevel->SetCursor(CursorMove);
    Label1->SetCursor(CursorMove);
    IQSlider->SetCursor(CursorPoint);
    CopyRightImage->SetCursor(CursorPoint);
    MGrid->SetBoardBrush(QBrush(GridBrushBitmap));

    game.GameActive = false;
    game.InputEnabled = false;
    SetPlayerLabel("");
    game.WinnerText.clear();
    Timer1->stop();
    connect(Timer1, &QTimer::timeout, this, [this]() {
        GameEngine->close_pair();
        QueueSave(false); // every turn, so a crash loses at most the one in progress
    });
    Rand.Randomize();

    Sounds->Open(AppDir);

    LoadOptions();
    OfferSavedGame();
    CopyRightImage->SetHint(tr("About"));
    FormResize();
    ShowWelcome();
}

TMainForm::~TMainForm()
{
    Timer1->stop();
    GameEngine->GameActive = false;
    GameEngine->GameOver = true;
    // The overlays stop their players before the pictures they show go away.
    Panel1->HidePanel();
    Panel2->HidePanel();
}

void TMainForm::CreateComponents()
{
    BgBevel = new TLumImageBevel(this);
    PanelMap = new TLumImageMap(this);
    ExitMap = new TLumImageMap(this);
    Label1 = new TStatusLine(this);
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setTextFormat(Qt::PlainText); // names are shown as typed, never read as markup
    Label1->SetFontColor(Qt::black);
    CopyRightImage = new TImage(this);
    CopyRightImage->OnClick = [this](TImage*) { CopyRightImageClick(); };

    MGrid = new TBoardGrid(this);
    MGrid->move(5, 21);
    MGrid->hide();
    MGrid->OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
        PaintCell(col, row, painter, rect);
    };
    MGrid->OnSelectCell = [this](int col, int row) { GameEngine->MGridSelectCell(col, row); };
    MGrid->OnCellName = [this](int col, int row) { return CellName(col, row); };
    Panel1 = new TFaceOverlay(this);
    Panel2 = new TFaceOverlay(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(2500);
    // The delay is the players' time to look: a coarse timer may fire 5% early.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Sounds = new TSounds(this);

    CreateOptionsPanel();

    CoverPanel = new QWidget(this);
    CoverPanel->resize(429, 287);
    CoverPanel->hide();
    CoverMap = new TLumImageMap(CoverPanel);
    CoverMap->move(0, 0);

    // What a screen reader calls the board and the button bars.
    MGrid->setAccessibleName(tr("Board"));
    PanelMap->setAccessibleName(tr("Game buttons"));
    ExitMap->setAccessibleName(tr("Window buttons"));
    CoverMap->setAccessibleName(tr("Cover"));

    BindDragging(BgBevel);
    BindDragging(PanelMap);
    BindDragging(ExitMap);
    BindDragging(Label1);
    PanelMap->OnMapClick = [this](QObject*, const QString& name) { PanelMapMapClick(name); };
    ExitMap->OnMapClick = [this](QObject*, const QString& name) { ExitMapMapClick(name); };
    CoverMap->OnMapClick = [this](QObject*, const QString& name) { CoverMapMapClick(name); };

    // Tab goes through what the face shows, then the bar and the corner buttons.
    QWidget::setTabOrder(MGrid, CardsBox);
    QWidget::setTabOrder(ComputerCheck, IQSlider);
    QWidget::setTabOrder(IQSlider, CoverMap);
    // The status line is a stop only while it offers a saved game; Qt places
    // only a widget that takes the focus in the chain.
    Label1->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(CoverMap, Label1);
    QWidget::setTabOrder(Label1, PanelMap);
    Label1->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(PanelMap, ExitMap);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this]() { ExitMapMapClick(QStringLiteral("help")); });
}

void TMainForm::LoadSkin(TLumResReader& skin)
{
    TMemoryStream stream;
    skin.CopyEntry(0, stream);
    FCoverLink.assign(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));

    AddSkinImage(*CoverMap, LoadSkinPicture(skin, 1, stream), 1);
    for (std::int32_t entry = 2; entry <= 10; ++entry) {
        const TBitmap picture = LoadSkinPicture(skin, entry, stream);
        AddSkinImage(*BgBevel, picture, entry);
        if (entry == 4)
            AddSkinImage(*ExitMap, picture, entry); // the top-right corner carries the small buttons
        if (entry == 10)
            GridBrushBitmap = ToQImage(picture.Pixels());
    }
    AddSkinImage(*PanelMap, LoadSkinPicture(skin, 11, stream), 11);
    AddSkinImage(*IQSlider, LoadSkinPicture(skin, 12, stream), 12);
    AddSkinImage(*IQSlider, LoadSkinPicture(skin, 13, stream), 13);
    for (auto [image, entry] : {std::pair {CopyRightImage, 14}, std::pair {OptionsBg, 17}}) {
        const TBitmap picture = LoadSkinPicture(skin, entry, stream);
        image->SetPicture(picture);
        image->SetSharpPicture(SharpSkinPicture(entry, QSize(picture.Width(), picture.Height())));
    }
}

void TMainForm::CreateAreas()
{
    const auto add = [](TLumImageMap& map, const TAreaDef& area) {
        map.AddArea(QString::fromLatin1(area.Name), area.Rect, CursorPoint, tr(area.Hint));
    };
    ExitMap->SetMapCursor(CursorMove);
    for (const TAreaDef& area : ExitMapAreas)
        add(*ExitMap, area);
    PanelMap->SetMapCursor(CursorMove);
    for (const TAreaDef& area : PanelMapAreas)
        add(*PanelMap, area);
    CoverMap->SetMapCursor(CursorMove);
    CoverMap->AddArea(QStringLiteral("ad"), CoverAdArea, CursorPoint, QString::fromStdString(FCoverLink));
}

// --- Faces and commands ----------------------------------------------------------

void TMainForm::ShowWelcome()
{
    CoverPanel->move(CentredLeft(width(), CoverPanel->width()), CoverTop);
    CoverPanel->show();
    CoverPanel->raise();
    ShowResumeChoice();
    CoverMap->setFocus(); // the keyboard starts on the cover, then Tab reaches the bar
}

void TMainForm::SetPlayerLabel(const std::string& text)
{
    News.StatusChanged(*GameEngine, text);
    // A longer line would run over the bar's buttons. It is cut in the
    // middle, so a long name keeps its pairs count at the end.
    Label1->setText(ElideToWidth(QString::fromStdString(text), Label1->font(), StatusRoom, Qt::ElideMiddle));
    Label1->adjustSize();
    Label1->move(CentredLeft(width(), Label1->width()), Label1->y());
}

void TMainForm::PanelMapMapClick(const QString& areaName)
{
    if (areaName == QLatin1String("exit"))
        close();
    else if (areaName == QLatin1String("play"))
        StartGame();
    else if (areaName == QLatin1String("options"))
        ShowOptions();
    else if (areaName == QLatin1String("reg") && OnShowAbout)
        OnShowAbout();
}

void TMainForm::ExitMapMapClick(const QString& areaName)
{
    if (areaName == QLatin1String("exit"))
        close();
    else if (areaName == QLatin1String("mini"))
        showMinimized();
    else if (areaName == QLatin1String("help") && OnShowHelp)
        OnShowHelp();
}

void TMainForm::CoverMapMapClick(const QString& areaName)
{
    if (areaName == QLatin1String("ad") && OnOpenLink)
        OnOpenLink(FCoverLink);
}

void TMainForm::CopyRightImageClick()
{
    if (OnShowAbout)
        OnShowAbout();
}

void TMainForm::ReportError(const std::string& text)
{
    if (OnMessage)
        OnMessage(text);
}

bool TMainForm::SoundAvailable() const
{
    return Sounds->Available();
}

// --- Layout ------------------------------------------------------------------------

void TMainForm::SetClientSize(int width, int height)
{
    resize(std::max(width, DesignClientWidth), height);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize()
{
    TLayoutSizes sizes;
    sizes.ClientWidth = width();
    sizes.ClientHeight = height();
    sizes.PanelMapWidth = PanelMap->width();
    sizes.PanelMapHeight = PanelMap->height();
    sizes.ExitMapWidth = ExitMap->width();
    sizes.OptionsPanelWidth = OptionsPanel->width();
    sizes.CopyRightWidth = CopyRightImage->width();
    const TMainLayout layout = ComputeMainLayout(sizes, FWorkArea);

    BgBevel->setGeometry(rect());
    Label1->move(Label1->x(), layout.Label1Top);
    PanelMap->move(layout.PanelMap.Left, layout.PanelMap.Top);
    ExitMap->move(layout.ExitMap.Left, layout.ExitMap.Top);
    OptionsPanel->move(layout.OptionsPanel.Left, layout.OptionsPanel.Top);
    CopyRightImage->move(layout.CopyRightImage.Left, layout.CopyRightImage.Top);
    move(layout.Window.Left, layout.Window.Top);
}

// --- Dragging the window ---------------------------------------------------------------

template <class TControl> void TMainForm::BindDragging(TControl* control)
{
    control->OnMouseDown = [this](QWidget* sender, QMouseEvent* event) { AppMouseDown(sender, event); };
    control->OnMouseMove = [this](QWidget* sender, QMouseEvent* event) { AppMouseMove(sender, event); };
    control->OnMouseUp = [this](QWidget* sender, QMouseEvent* event) { AppMouseUp(sender, event); };
}

void TMainForm::AppMouseDown(QWidget*, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Wayland refuses client-side moves of a top-level window; the compositor
    // moves it instead.
    if (OnWayland() && windowHandle() && windowHandle()->startSystemMove())
        return;
    Dragging = true;
    const QPoint global = event->globalPosition().toPoint();
    DragX = global.x() - x();
    DragY = global.y() - y();
}

void TMainForm::AppMouseMove(QWidget*, QMouseEvent* event)
{
    if (!Dragging)
        return;
    const QPoint global = event->globalPosition().toPoint();
    move(global.x() - DragX, global.y() - DragY);
}

void TMainForm::AppMouseUp(QWidget*, QMouseEvent* event)
{
    if (!Dragging || event->button() != Qt::LeftButton)
        return;
    Dragging = false;
    const QPoint global = event->globalPosition().toPoint();
    move(global.x() - DragX, global.y() - DragY);
}

void TMainForm::mousePressEvent(QMouseEvent* event)
{
    AppMouseDown(this, event);
}

void TMainForm::mouseMoveEvent(QMouseEvent* event)
{
    AppMouseMove(this, event);
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event)
{
    AppMouseUp(this, event);
}

// --- Closing -------------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event)
{
    SaveGameInProgress();
    Timer1->stop();
    GameEngine->GameActive = false;
    GameEngine->GameOver = true;
    SaveOptions();
    event->accept();
}
