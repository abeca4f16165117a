// The options panel of the main window: its controls, the copying of the
// settings into them and back, the card-set choice and the cap of the pair
// count to what the chosen set holds; and starting a game from it.
#include "app/MainF.h"

#include "app/BoardGrid.h"
#include "app/CardSetLanguage.h"
#include "app/Language.h"
#include "app/SetMaker.h"
#include "app/Settings.h"
#include "controls/LumImageCtrl.h"
#include "game/GameError.h"
#include "platform/Languages.h"
#include "platform/Translate.h"
#include "resources/ResourceError.h"
#include "windows/Image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr int OptionsWidth = 386;
constexpr int OptionsHeight = 303;
// Long enough for any real name, short enough for the score window's column.
constexpr int MaxNameLength = 32;

QComboBox* PickList(QWidget* parent, int left, int top)
{
    auto* box = new QComboBox(parent);
    box->setEditable(false);
    box->setGeometry(left, top, 145, 21);
    return box;
}

QCheckBox* Tick(QWidget* parent, int left, int top)
{
    auto* box = new QCheckBox(parent);
    box->setGeometry(left, top, 15, 15);
    return box;
}

// In the panel's caption colour and type, for the captions that the panel's
// picture has none for.
void PaintedCaptionLook(QWidget* widget, int pixelSize, bool bold = true)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, QColor(0xe3, 0xea, 0xff));
    widget->setPalette(colours);
    QFont font = widget->font();
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

// Under "Sound", above the note on names.
QCheckBox* MotionTick(QWidget* parent)
{
    auto* box = new QCheckBox(TMainForm::tr("Moving cards"), parent);
    box->setGeometry(30, 241, 150, 18);
    PaintedCaptionLook(box, 12); // as the panel's painted captions
    return box;
}

// Under the computer's memory: the list of languages with its caption on
// its left, and the note under them.
QComboBox* LanguageList(QWidget* parent)
{
    auto* caption = new QLabel(TMainForm::tr("Language"), parent);
    caption->setGeometry(200, 264, 70, 21);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PaintedCaptionLook(caption, 12);
    auto* box = PickList(parent, 272, 264);
    box->resize(105, 21);
    //: The language choice that follows the desktop's language.
    box->addItem(TMainForm::tr("System"), QString());
    for (const TLanguage& language : Languages())
        box->addItem(QString::fromUtf8(language.Name), QString::fromLatin1(language.Code));
    caption->setBuddy(box);
    return box;
}

