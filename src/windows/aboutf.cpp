#include "windows/aboutf.h"

#include "windows/Label.h"

namespace {

const QColor Yellow(255, 255, 0);
const QColor Lime(0, 255, 0);

struct TLine {
    int Number;
    int Top;
    const char* Text;
};

// Our own texts in the places the window has always had them. Names, links
// and the copyright line stay as they are in every language.
constexpr TLine Lines[] = {
    {8, 60, "Orvane Kobalind 2.06"},
    {1, 80, QT_TRANSLATE_NOOP("TAboutForm", "Original concept and design by")},
    {12, 94, "Orvane Studio"},
    {2, 108, QT_TRANSLATE_NOOP("TAboutForm", "Built for the Linux desktop by the Orvane studio developers")},
    {3, 122, "http://www.orvane.example"},
    {4, 136, "info@orvane.example"},
    {5, 170, QT_TRANSLATE_NOOP("TAboutForm", "Card pictures drawn from the Noto Color Emoji font,")},
    {6, 182, QT_TRANSLATE_NOOP("TAboutForm", "used under the SIL Open Font License 1.1")},
    {7, 196, "https://github.com/googlefonts/noto-emoji"},
    {11, 234, "\xC2\xA9 2003-2026 Orvane Studio"},
};

bool IsLink(int number) { return number == 3 || number == 4 || number == 7; }

} // namespace

TAboutForm::TAboutForm(TLumResReader& skinArchive, QWidget* parent) : TPopUpform(skinArchive, parent)
{
    LoadTitle(skinArchive, TitleEntry);
    setWindowTitle(tr("About"));
    for (const TLine& line : Lines) {
        auto* label = new TLabel(tr(line.Text), this);
        Labels[static_cast<std::size_t>(line.Number)] = label;
        if (line.Number == 11) {
            label->move(20, line.Top);
            label->adjustSize();
        } else {
            label->setGeometry(0, line.Top, FormWidth, 13);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        label->SetFontColor(IsLink(line.Number) ? Lime : Yellow);
        label->SetCursor(IsLink(line.Number) ? PointCursorSlot : MoveCursorSlot);
        if (!IsLink(line.Number))
            DragBy(*label);
    }
    QFont bold = Label(12)->font();
    bold.setBold(true);
    Label(12)->setFont(bold);
    Label(3)->OnClick = [this](TLabel* sender) { URLClick(sender); };
    Label(7)->OnClick = [this](TLabel* sender) { URLClick(sender); };
    Label(4)->OnClick = [this](TLabel* sender) { MailClick(sender); };
}

void TAboutForm::URLClick(TLabel* Sender)
{
    if (!OnOpenLink)
        return;
    OnOpenLink(Sender == Label(7) ? std::string(PictureCreditLink) : Sender->text().toStdString());
}

void TAboutForm::MailClick(TLabel* Sender)
{
    if (OnSendMail)
        OnSendMail(Sender->text().toStdString());
}
