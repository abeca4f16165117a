// Opening links and mails through a fake desktop: the desktop first, then the
// default handler's command with the link appended, then the failure message.

#include "app/ShellLaunch.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A desktop that records what it is asked to do.
struct TFakeDesktop {
    bool OpenWorks = false;
    QString Handler;     // desktop id answered for every scheme
    QString Command;     // its Exec line
    bool StartWorks = true;

    QStringList Opened;
    QStringList Schemes;
    QString Program;
    QStringList Arguments;
    QString FailureText;
    QString FailureCaption;
    int Failures = 0;

    TShellLauncher Launcher()
    {
        return {
            [this](const QString& url) {
                Opened << url;
                return OpenWorks;
            },
            [this](const QString& scheme) {
                Schemes << scheme;
                return Handler;
            },
            [this](const QString& id) { return id == Handler ? Command : QString(); },
            [this](const QString& program, const QStringList& arguments) {
                Program = program;
                Arguments = arguments;
                return StartWorks;
            },
            [this](const QString& text, const QString& caption) {
                FailureText = text;
                FailureCaption = caption;
                ++Failures;
            },
        };
    }
};

TEST(ShellLaunch, TheDesktopOpensTheLinkFirst)
{
    TFakeDesktop desktop;
    desktop.OpenWorks = true;
    EXPECT_TRUE(OpenLink(QStringLiteral("https://example.com/a b"), desktop.Launcher()));
    EXPECT_EQ(desktop.Opened, QStringList {QStringLiteral("https://example.com/a%20b")});
    EXPECT_TRUE(desktop.Schemes.isEmpty());
    EXPECT_EQ(desktop.Failures, 0);
}

TEST(ShellLaunch, ABareHostIsAWebLink)
{
    TFakeDesktop desktop;
    desktop.OpenWorks = true;
    EXPECT_TRUE(OpenLink(QStringLiteral("www.example.com"), desktop.Launcher()));
    EXPECT_EQ(desktop.Opened, QStringList {QStringLiteral("http://www.example.com")});
}

TEST(ShellLaunch, TheHandlerGetsItsArgumentsAndThenTheLink)
{
    TFakeDesktop desktop;
    desktop.Handler = QStringLiteral("browser.desktop");
    desktop.Command = QStringLiteral("\"/opt/My Browser/run\" --new-window -P \"my profile\" %U");
    EXPECT_TRUE(OpenLink(QStringLiteral("http://example.com/"), desktop.Launcher()));
    EXPECT_EQ(desktop.Schemes, QStringList {QStringLiteral("http")});
    EXPECT_EQ(desktop.Program, QStringLiteral("/opt/My Browser/run"));
    // The quotes of the command are gone before the split, as on the original desktop.
    EXPECT_EQ(desktop.Arguments, (QStringList {QStringLiteral("--new-window"), QStringLiteral("-P"),
                                               QStringLiteral("my"), QStringLiteral("profile"),
                                               QStringLiteral("http://example.com/")}));
}

TEST(ShellLaunch, AQuotedPlaceholderAloneLeavesOnlyTheLink)
{
    TFakeDesktop desktop;
    desktop.Handler = QStringLiteral("b.desktop");
    desktop.Command = QStringLiteral("\"C:\\Browser\\BROWSER.EXE\" \"%1\"");
    EXPECT_TRUE(OpenLink(QStringLiteral("http://example.com/"), desktop.Launcher()));
    EXPECT_EQ(desktop.Program, QStringLiteral("C:\\Browser\\BROWSER.EXE"));
    EXPECT_EQ(desktop.Arguments, QStringList {QStringLiteral("http://example.com/")});
}

