#pragma once
// TMainForm: the program's one top-level window. Borderless and skinned all
// over; it shows the welcome cover, the options panel or the game board, is
// moved by dragging its surface, and is the view through which the game
// engine paints the board, runs the turn timer and plays the sounds.
//
// The window owns the game, its settings, the card-set catalogue, the sounds
// and the face pictures for the whole run. It takes every skin picture from
// the open skin archive while it is constructed and keeps no reference to
// the archive afterwards.

#include "app/Announcer.h"
#include "app/CardPaint.h"
#include "app/CardsObj.h"
#include "app/GameNews.h"
#include "app/MainLayout.h"
#include "app/SharpFaces.h"
#include "controls/LumBitmap.h"
#include "game/Game.h"
#include "game/SavedGame.h"
#include "resources/GifImage.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;
class TBoardGrid;
class TFaceOverlay;
class TImage;
class TLumImageBevel;
class TLumImageMap;
class TLumImageSlider;
class TLumResReader;
class TMotionView;
class TScoreStrip;
class TSetMaker;
class TSounds;
class TStatusLine;

// The few texts the main window shows by itself.
inline constexpr const char* AppTitle = "Orvane Kobalind 2.06";
inline constexpr const char* InstanceName = "Orvane Kobalind 2.0";

class TMainForm : public QWidget, public TGameView {
    Q_OBJECT
public:
    // FormCreate. appDir ends with a path delimiter. The work area is the
    // primary screen's available geometry unless given (tests fix it).
    // Throws EResourceError when a skin entry is missing or unreadable (and
    // EControlError for a picture a control cannot take).
    TMainForm(TLumResReader& skin, const std::string& appDir, std::optional<TWorkArea> workArea = std::nullopt);
    ~TMainForm() override; // FormDestroy

    // --- Faces and commands -------------------------------------------------
    void ShowWelcome();
    void ShowOptions();
    void SetPlayerLabel(const std::string& text) override;
    void FormResize();
    void PanelMapMapClick(const QString& areaName);
    void ExitMapMapClick(const QString& areaName);
    void CoverMapMapClick(const QString& areaName);
    void CopyRightImageClick();

    // --- A game across runs ------------------------------------------------------
    // Writes the game in progress to the saved-game file (closing, the session
    // ending, the program quitting, the options panel opening); a finished
    // game whose last delay was still running is recorded instead, and a
    // game without a turn played is not kept. A failure is told on stderr
    // and returned as its reason (empty when none): the program may be going
    // away and cannot ask. After every turn the game is saved as well, once
    // the turn is painted, so a crash loses at most the turn in progress.
    std::string SaveGameInProgress();
    // The cover's resume choice (the status line, while the cover offers a
    // saved game); elsewhere it does nothing. A game whose set is gone,
    // changed or unreadable is refused with a message and moved aside.
    void ResumeSavedGame();
    bool ResumeOffered() const { return OfferedGame.has_value() && !CoverPanel->isHidden(); }
    // Under the scores: the best result with this set and pair count and,
    // against the computer, the won/lost count at its level. Filled when a
    // game is recorded.
    const std::vector<std::string>& RecordLines() const { return FRecordLines; }

    // --- Options panel --------------------------------------------------------
    void SettingsToPanel();
    void PanelToSettings();
    void CardsBoxChange();
    void checkAvailableCards();
    // The language chosen: kept in the settings at once, and the note shown
    // while it differs from the language being spoken.
    void LanguageBoxChange();

    // --- The board, as the game engine sees it ----------------------------------
    void DrawCard(std::int32_t col, std::int32_t row) override;
    void ShowFaceOverlay(std::int32_t phase, std::int32_t col, std::int32_t row) override;
    void HideFaceOverlays() override;
    void StartTurnTimer(std::int32_t intervalMs) override;
    void StopTurnTimer() override;
    void PlaySound(TGameSound sound) override;
    void ShowScoreWindow() override;
    void ApplyBoardGeometry(const TBoardGeometry& geometry) override;
    void SetAdvertisement(const TGraphic& picture, const std::string& link) override;
    void ShowBoard() override;

