#pragma once
// The program's windows, created in their fixed order from the open skin
// archive (the main window first, then the popup frame, the score, About
// and help windows) and wired together: the main window's commands open the
// popups modally, a deal hands the score window the set's advertisement (a
// default set's in the player's language, app/CardSetLanguage.h),
// and every link or mail address goes to the desktop. The skin at twice the
// resolution, kobalind@2x.dat in appDir, is read too when it is there, and
// so are the overlays of the language's captions (app/SkinLanguage.h).

#include "app/MainF.h"

#include <memory>
#include <string>

class TAboutForm;
class TLumResReader;
class TPopUpform;
class TScoreForm;
class Thelpform;

struct TAppWindows {
    // Throws (EResourceError and the windows' own errors) when a window
    // cannot take its pictures from the skin; nothing is left on screen then.
    // A language's overlay that cannot be used is told on stderr, and the
    // skin's own captions are shown.
    TAppWindows(TLumResReader& skin, const std::string& appDir, const std::string& language = {});
    ~TAppWindows();

    std::unique_ptr<TMainForm> MainForm;
    // Owned by the main window (Qt parent), so they stay above it.
    TPopUpform* PopUpform = nullptr;
    TScoreForm* ScoreForm = nullptr;
    TAboutForm* AboutForm = nullptr;
    Thelpform* helpform = nullptr;
};