// Between the delay list and "Sound", where the panel's picture leaves room.
QPushButton* MakeSetButtonFor(QWidget* parent, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(30, 193, 145, 21);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

void TMainForm::CreateOptionsPanel()
{
    OptionsPanel = new QWidget(this);
    OptionsPanel->resize(OptionsWidth, OptionsHeight);
    OptionsPanel->hide();
    OptionsBg = new TImage(OptionsPanel);
    OptionsBg->move(0, 0);

    CardsBox = PickList(OptionsPanel, 30, 68);
    PairsBox = PickList(OptionsPanel, 30, 116);
    for (const std::int32_t count : PairCounts)
        PairsBox->addItem(QLocale().toString(count));
    DelayBox = PickList(OptionsPanel, 30, 164);
    for (const char* delay : DelayTexts)
        DelayBox->addItem(QLocale().toString(QString::fromLatin1(delay).toDouble())); // "1,5" in many languages
    SoundCheck = Tick(OptionsPanel, 30, 221);
    MotionCheck = MotionTick(OptionsPanel);
    LanguageBox = LanguageList(OptionsPanel);
    LanguageNote = new QLabel(tr("Takes effect at the next start."), OptionsPanel);
    LanguageNote->setGeometry(200, 286, 180, 14);
    LanguageNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PaintedCaptionLook(LanguageNote, 10, false); // as the note on names
    LanguageNote->hide();
    for (std::size_t i = 0; i < PlayerEdits.size(); ++i) {
        PlayerEdits[i] = new QLineEdit(OptionsPanel);
        PlayerEdits[i]->setGeometry(232, 68 + 24 * static_cast<int>(i), 121, 21);
        PlayerEdits[i]->setMaxLength(MaxNameLength);
    }
    ComputerCheck = Tick(OptionsPanel, 232, 169);
    IQSlider = new TLumImageSlider(OptionsPanel);
    IQSlider->setGeometry(200, 225, 177, 18);
    IQSlider->SetStartPos(5);
    IQSlider->SetRange(0, 0, 10);

    // The maker's messages go through the window's, so tests and the
    // program's message box see them alike.
    MakeSetButton = MakeSetButtonFor(OptionsPanel, tr("New set from pictures..."));
    SetMaker = new TSetMaker(this, CardsDir, UserCardsDir);
    SetMaker->OnMessage = [this](const std::string& text) { ReportError(text); };
    SetMaker->OnAsk = [this](const std::string& text) { return OnAsk && OnAsk(text); };
    SetMaker->OnMade = [this](const std::string& file) { AddMadeSet(file); };
    connect(MakeSetButton, &QPushButton::clicked, SetMaker, &TSetMaker::Start);

    // Their labels are painted on the panel's picture; a screen reader needs them as names.
    CardsBox->setAccessibleName(tr("Cards"));
    PairsBox->setAccessibleName(tr("Pairs"));
    DelayBox->setAccessibleName(tr("Delay"));
    SoundCheck->setAccessibleName(tr("Sound"));
    for (std::size_t i = 0; i < PlayerEdits.size(); ++i)
        PlayerEdits[i]->setAccessibleName(tr("Player %1").arg(i + 1));
    ComputerCheck->setAccessibleName(tr("Computer"));
    IQSlider->setAccessibleName(tr("Computer level"));
    LanguageBox->setAccessibleName(tr("Language"));

    QWidget::setTabOrder(CardsBox, PairsBox);
    QWidget::setTabOrder(PairsBox, DelayBox);
    QWidget::setTabOrder(DelayBox, MakeSetButton);
    QWidget::setTabOrder(MakeSetButton, SoundCheck);
    QWidget::setTabOrder(SoundCheck, MotionCheck);
    // The language, a choice of its own, ends the left column's ones.
    QWidget::setTabOrder(MotionCheck, LanguageBox);
    QWidget::setTabOrder(LanguageBox, PlayerEdits[0]);
    for (std::size_t i = 1; i < PlayerEdits.size(); ++i)
        QWidget::setTabOrder(PlayerEdits[i - 1], PlayerEdits[i]);
    QWidget::setTabOrder(PlayerEdits[3], ComputerCheck);

    // Only the user's choices count as changes, not the panel's own filling.
    // Arrow keys on the closed list choose too: passing a set must not
    // check it, so the chosen set's pictures are checked on Play.
    connect(CardsBox, &QComboBox::activated, this, [this]() { CardsBoxChange(); });
    connect(PairsBox, &QComboBox::activated, this, [this]() { checkAvailableCards(); });
    connect(LanguageBox, &QComboBox::activated, this, [this]() { LanguageBoxChange(); });
}

void TMainForm::LanguageBoxChange()
{
    GameSettings.Language = LanguageBox->currentData().toString().toStdString();
    const std::string spoken = ActiveLanguage().empty() ? "en" : ActiveLanguage();
    LanguageNote->setVisible(ChooseLanguage(GameSettings.Language, std::getenv) != spoken);
}

void TMainForm::LoadOptions()
{
    LoadSettings(TKeyStore::ForCurrentUser(), {CardsDir, UserCardsDir}, GameSettings, GameEngine->Players, Catalogue);
    SettingsToPanel();
    GameEngine->ChooseLayout();
    if (Catalogue.empty())
        // Said once, after the window is up; the window stays usable.
        QTimer::singleShot(0, this, [this]() { ReportError(NoCardSetsText()); });
}

void TMainForm::SaveOptions()
{
    SaveSettings(TKeyStore::ForCurrentUser(), GameSettings, GameEngine->Players, Catalogue);
}

std::string TMainForm::NoCardSetsText() const
{
    return FillIn(Tr("TMainForm", "No readable set of cards in %1 or %2!"), {CardsDir, UserCardsDir});
}

const TCardsObj* TMainForm::SelectedSet() const
{
    const std::int32_t index = GameSettings.SelectedCardSet;
    if (index < 0 || index >= static_cast<std::int32_t>(Catalogue.size()))
        return nullptr;
    return &Catalogue[static_cast<std::size_t>(index)];
}

int TMainForm::SelectedPairs() const
{
    const int index = PairsBox->currentIndex();
    return index >= 0 && index < static_cast<int>(PairCounts.size()) ? PairCounts[static_cast<std::size_t>(index)]
                                                                      : PairCounts[0];
}

void TMainForm::CapPairsBox(std::int32_t imageCount)
{
    PairsBox->setCurrentIndex(CapPairIndex(PairsBox->currentIndex(), imageCount));
}

void TMainForm::ShowOptions()
{
    // A game left here is kept as it stands, for the cover to offer again;
    // the player is told when it cannot be.
    const std::string unsaved = SaveGameInProgress();
    GameEngine->StopGame();
    MGrid->hide();
    CopyRightImage->show();
    CoverPanel->hide();
    SetClientSize(490, 450);
    OptionsPanel->show();
    OptionsPanel->raise();
    SetPlayerLabel(Tr("TMainForm", "Set Options"));
    if (!unsaved.empty())
        ReportError(FillIn(Tr("TMainForm", "Your game could not be saved: %1"), {unsaved}));
    checkAvailableCards();
}

void TMainForm::checkAvailableCards()
{
    const TCardsObj* set = SelectedSet();
    if (!set)
        return;
    if (LacksImages(PairsBox->currentIndex(), set->ImageCount))
        ReportError(NotEnoughImagesText(set->ImageCount));
    CapPairsBox(set->ImageCount);
}

void TMainForm::CardsBoxChange()
{
    const int item = CardsBox->currentIndex();
    if (item < 0)
        return;
    // Each item carries its catalogue position.
    GameSettings.SelectedCardSet = CardsBox->itemData(item).toInt();
}

void TMainForm::MarkUnusableSet(int item)
{
    const auto* model = qobject_cast<QStandardItemModel*>(CardsBox->model());
    QStandardItem* entry = model ? model->item(item) : nullptr;
    if (!entry)
        return;
    // Greyed, and passed over by the keys and the list.
    entry->setEnabled(false);
    entry->setText(tr("%1 (cannot be used)").arg(CardSetDisplayName(Catalogue[static_cast<std::size_t>(item)], CardsDir)));
}

void TMainForm::SettingsToPanel()
{
    const TCardsObj* set = SettingsToControls();
    if (!set)
        return;
    GameEngine->CellWidth = set->CardWidth;
    GameEngine->CellHeight = set->CardHeight;
}

const TCardsObj* TMainForm::SettingsToControls()
{
    const TGame& game = *GameEngine;
    SoundCheck->setChecked(GameSettings.SoundOn);
    MotionCheck->setChecked(GameSettings.MotionOn);
    ComputerCheck->setChecked(GameSettings.ComputerPlays);
    IQSlider->SetPosition(GameSettings.ComputerLevel);

    const TPlayerEdits names = NamesForEdits(game.Players, GameSettings.ComputerPlays);
    for (std::size_t i = 0; i < PlayerEdits.size(); ++i)
        PlayerEdits[i]->setText(QString::fromStdString(names[i]));

    PairsBox->setCurrentIndex(PairCountIndex(GameSettings.PairCount));
    DelayBox->setCurrentIndex(std::clamp(GameSettings.DelayIndex, 0, static_cast<std::int32_t>(DelayTexts.size()) - 1));
    // A stored language we do not know is "System".
    LanguageBox->setCurrentIndex(std::max(LanguageBox->findData(QString::fromStdString(GameSettings.Language)), 0));
    LanguageBoxChange();
    Timer1->setInterval(TurnDelayMs(GameSettings.DelayIndex));

    FillCardsBox();
    const TCardsObj* set = SelectedSet();
    if (!set)
        return nullptr;
    CapPairsBox(set->ImageCount);
    return set;
}

void TMainForm::FillCardsBox()
{
    CardsBox->clear();
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        CardsBox->addItem(CardSetDisplayName(Catalogue[i], CardsDir), static_cast<int>(i));
        if (!Catalogue[i].Unusable.empty())
            MarkUnusableSet(static_cast<int>(i));
    }
    if (SelectedSet())
        CardsBox->setCurrentIndex(GameSettings.SelectedCardSet);
}

