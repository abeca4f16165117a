#pragma once
// Opening web links and starting mails with the desktop's programs. First the
// desktop opens the link itself (QDesktopServices); failing that, the default
// handler of the link's scheme is found (xdg-mime) and its desktop entry's
// Exec line is parsed (platform/ShellCommand.h) and started with the link as
// its last argument, never through a shell. Only http, https, ftp and mailto
// links are opened: a card set's link must not run a local program or file.

#include <QString>
#include <QStringList>

#include <functional>

// What OpenLink and SendMail ask of the desktop; tests put fakes in.
struct TShellLauncher {
    std::function<bool(const QString& url)> OpenUrl;
    // The desktop entry id of a scheme's default handler, or "".
    std::function<QString(const QString& scheme)> DefaultHandler;
    // The Exec line of a desktop entry id, or "".
    std::function<QString(const QString& desktopId)> HandlerCommand;
    std::function<bool(const QString& program, const QStringList& arguments)> StartProgram;
    // Shows a failure (text, caption).
    std::function<void(const QString& text, const QString& caption)> ReportFailure;
};

// The real desktop; failures shown with MessageDialog.
const TShellLauncher& DesktopShellLauncher();

// Opens a web link; on failure shows "Unable to connect to <link>" with the
// caption "Default web browser not found" and returns false.
bool OpenLink(const QString& link, const TShellLauncher& launcher = DesktopShellLauncher());
// Starts a mail to an address ("mailto:" is put in front unless the text holds
// it); on failure shows "Unable to send mail to <mail link>" with the caption
// "Default mail program not found" and returns false.
bool SendMail(const QString& address, const TShellLauncher& launcher = DesktopShellLauncher());

// The program and arguments of a protocol's default handler; false when there
// is none or its command cannot be parsed.
bool FindShellCommand(const QString& protocol, QString& program, QString& arguments,
                      const TShellLauncher& launcher = DesktopShellLauncher());
