#include "WindowsTestSupport.h"

#include "windows/Image.h"
#include "windows/Label.h"
#include "windows/aboutf.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int LabelNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 11, 12};
bool IsLink(int n) { return n == 3 || n == 4 || n == 7; }

class AboutForm : public ::testing::Test {
protected:
    AboutForm() : Form(Skin.Reader)
    {
        Form.OnOpenLink = [this](const std::string& link) { Opened.push_back(link); };
        Form.OnSendMail = [this](const std::string& mail) { Mailed.push_back(mail); };
        Form.show();
        Start = Form.pos();
    }

    TTestSkin Skin;
    TAboutForm Form;
    QPoint Start;
    std::vector<std::string> Opened, Mailed;
};

TEST_F(AboutForm, TitleAndVersionLeadTheCredits)
{
    EXPECT_EQ(Form.Label(8)->text(), QStringLiteral("Orvane Kobalind 2.06"));
    EXPECT_TRUE(Form.Label(5)->text().contains(QStringLiteral("Noto Color Emoji")));
    EXPECT_TRUE(Form.Label(6)->text().contains(QStringLiteral("SIL Open Font License")));
    EXPECT_TRUE(Form.Label(12)->font().bold());
}

TEST_F(AboutForm, OnlyTheNoticeLineIsNotCentred)
{
    const int tops[13] = {0, 80, 108, 122, 136, 170, 182, 196, 60, 0, 0, 234, 94};
    for (int n : LabelNumbers) {
        SCOPED_TRACE(n);
        const TLabel* label = Form.Label(n);
        EXPECT_EQ(label->y(), tops[n]);
        if (n == 11) {
            EXPECT_EQ(label->x(), 20);
            EXPECT_EQ(label->width(), label->sizeHint().width());
            EXPECT_FALSE(label->alignment() & Qt::AlignHCenter);
        } else {
            EXPECT_EQ(label->geometry(), QRect(0, tops[n], 395, 13));
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        }
    }
}

TEST_F(AboutForm, LinksAreLimeWithThePointerOthersYellowWithTheMoveCursor)
{
    for (int n : LabelNumbers) {
        SCOPED_TRACE(n);
        const TLabel* label = Form.Label(n);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), IsLink(n) ? QColor(0, 255, 0) : QColor(255, 255, 0));
        EXPECT_EQ(label->cursor().shape(), IsLink(n) ? Qt::PointingHandCursor : Qt::OpenHandCursor);
    }
}

TEST_F(AboutForm, LinkLabelsOpenTheirAddresses)
{
    QTest::mouseClick(Form.Label(3), Qt::LeftButton, {}, {200, 6});
    QTest::mouseClick(Form.Label(7), Qt::LeftButton, {}, {200, 6});
    QTest::mouseClick(Form.Label(4), Qt::LeftButton, {}, {200, 6});
    QTest::mouseClick(Form.Label(1), Qt::LeftButton, {}, {200, 6}); // not a link
    EXPECT_EQ(Opened, (std::vector<std::string>{Form.Label(3)->text().toStdString(), TAboutForm::PictureCreditLink}));
    EXPECT_EQ(Mailed, std::vector<std::string>{Form.Label(4)->text().toStdString()});
}

TEST_F(AboutForm, DraggedByTextButALinkOnlyClicks)
{
    QTest::mousePress(Form.Label(1), Qt::LeftButton, {}, {200, 6});
    QTest::mouseMove(Form.Label(1), {215, 16});
    QTest::mouseRelease(Form.Label(1), Qt::LeftButton, {}, {200, 6});
    EXPECT_EQ(Form.pos(), Start + QPoint(15, 10));

    const QPoint moved = Form.pos();
    QTest::mousePress(Form.Label(3), Qt::LeftButton, {}, {200, 6});
    QTest::mouseMove(Form.Label(3), {230, 9});
    QTest::mouseRelease(Form.Label(3), Qt::LeftButton, {}, {230, 9});
    EXPECT_EQ(Form.pos(), moved);
    EXPECT_EQ(Opened.size(), 1u);
}

TEST_F(AboutForm, TitleWiderThanTheWindowGetsANegativeLeft)
{
    EXPECT_EQ(Form.TitleImage->x(), -52); // (395 - 500) / 2, towards zero
    EXPECT_EQ(Form.TitleImage->width(), AboutTitleWidth);
}

} // namespace