void TMainForm::AddMadeSet(const std::string& file)
{
    TCardsObj set;
    if (!ReadCardsObj(file, set)) {
        ReportError(tr("The new set in %1 cannot be read.")
                        .arg(QString::fromStdString(file))
                        .toStdString());
        return;
    }
    const std::int32_t imageCount = set.ImageCount;
    GameSettings.SelectedCardSet = PutCardSet(Catalogue, std::move(set));
    FillCardsBox();
    CapPairsBox(imageCount);
}

void TMainForm::PanelToSettings()
{
    TGame& game = *GameEngine;
    GameSettings.SoundOn = SoundCheck->isChecked();
    GameSettings.MotionOn = MotionCheck->isChecked();
    GameSettings.PairCount = SelectedPairs();
    GameSettings.ComputerPlays = ComputerCheck->isChecked();
    GameSettings.ComputerLevel = IQSlider->Position();
    GameSettings.DelayIndex = std::max(DelayBox->currentIndex(), 0);
    Timer1->setInterval(TurnDelayMs(GameSettings.DelayIndex));

    if (CardsBox->currentIndex() >= 0)
        GameSettings.SelectedCardSet = CardsBox->itemData(CardsBox->currentIndex()).toInt();

    TPlayerEdits edits;
    for (std::size_t i = 0; i < PlayerEdits.size(); ++i)
        edits[i] = PlayerEdits[i]->text().toStdString();
    game.PlayerCount = ApplyPlayerNames(game.Players, edits, GameSettings.ComputerPlays);
    game.ChooseLayout();
}

