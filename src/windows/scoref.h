#pragma once
// TScoreForm: the end-of-game window. It lists the five player records of
// the game with their pairs, names the winner and shows the card set's
// advertisement picture, which opens the set's link when clicked. Every
// showing refills all five rows from the game (an unused record shows an
// empty name and "0").

#include "windows/popUpF.h"

#include <array>
#include <string>
#include <vector>

class TGame;
class TGraphic;
class TLabel;

class TScoreForm : public TPopUpform {
    Q_OBJECT
public:
    static constexpr std::int32_t TitleEntry = 30;

    // Reads the players and the winner from game, which must outlive the
    // window. Throws EResourceError as TPopUpform does.
    TScoreForm(TLumResReader& skinArchive, const TGame& game, QWidget* parent = nullptr);

    // The new-game step: the set's advertisement picture (copied) and link.
    void SetAdvertisement(const TGraphic& picture, const std::string& link);
    // Up to two lines from the record of games, shown under the scores.
    void SetRecordLines(const std::vector<std::string>& lines);

    void FormShow();
    void AdImageClick(QObject* Sender);

    // Label1 .. Label13 as Label(1) .. Label(13).
    TLabel* Label(int number) const { return Labels.at(static_cast<std::size_t>(number)); }

    std::array<TLabel*, 2> RecordLabels {}; // the record lines
    TImage* AdImage = nullptr;
    std::string AdLink;
    TLinkHandler OnOpenLink; // AdImageClick; called only when assigned

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TGame& Game;
    std::array<TLabel*, 14> Labels {};
};