    // --- Hooks to the rest of the program ------------------------------------------
    // Each is called only when assigned. The program entry binds them to the
    // message box and the popup windows; tests bind recorders.
    std::function<void(const std::string& text)> OnMessage;   // an exclamation box, OK only
    std::function<bool(const std::string& text)> OnAsk;       // a yes/no question, true for yes; unassigned: no
    std::function<void()> OnShowScore;                        // the score window, modal
    std::function<void()> OnShowAbout;                        // the About window, modal
    std::function<void()> OnShowHelp;                         // the help window, modal
    std::function<void(const std::string& link)> OnOpenLink;  // the cover's link
    std::function<void(const TGraphic& picture, const std::string& link)> OnAdvertisement;

    // --- State, for the windows and tests ------------------------------------------
    TGame& Game() { return *GameEngine; }
    TSettings& Settings() { return GameSettings; }
    TRandom& Random() { return Rand; } // tests fix its clock, and so the deal
    const TCardSets& CardSets() const { return Catalogue; }
    const std::string& CoverLink() const { return FCoverLink; }
    bool SoundAvailable() const;
    // What a screen reader was last told of the game (GameNews.h).
    const QString& LastAnnouncement() const { return Announcer.Last(); }

    // The components, named as the window has always named them.
    TLumImageBevel* BgBevel = nullptr;
    TLumImageMap* PanelMap = nullptr;
    TLumImageMap* ExitMap = nullptr;
    TStatusLine* Label1 = nullptr;
    TImage* CopyRightImage = nullptr;
    TBoardGrid* MGrid = nullptr;
    QTimer* Timer1 = nullptr;
    TFaceOverlay* Panel1 = nullptr;
    TFaceOverlay* Panel2 = nullptr;
    QWidget* OptionsPanel = nullptr;
    TImage* OptionsBg = nullptr;
    QComboBox* CardsBox = nullptr;
    QComboBox* PairsBox = nullptr;
    QComboBox* DelayBox = nullptr;
    QComboBox* LanguageBox = nullptr; // "System", then each language by its own name
    QLabel* LanguageNote = nullptr;   // "takes effect at the next start"
    QCheckBox* SoundCheck = nullptr;
    QCheckBox* MotionCheck = nullptr;
    std::array<QLineEdit*, 4> PlayerEdits {}; // Player1Edit .. Player4Edit
    QCheckBox* ComputerCheck = nullptr;
    TLumImageSlider* IQSlider = nullptr;
    QPushButton* MakeSetButton = nullptr; // a set of the player's own pictures (SetMaker.h)
    QWidget* CoverPanel = nullptr;
    TLumImageMap* CoverMap = nullptr;
    // The view the engine talks to (cards that move), and every score in the bar.
    TMotionView* Motion = nullptr;
    TScoreStrip* ScoreStrip = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override; // the saves queued behind a turn's paint
    void closeEvent(QCloseEvent* event) override; // FormClose
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateComponents();
    void CreateOptionsPanel();
    void CreateMotion();
    void LoadSkin(TLumResReader& skin);
    void CreateAreas();
    // FormCreate's last steps: settings and catalogue read, panel filled,
    // board shape chosen. SaveOptions is FormClose's settings step.
    void LoadOptions();
    void SaveOptions();
    std::string NoCardSetsText() const;
    // Hands a control's mouse hooks to the window's drag handlers.
    template <class TControl> void BindDragging(TControl* control);
    void AppMouseDown(QWidget* control, QMouseEvent* event);
    void AppMouseMove(QWidget* control, QMouseEvent* event);
    void AppMouseUp(QWidget* control, QMouseEvent* event);
    void SetClientSize(int width, int height);
    void StartGame();
    // A game in progress with a turn played: kept when it is left, saved
    // after each turn, and never replaced by a new deal without asking.
    bool GameWorthKeeping() const;
    // SettingsToPanel without the cell size, for a board already fitted.
    const TCardsObj* SettingsToControls();
    void OfferSavedGame();
    // The status line offers the saved game while the cover shows and has one.
    void ShowResumeChoice();
    void RefuseOfferedGame(const std::string& reason);
    void DiscardSavedGame();
    // Saves the game as it stands (when worth keeping) and, if asked, the
    // settings, after the paint that is due.
    void QueueSave(bool settings);
    std::string WriteGame(const TSavedGame& saved); // the failure's reason, or empty
    void StartGameClock(std::int32_t elapsedBefore);
    std::int32_t ElapsedSeconds() const;
    void RecordFinishedGame();
    void ReportError(const std::string& text);
    void PaintCell(std::int32_t col, std::int32_t row, QPainter& painter, const QRect& rect);
    void PaintCellAs(TCellPaint paint, std::int32_t col, std::int32_t row, QPainter& painter, const QRect& rect);
    // "row 2, column 3, face down": what a screen reader says of the cell.
    QString CellName(std::int32_t col, std::int32_t row) const;
    void PaintGifStill(std::int32_t slot, QPainter& painter, const QRect& rect);
    // Draws a picture at twice the resolution when there is one; false otherwise.
    bool PaintSharp(const QImage& sharp, QPainter& painter, const QRect& rect);
    void CapPairsBox(std::int32_t imageCount);
    // CardsBox holds the catalogue, unusable sets marked, the selected set chosen.
    void FillCardsBox();
    // A set the maker wrote: listed (in place of the one of its file name) and chosen.
    void AddMadeSet(const std::string& file);
    // Shows CardsBox's item of a set that cannot be used as such; the list
    // holds the sets in catalogue order, so item is the set's position.
    void MarkUnusableSet(int item);
    int SelectedPairs() const;
    const TCardsObj* SelectedSet() const;

