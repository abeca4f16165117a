#include "app/AppWindows.h"

#include "app/MessageDialog.h"
#include "app/ShellLaunch.h"

TAppWindows::TAppWindows(TLumResReader& skin, const std::string& appDir)
    : MainForm(std::make_unique<TMainForm>(skin, appDir))
{
    MainForm->OnMessage = [](const std::string& text) {
        MessageDialog(QString::fromStdString(text), QString(), IconExclamation);
    };
    MainForm->OnOpenLink = [](const std::string& link) { OpenLink(QString::fromStdString(link)); };
}

TAppWindows::~TAppWindows() = default;
