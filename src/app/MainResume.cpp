// The main window's part in a game that outlives the program: saving the
// game in progress on the way out, offering it on the cover at the next
// start, resuming or refusing it, and recording every finished game.
#include "app/MainF.h"

#include "app/GameFiles.h"
#include "app/StatusLine.h"
#include "game/CardSetLoader.h"
#include "game/GameError.h"
#include "platform/PlatformError.h"
#include "platform/Translate.h"
#include "platform/UserFolders.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

// Posted below the paints' priority, so a save never delays what the player sees.
const QEvent::Type SaveEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
constexpr int SavePriority = Qt::LowEventPriority - 1;

// The file was replaced; only whether it would survive a power cut is unsure.
void ReportNotOnDisk(const TWriteOutcome& written)
{
    if (!written.Durable)
        std::fprintf(stderr, "kobalind: %s\n", written.Warning.c_str());
}

} // namespace

void TMainForm::OfferSavedGame()
{
    Label1->installEventFilter(this);
    CoverPanel->installEventFilter(this); // leaving the cover withdraws the offer, coming back makes it again
    Label1->OnClick = [this](TLabel*) { ResumeSavedGame(); }; // Enter or Space while it offers the game
    TSavedGameFound found = ReadSavedGame(SavedGameFile());
    OfferedGame = std::move(found.Game);
    if (!found.Problem.empty())
        // Said once the window is up; start-up goes on without the game.
        QTimer::singleShot(0, this, [this, text = found.Problem]() { ReportError(text); });
}

void TMainForm::ShowResumeChoice()
{
    // While it offers the game, a click on the status line resumes it;
    // otherwise a press there drags the window.
    const bool offered = ResumeOffered();
    Label1->SetPressable(offered);
    if (!CoverPanel->isHidden())
        SetPlayerLabel(offered ? Tr("TMainForm", "Welcome back: click here to resume your game")
                               : Tr("TMainForm", "Welcome"));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == CoverPanel && (type == QEvent::ShowToParent || type == QEvent::HideToParent))
        ShowResumeChoice();
    if (watched != Label1 || !ResumeOffered()
        || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
            && type != QEvent::MouseButtonRelease))
        return QWidget::eventFilter(watched, event);
    // The press is taken too: passed on, it would start dragging the window.
    if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        ResumeSavedGame();
    return true;
}

void TMainForm::ResumeSavedGame()
{
    if (!ResumeOffered())
        return;
    const TSavedGame saved = *OfferedGame;
    // The set of that file name the catalogue lists: the user's copy when
    // there is one, as when the game was dealt.
    const std::int32_t listed = FindCardSet(Catalogue, saved.CardSet);
    const std::string file =
        listed >= 0 ? Catalogue[static_cast<std::size_t>(listed)].FileName : CardsDir + saved.CardSet;
    TCardSet set;
    try {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec))
            throw EGameError(FillIn(Tr("SavedGame", "its card set %1 is gone"), {file}));
        if (CardSetDigest(file) != saved.Digest)
            throw EGameError(FillIn(Tr("SavedGame", "its card set %1 has changed since it was saved"), {file}));
        set = LoadCardSet(file, saved.FaceEntries, GameEngine->WorkAreaWidth, GameEngine->WorkAreaHeight);
    } catch (const EGameError& error) {
        RefuseOfferedGame(error.what());
        return;
    }
    // The file stays until the game ends or is saved again: a crash meanwhile
    // still finds it.
    if (listed >= 0)
        GameSettings.SelectedCardSet = listed;
    CoverPanel->hide();
    DealtSetFile = file;
    // The saved options and players become the settings here.
    GameEngine->ResumeGame(saved, std::move(set), file);
    // The options panel shows them; the board keeps the cells it was fitted to.
    SettingsToControls();
    StartGameClock(saved.ElapsedSeconds);
    QueueSave(true);
}

void TMainForm::RefuseOfferedGame(const std::string& reason)
{
    OfferedGame.reset();
    ShowResumeChoice();
    ReportError(RefuseSavedGame(SavedGameFile(), reason));
}

void TMainForm::DiscardSavedGame()
{
    OfferedGame.reset();
    PendingSave.reset();
    ShowResumeChoice();
    std::error_code ec;
    std::filesystem::remove(SavedGameFile(), ec);
}

void TMainForm::StartGameClock(std::int32_t elapsedBefore)
{
    ElapsedBefore = elapsedBefore;
    GameClock.start();
    GameRecorded = false;
}

std::int32_t TMainForm::ElapsedSeconds() const
{
    return ElapsedBefore + static_cast<std::int32_t>(GameClock.isValid() ? GameClock.elapsed() / 1000 : 0);
}

bool TMainForm::GameWorthKeeping() const
{
    const TGame& game = *GameEngine;
    return game.GameActive && !game.GameOver && game.Moves > 0;
}

std::string TMainForm::SaveGameInProgress()
{
    PendingSave.reset(); // older than what is written now
    const TGame& game = *GameEngine;
    if (game.GameActive && game.GameOver)
        RecordFinishedGame();
    // A deal nobody has played a turn in holds nothing to lose.
    if (!GameWorthKeeping())
        return {};
    return WriteGame(CaptureGame(game, GameSettings, ElapsedSeconds()));
}

void TMainForm::QueueSave(bool settings)
{
    if (GameWorthKeeping())
        PendingSave = CaptureGame(*GameEngine, GameSettings, ElapsedSeconds());
    SettingsPending = SettingsPending || settings;
    if (!SavePosted && (PendingSave || SettingsPending)) {
        SavePosted = true;
        QCoreApplication::postEvent(this, new QEvent(SaveEvent), SavePriority);
    }
}

void TMainForm::customEvent(QEvent* event)
{
    if (event->type() != SaveEvent) {
        QWidget::customEvent(event);
        return;
    }
    SavePosted = false;
    if (PendingSave) {
        const TSavedGame saved = std::move(*PendingSave);
        PendingSave.reset();
        WriteGame(saved);
    }
    if (SettingsPending) {
        SettingsPending = false;
        SaveOptions();
    }
}

std::string TMainForm::WriteGame(const TSavedGame& saved)
{
    try {
        ReportNotOnDisk(WriteSavedGame(SavedGameFile(), saved));
        OfferedGame = saved;
        return {};
    } catch (const EPlatformError& error) {
        std::fprintf(stderr, "kobalind: the game could not be saved: %s\n", error.what());
        return error.what();
    }
}

void TMainForm::RecordFinishedGame()
{
    if (GameRecorded)
        return;
    GameRecorded = true;
    OfferedGame.reset();
    PendingSave.reset();
    std::error_code ec;
    std::filesystem::remove(SavedGameFile(), ec); // a resumed game's, now finished
    const TRecord record = MakeRecord(*GameEngine, GameSettings, RecordDate(std::time(nullptr)), ElapsedSeconds());
    try {
        ReportNotOnDisk(AppendRecordTo(RecordsFile(), record));
    } catch (const EPlatformError& error) {
        std::fprintf(stderr, "kobalind: the game could not be recorded: %s\n", error.what());
    }
    FRecordLines = SummaryLines(ReadRecords(RecordsFile()), record);
}