void TMainForm::StartGame()
{
    // Too few pictures for the pairs chosen: said, the pairs lowered, and
    // the player sees the change before a game starts.
    if (const TCardsObj* set = SelectedSet();
        set && set->Unusable.empty() && LacksImages(PairsBox->currentIndex(), set->ImageCount)) {
        checkAvailableCards();
        return;
    }
    // A saved game or one in progress is lost only on the player's word.
    if ((OfferedGame || GameWorthKeeping()) && !(OnAsk && OnAsk(Tr("TMainForm", "Start a new game? Your unfinished game will be lost."))))
        return;
    const bool coverShown = CoverPanel->isVisible();
    // A running game's board must keep its shape if the new deal fails.
    const std::int32_t rows = GameEngine->Rows;
    const std::int32_t cols = GameEngine->Cols;
    CoverPanel->hide();
    PanelToSettings();
    const TCardsObj* set = SelectedSet();
    std::string refusal = !set ? NoCardSetsText() : set->Unusable;
    if (refusal.empty()) {
        try {
            GameEngine->NewGame1Click(set->FileName);
            DealtSetFile = set->FileName;
            DiscardSavedGame();
            StartGameClock(0);
            QueueSave(true); // the options just chosen survive a crash too
            return;
        } catch (const EGameError& error) {
            const auto index = static_cast<std::size_t>(GameSettings.SelectedCardSet);
            refusal = Catalogue[index].Unusable = UnusableSetText(*set, error.Plain(), error.what());
            MarkUnusableSet(static_cast<int>(index));
        } catch (const std::exception& error) {
            refusal = error.what();
        }
    }
    // Nothing was dealt: the window stays on the face it showed.
    GameEngine->Rows = rows;
    GameEngine->Cols = cols;
    CoverPanel->setVisible(coverShown);
    ReportError(refusal);
}