    std::string AppDir;
    std::string CardsDir;     // the program's own sets, beside the executable
    std::string UserCardsDir; // the user's own sets (UserCardsFolder), listed after them
    TWorkArea FWorkArea;
    std::string FCoverLink;
    QImage GridBrushBitmap;

    TSettings GameSettings;
    TRandom Rand;
    std::unique_ptr<TGame> GameEngine;
    TCardSets Catalogue;
    TSetMaker* SetMaker = nullptr;
    TSounds* Sounds = nullptr;
    TGIFImage GIFImg;       // decodes a GIF face for its still rendering
    TLumBitmap SkinBitmap;  // the still rendering, fitted to the cell
    // By face slot (TGame::FaceSlotAt): the fitted still once painted in this
    // deal. Both cells of an alike pair and every later repaint of the
    // finished board reuse it instead of decoding the face again.
    std::vector<QImage> StillCache;
    // The deal's faces at twice the resolution, for a dense screen.
    TSharpFaces SharpFaces;
    // By face slot: the GIF face failed to load into an overlay in this
    // deal, so its face-up cells are painted blank.
    std::vector<bool> FailedFaces;
    // The archive of the running deal, named in messages about its faces.
    std::string DealtSetFile;

    // The pointer's offset from the window's top-left at the press; the
    // window follows the pointer keeping it.
    bool Dragging = false;
    int DragX = 0;
    int DragY = 0;
    bool StillErrorShown = false;

    // The game on file, which the cover offers: as read at start-up or last
    // written; none once it is discarded, refused or finished.
    std::optional<TSavedGame> OfferedGame;
    std::optional<TSavedGame> PendingSave; // captured after a turn, written by the queued save
    bool SettingsPending = false;
    bool SavePosted = false;
    QElapsedTimer GameClock;               // play time of this run's part of the game
    std::int32_t ElapsedBefore = 0;        // play time of the runs before
    bool GameRecorded = false;
    std::vector<std::string> FRecordLines;

    TAnnouncer Announcer {*this};
    TGameNews News {Announcer};
};
