// Program entry: one copy at a time, the skin opened, the windows created,
// the skin closed, then the event loop until the main window closes.

#include "app/Accessibility.h"
#include "app/AppWindows.h"
#include "app/Language.h"
#include "app/MainF.h"
#include "app/QuitSignals.h"
#include "app/Settings.h"
#include "platform/InstanceLock.h"
#include "platform/Languages.h"
#include "resources/LumRes.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string ExecutableFolder()
{
    std::string folder = QCoreApplication::applicationDirPath().toStdString();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Only the name: a display name would be appended by Qt to every
    // window's title, the start-up error box's included.
    QApplication::setApplicationName(QString::fromUtf8(AppTitle));
    InstallAccessibility();

    TInstanceLock lock;
    if (lock.Acquire(InstanceName) == TInstanceLock::TResult::AlreadyHeld)
        return 0;

    const std::string appDir = ExecutableFolder();
    InstallLanguage(ChooseLanguage(ReadLanguageSetting(TKeyStore::ForCurrentUser()), std::getenv), appDir);
    std::unique_ptr<TAppWindows> windows;
    try {
        TLumResFileReader skin(appDir + "kobalind.dat");
        windows = std::make_unique<TAppWindows>(skin, appDir, ActiveLanguage());
    } catch (const std::exception&) {
        windows.reset();
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("main", "Error initializing application"),
                        QCoreApplication::translate("main", "%1 is missing or corrupted!")
                            .arg(QString::fromStdString(appDir + "kobalind.dat")),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }
    // A game in progress is saved however the program ends: its window
    // closed, a signal (every window is closed as if by the user), the
    // session saving its programs' data, or the application quitting.
    TMainForm* form = windows->MainForm.get();
    TQuitSignals quitSignals([]() {
        QApplication::closeAllWindows();
        QApplication::quit();
    });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&application, &QGuiApplication::commitDataRequest,
                     [form](QSessionManager&) { form->SaveGameInProgress(); });
#endif
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [form]() { form->SaveGameInProgress(); });
    form->show();
    return QApplication::exec();
}
