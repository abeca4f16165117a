// The message box's parts and measurements, and how it closes.

#include "app/MessageDialog.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QLabel* Label(QDialog& d) { return d.findChild<QLabel*>(QStringLiteral("MessageLabel")); }
QLabel* Icon(QDialog& d) { return d.findChild<QLabel*>(QStringLiteral("IconImage")); }
QPushButton* Button(QDialog& d, int i) { return d.findChild<QPushButton*>(QStringLiteral("Button") + QString::number(i)); }

TEST(MessageDialog, AnEmptyCaptionShowsTheApplicationTitle)
{
    const QString old = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Orvane Kobalind 2.06"));
    auto dialog = CreateMessageDialog(QStringLiteral("Hello"), QString(), IconNone, {DefaultButton()}, 0);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Orvane Kobalind 2.06"));
    auto titled = CreateMessageDialog(QStringLiteral("Hello"), QStringLiteral("Own"), IconNone, {DefaultButton()}, 0);
    EXPECT_EQ(titled->windowTitle(), QStringLiteral("Own"));
    QCoreApplication::setApplicationName(old);
}

TEST(MessageDialog, WithAnIconAOneLineTextIsCentredBesideIt)
{
    auto dialog = CreateMessageDialog(QStringLiteral("This set of cards does not contain enough images!"), QString(),
                                      IconExclamation, {DefaultButton()}, 0);
    QLabel* icon = Icon(*dialog);
    QLabel* label = Label(*dialog);
    QPushButton* ok = Button(*dialog, 0);
    ASSERT_TRUE(icon && label && ok);
    EXPECT_EQ(icon->size(), QSize(32, 32));
    EXPECT_FALSE(icon->pixmap().isNull());
    ASSERT_LT(label->height(), 32);
    EXPECT_LE(std::abs(label->geometry().center().y() - icon->geometry().center().y()), 1);
    EXPECT_GT(label->x(), icon->geometry().right());
    // The block counts as 32 high: the button row starts below the icon.
    EXPECT_GT(ok->y(), icon->geometry().bottom());
    EXPECT_EQ(dialog->height(), ok->geometry().bottom() + 1 + icon->y());
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(MessageDialog, WithoutAnIconTheTextStartsAtTheMargin)
{
    auto dialog = CreateMessageDialog(QStringLiteral("Short"), QStringLiteral("C"), IconNone, {DefaultButton()}, 0);
    EXPECT_EQ(Icon(*dialog), nullptr);
    QLabel* label = Label(*dialog);
    ASSERT_TRUE(label);
    const int w = QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('M'));
    EXPECT_EQ(label->x(), int(std::lround(8.0 * w / 4)));
    // Margins are equal on both sides of the centred button row.
    QPushButton* ok = Button(*dialog, 0);
    EXPECT_EQ(ok->x(), (dialog->width() - ok->width()) / 2);
    EXPECT_GE(ok->width(), 75);
}

TEST(MessageDialog, ALongTextWrapsAtHalfTheScreen)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    auto dialog = CreateMessageDialog(text, QString(), IconNone, {DefaultButton()}, 0);
    QLabel* label = Label(*dialog);
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
    EXPECT_LE(label->width(), half);
    EXPECT_GT(label->width(), half / 2);
    EXPECT_GT(label->height(), 2 * QFontMetrics(label->font()).height());
    EXPECT_LT(dialog->width(), half + 100);
}

TEST(MessageDialog, ButtonsShareOneWidthInARow)
{
    auto dialog = CreateMessageDialog(QStringLiteral("?"), QStringLiteral("Q"), IconQuestion,
                                      {{QStringLiteral("Yes"), 6}, {QStringLiteral("A much longer caption"), 7},
                                       {QStringLiteral("Cancel"), 2}},
                                      1);
    QPushButton* b0 = Button(*dialog, 0);
    QPushButton* b1 = Button(*dialog, 1);
    QPushButton* b2 = Button(*dialog, 2);
    ASSERT_TRUE(b0 && b1 && b2);
    EXPECT_EQ(b0->width(), b1->width());
    EXPECT_EQ(b1->width(), b2->width());
    EXPECT_GT(b1->width(), QFontMetrics(b1->font()).horizontalAdvance(b1->text()));
    EXPECT_EQ(b0->y(), b2->y());
    EXPECT_EQ(b1->x() - b0->geometry().right(), b2->x() - b1->geometry().right());
    EXPECT_TRUE(b1->isDefault());
    EXPECT_FALSE(b0->isDefault());
    EXPECT_EQ(b0->x(), dialog->width() - 1 - b2->geometry().right());
}

// Runs the dialog with an action queued on its event loop.
int ExecWith(QDialog& dialog, const std::function<void()>& action)
{
    QTimer::singleShot(0, &dialog, action);
    QTimer::singleShot(2000, &dialog, [&dialog] { dialog.done(-1); }); // a guard against hanging
    return dialog.exec();
}

TEST(MessageDialog, TheClickedButtonGivesTheResult)
{
    auto dialog = CreateMessageDialog(QStringLiteral("?"), QString(), IconNone, YesNoButtons(), 0);
    EXPECT_EQ(Button(*dialog, 0)->text(), QStringLiteral("Yes"));
    EXPECT_EQ(Button(*dialog, 1)->text(), QStringLiteral("No"));
    EXPECT_EQ(ExecWith(*dialog, [&] { QTest::mouseClick(Button(*dialog, 1), Qt::LeftButton); }), ResultNo);
}

TEST(MessageDialog, EscapeAnswersOnlyACancelOrANoButton)
{
    auto plain = CreateMessageDialog(QStringLiteral("!"), QString(), IconNone, {DefaultButton()}, 0);
    EXPECT_EQ(ExecWith(*plain,
                       [&] {
                           QTest::keyClick(plain.get(), Qt::Key_Escape);
                           QTimer::singleShot(50, plain.get(), [&] { plain->done(99); });
                       }),
              99);
    auto cancel = CreateMessageDialog(QStringLiteral("!"), QString(), IconNone,
                                      {DefaultButton(), {QStringLiteral("Cancel"), 2}}, 0);
    EXPECT_EQ(ExecWith(*cancel, [&] { QTest::keyClick(cancel.get(), Qt::Key_Escape); }), 2);
    auto question = CreateMessageDialog(QStringLiteral("?"), QString(), IconNone, YesNoButtons(), 1);
    EXPECT_EQ(ExecWith(*question, [&] { QTest::keyClick(question.get(), Qt::Key_Escape); }), ResultNo);
}

TEST(MessageDialog, TheModalCallReturnsOkAndLeavesTheOwnerActive)
{
    QWidget owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* ok = w->findChild<QPushButton*>(QStringLiteral("Button0")); ok && w->isVisible())
                QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(MessageDialog(QStringLiteral("Done"), QStringLiteral("C"), IconInformation), 1);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));

    // A question answers true for "Yes" only; "No" is its default.
    for (const bool yes : {true, false}) {
        QTimer::singleShot(0, [yes] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* no = w->findChild<QPushButton*>(QStringLiteral("Button1")); no && w->isVisible()) {
                    EXPECT_TRUE(no->isDefault());
                    QTest::mouseClick(yes ? w->findChild<QPushButton*>(QStringLiteral("Button0")) : no, Qt::LeftButton);
                }
        });
        EXPECT_EQ(AskYesNo(QStringLiteral("Start?")), yes);
    }
}

} // namespace
