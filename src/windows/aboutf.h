#pragma once
// TAboutForm: the product title and version, the makers' credits, the credit
// for the card pictures and three links (two web addresses, one mail
// address). The window is dragged by its background, title bar and the
// labels that are not links; a link label only clicks.

#include "windows/popUpF.h"

#include <array>

class TLabel;

class TAboutForm : public TPopUpform {
    Q_OBJECT
public:
    static constexpr std::int32_t TitleEntry = 23;
    // Behind the card-picture credit's link label.
    static constexpr const char* PictureCreditLink = "https://github.com/googlefonts/noto-emoji";

    explicit TAboutForm(TLumResReader& skinArchive, QWidget* parent = nullptr);

    // Label7 opens PictureCreditLink, any other sender its own text.
    void URLClick(TLabel* Sender);
    // The sender's text goes to OnSendMail.
    void MailClick(TLabel* Sender);

    // Label1 .. Label12 as Label(1) .. Label(12); Label9 and Label10 do not exist.
    TLabel* Label(int number) const { return Labels.at(static_cast<std::size_t>(number)); }

    TLinkHandler OnOpenLink; // called only when assigned
    TLinkHandler OnSendMail;

private:
    std::array<TLabel*, 13> Labels {};
};
