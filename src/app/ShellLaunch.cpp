#include "app/ShellLaunch.h"

#include "app/MessageDialog.h"
#include "app/ProgramTexts.h"
#include "platform/ShellCommand.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace {

// No desktop entry comes near this; a bigger file is not one.
constexpr qint64 MaxDesktopEntrySize = 256 * 1024;
constexpr int XdgMimeTimeoutMs = 3000;

// The link as a URL of an allowed scheme, or "" for anything else (a local
// file, a program, a scheme that could run code).
QString SafeUrl(const QString& link, const QStringList& schemes)
{
    const QUrl url = QUrl::fromUserInput(link.trimmed());
    if (!url.isValid() || !schemes.contains(url.scheme().toLower()))
        return QString();
    return url.toString(QUrl::FullyEncoded);
}

QString QueryDefaultHandler(const QString& scheme)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForStarted(XdgMimeTimeoutMs))
        return QString();
    if (!query.waitForFinished(XdgMimeTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    const QString out = QString::fromUtf8(query.readAllStandardOutput());
    return out.section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString ReadHandlerCommand(const QString& desktopId)
{
    const std::string file = FindDesktopEntryFile(desktopId.toStdString(), DesktopEntryFolders());
    if (file.empty())
        return QString();
    QFile entry(QString::fromStdString(file));
    if (!entry.open(QIODevice::ReadOnly) || entry.size() > MaxDesktopEntrySize)
        return QString();
    const QByteArray text = entry.read(MaxDesktopEntrySize);
    return QString::fromStdString(DesktopEntryExec(std::string_view(text.constData(), std::size_t(text.size()))));
}

// The desktop first, then the protocol's handler with the URL as its last argument.
bool Launch(const QString& url, const QString& protocol, const TShellLauncher& launcher)
{
    if (url.isEmpty())
        return false;
    if (launcher.OpenUrl && launcher.OpenUrl(url))
        return true;
    QString program;
    QString arguments;
    if (!FindShellCommand(protocol, program, arguments, launcher) || !launcher.StartProgram)
        return false;
    QStringList list = QProcess::splitCommand(arguments);
    list << url;
    return launcher.StartProgram(program, list);
}

void Report(const TShellLauncher& launcher, const QString& text, const QString& caption)
{
    if (launcher.ReportFailure)
        launcher.ReportFailure(text, caption);
}

} // namespace

const TShellLauncher& DesktopShellLauncher()
{
    static const TShellLauncher launcher {
        [](const QString& url) { return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode)); },
        QueryDefaultHandler,
        ReadHandlerCommand,
        [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        },
        [](const QString& text, const QString& caption) { MessageDialog(text, caption, IconExclamation); },
    };
    return launcher;
}

bool FindShellCommand(const QString& protocol, QString& program, QString& arguments, const TShellLauncher& launcher)
{
    program.clear();
    arguments.clear();
    if (!launcher.DefaultHandler || !launcher.HandlerCommand)
        return false;
    const QString id = launcher.DefaultHandler(protocol);
    if (id.isEmpty())
        return false;
    const QString command = launcher.HandlerCommand(id);
    std::string foundProgram;
    std::string foundArguments;
    if (!ParseShellCommand(command.toStdString(), foundProgram, foundArguments))
        return false;
    program = QString::fromStdString(foundProgram);
    arguments = QString::fromStdString(foundArguments);
    return true;
}

bool OpenLink(const QString& link, const TShellLauncher& launcher)
{
    const QString url = SafeUrl(link, {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                       QStringLiteral("mailto")});
    if (Launch(url, QStringLiteral("http"), launcher))
        return true;
    Report(launcher, ProgramText(TProgramText::OpenLinkFailed, link), ProgramText(TProgramText::OpenLinkFailedCaption));
    return false;
}

bool SendMail(const QString& address, const TShellLauncher& launcher)
{
    QString mail = address;
    if (!mail.contains(QLatin1String("mailto:")))
        mail.prepend(QLatin1String("mailto:"));
    const QString url = SafeUrl(mail, {QStringLiteral("mailto")});
    if (Launch(url, QStringLiteral("mailto"), launcher))
        return true;
    Report(launcher, ProgramText(TProgramText::SendMailFailed, mail), ProgramText(TProgramText::SendMailFailedCaption));
    return false;
}
