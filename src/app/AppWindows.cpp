#include "app/AppWindows.h"

#include "app/CardSetLanguage.h"
#include "app/MessageDialog.h"
#include "app/ShellLaunch.h"
#include "app/SkinLanguage.h"
#include "controls/LumSharpSkin.h"
#include "windows/aboutf.h"
#include "windows/helpf.h"
#include "windows/popUpF.h"
#include "windows/scoref.h"

#include <cstdio>

namespace {

void OpenLinkUtf8(const std::string& link)
{
    OpenLink(QString::fromStdString(link));
}

void SendMailUtf8(const std::string& address)
{
    SendMail(QString::fromStdString(address));
}

} // namespace

TAppWindows::TAppWindows(TLumResReader& ordinarySkin, const std::string& appDir, const std::string& language)
{
    TLanguageSkin captions(ordinarySkin, appDir, language);
    if (!captions.Problem.empty())
        std::fprintf(stderr, "kobalind: %s\n", captions.Problem.c_str());
    TLumResReader& skin = captions.Reader();
    // The windows take the pictures at twice the resolution, where there are any, too.
    const TSharpSkin sharp(appDir + "kobalind@2x.dat", captions.SharpOverlayFile, captions.Replaced);
    MainForm = std::make_unique<TMainForm>(skin, appDir);
    TMainForm* main = MainForm.get();
    PopUpform = new TPopUpform(skin, main);
    ScoreForm = new TScoreForm(skin, main->Game(), main);
    AboutForm = new TAboutForm(skin, main);
    helpform = new Thelpform(skin, main);

    ScoreForm->OnOpenLink = OpenLinkUtf8;
    AboutForm->OnOpenLink = OpenLinkUtf8;
    AboutForm->OnSendMail = SendMailUtf8;
    helpform->OnOpenLink = OpenLinkUtf8;
    helpform->OnSendMail = SendMailUtf8;

    main->OnMessage = [](const std::string& text) {
        MessageDialog(QString::fromStdString(text), QString(), IconExclamation);
    };
    main->OnAsk = [](const std::string& text) { return AskYesNo(QString::fromStdString(text)); };
    main->OnOpenLink = OpenLinkUtf8;
    main->OnShowScore = [this, main]() {
        ScoreForm->SetRecordLines(main->RecordLines());
        ScoreForm->exec();
    };
    main->OnShowAbout = [this]() { AboutForm->exec(); };
    main->OnShowHelp = [this]() { helpform->exec(); };
    main->OnAdvertisement = [this, main, appDir, language](const TGraphic& picture, const std::string& link) {
        std::string problem;
        const std::unique_ptr<TGraphic> translated =
            LanguageAdvert(main->Game().CardSetFile, appDir + "cards/", language, problem);
        if (!problem.empty())
            std::fprintf(stderr, "kobalind: %s\n", problem.c_str());
        ScoreForm->SetAdvertisement(translated ? *translated : picture, link);
    };
}

TAppWindows::~TAppWindows() = default;
