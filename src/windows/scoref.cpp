#include "windows/scoref.h"

#include "game/Game.h"
#include "windows/Image.h"
#include "windows/Label.h"

#include <QLocale>

namespace {

const QColor Yellow(255, 255, 0);
constexpr int RowTops[5] = {88, 108, 126, 144, 162};
// Under the advertisement (which ends at 220), so the lines have the
// window's width up to the close button.
constexpr int RecordTops[2] = {222, 236};
constexpr int NameLeft = 24;
constexpr int PairsLeft = 148;
constexpr int AdLeft = 200;
// Room kept between a cut text and what lies to its right.
constexpr int Gap = 4;

} // namespace

TScoreForm::TScoreForm(TLumResReader& skinArchive, const TGame& game, QWidget* parent)
    : TPopUpform(skinArchive, parent), Game(game)
{
    LoadTitle(skinArchive, TitleEntry);
    setWindowTitle(tr("Score")); // for the window list; the frame shows no caption

    AdImage = new TImage(this);
    AdImage->SetStretch(true);
    AdImage->setGeometry(AdLeft, 50, 178, 170);
    AdImage->SetCursor(PointCursorSlot);
    AdImage->SetTabStop(true);
    AdImage->OnClick = [this](QObject* sender) { AdImageClick(sender); };

    for (int n = 1; n <= 13; ++n) {
        Labels[static_cast<std::size_t>(n)] = new TLabel(QString(), this);
        // Names are shown as typed, never read as markup.
        Label(n)->setTextFormat(Qt::PlainText);
    }
    Label(6)->setText(tr("Players:"));
    Label(6)->move(32, 60);
    Label(12)->setText(tr("Pairs:"));
    Label(12)->move(150, 60);
    for (int row = 0; row < 5; ++row) {
        Label(1 + row)->move(NameLeft, RowTops[row]);
        Label(7 + row)->setGeometry(PairsLeft, RowTops[row], 32, 13);
        Label(7 + row)->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    Label(13)->move(NameLeft, 198);
    for (int n = 1; n <= 13; ++n) {
        Label(n)->SetFontColor(Yellow);
        if (n < 7 || n > 11)
            Label(n)->adjustSize();
    }
    for (std::size_t i = 0; i < RecordLabels.size(); ++i) {
        RecordLabels[i] = new TLabel(QString(), this);
        RecordLabels[i]->setTextFormat(Qt::PlainText);
        RecordLabels[i]->SetFontColor(Yellow);
        RecordLabels[i]->move(NameLeft, RecordTops[i]);
    }
}

void TScoreForm::SetRecordLines(const std::vector<std::string>& lines)
{
    // Only a line too long even for that room is cut; its name gives way.
    for (std::size_t i = 0; i < RecordLabels.size(); ++i)
        RecordLabels[i]->SetTextWithin(i < lines.size() ? QString::fromStdString(lines[i]) : QString(),
                                       CloseBtn->x() - Gap - NameLeft);
}

void TScoreForm::SetAdvertisement(const TGraphic& picture, const std::string& link)
{
    AdImage->SetPicture(picture);
    AdLink = link;
}

void TScoreForm::FormShow()
{
    for (int record = 1; record <= 5; ++record) {
        const TPlayer& player = Game.Players[static_cast<std::size_t>(record)];
        // A long name stops short of the pairs column, the winner line short
        // of the advertisement beside it.
        Label(record)->SetTextWithin(QString::fromStdString(player.Name), PairsLeft - Gap - NameLeft);
        Label(6 + record)->setText(QLocale().toString(player.Score));
    }
    Label(13)->SetTextWithin(tr("The winner is: %1").arg(QString::fromStdString(IsolatedName(Game.WinnerText))),
                             AdLeft - Gap - NameLeft);
    AdImage->SetHint(QString::fromStdString(AdLink));
}

void TScoreForm::AdImageClick(QObject*)
{
    // A set without a link (the player's own sets have none) has nothing to open.
    if (OnOpenLink && !AdLink.empty())
        OnOpenLink(AdLink);
}

void TScoreForm::showEvent(QShowEvent* event)
{
    FormShow();
    TPopUpform::showEvent(event);
}