TEST(ShellLaunch, AFailedLinkIsReportedOnce)
{
    const struct {
        const char* Handler;
        const char* Command;
        bool StartWorks;
    } rows[] = {
        {"", "", true},                          // no default handler
        {"b.desktop", "", true},                 // its entry has no Exec
        {"b.desktop", "browser %u", false},      // the program does not start
    };
    for (const auto& row : rows) {
        TFakeDesktop desktop;
        desktop.Handler = QString::fromUtf8(row.Handler);
        desktop.Command = QString::fromUtf8(row.Command);
        desktop.StartWorks = row.StartWorks;
        EXPECT_FALSE(OpenLink(QStringLiteral("http://example.com/"), desktop.Launcher())) << row.Command;
        EXPECT_EQ(desktop.Failures, 1);
        EXPECT_EQ(desktop.FailureText, QStringLiteral("Unable to connect to http://example.com/"));
        EXPECT_EQ(desktop.FailureCaption, QStringLiteral("Default web browser not found"));
    }
}

TEST(ShellLaunch, LinksThatCouldRunSomethingAreRefused)
{
    for (const char* link : {"file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "smb://host/share", ""}) {
        TFakeDesktop desktop;
        desktop.OpenWorks = true;
        desktop.Handler = QStringLiteral("b.desktop");
        desktop.Command = QStringLiteral("browser %u");
        EXPECT_FALSE(OpenLink(QString::fromUtf8(link), desktop.Launcher())) << link;
        EXPECT_TRUE(desktop.Opened.isEmpty()) << link;
        EXPECT_TRUE(desktop.Program.isEmpty()) << link;
        EXPECT_EQ(desktop.FailureText, QStringLiteral("Unable to connect to ") + QString::fromUtf8(link));
    }
}

TEST(ShellLaunch, MailGetsItsSchemeOnlyWhenItLacksIt)
{
    TFakeDesktop desktop;
    desktop.OpenWorks = true;
    EXPECT_TRUE(SendMail(QStringLiteral("info@example.com"), desktop.Launcher()));
    EXPECT_TRUE(SendMail(QStringLiteral("mailto:info@example.com?subject=Hi"), desktop.Launcher()));
    EXPECT_EQ(desktop.Opened, (QStringList {QStringLiteral("mailto:info@example.com"),
                                            QStringLiteral("mailto:info@example.com?subject=Hi")}));
}

TEST(ShellLaunch, MailFallsBackToTheMailHandlerAndReportsFailure)
{
    TFakeDesktop desktop;
    desktop.Handler = QStringLiteral("mail.desktop");
    desktop.Command = QStringLiteral("thunderbird -compose %u");
    EXPECT_TRUE(SendMail(QStringLiteral("info@example.com"), desktop.Launcher()));
    EXPECT_EQ(desktop.Schemes, QStringList {QStringLiteral("mailto")});
    EXPECT_EQ(desktop.Arguments, (QStringList {QStringLiteral("-compose"), QStringLiteral("mailto:info@example.com")}));

    desktop.StartWorks = false;
    EXPECT_FALSE(SendMail(QStringLiteral("info@example.com"), desktop.Launcher()));
    EXPECT_EQ(desktop.FailureText, QStringLiteral("Unable to send mail to mailto:info@example.com"));
    EXPECT_EQ(desktop.FailureCaption, QStringLiteral("Default mail program not found"));
}

TEST(ShellLaunch, FindShellCommandSplitsTheHandlersCommand)
{
    TFakeDesktop desktop;
    QString program = QStringLiteral("old");
    QString arguments = QStringLiteral("old");
    EXPECT_FALSE(FindShellCommand(QStringLiteral("http"), program, arguments, desktop.Launcher()));
    EXPECT_TRUE(program.isEmpty() && arguments.isEmpty());
    desktop.Handler = QStringLiteral("web.desktop");
    desktop.Command = QStringLiteral("\"C:\\Program Files\\Browser\\browser.exe\" -new \"%1\"");
    ASSERT_TRUE(FindShellCommand(QStringLiteral("http"), program, arguments, desktop.Launcher()));
    EXPECT_EQ(program, QStringLiteral("C:\\Program Files\\Browser\\browser.exe"));
    EXPECT_EQ(arguments, QStringLiteral("-new"));
}

} // namespace
