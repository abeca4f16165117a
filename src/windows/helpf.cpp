#include "windows/helpf.h"

#include "windows/LumRichEdOLE.h"

Thelpform::Thelpform(TLumResReader& skinArchive, QWidget* parent) : TPopUpform(skinArchive, parent)
{
    LoadTitle(skinArchive, TitleEntry);
    setWindowTitle(tr("Help"));
    LumRichEdit1 = new TLumRichEditOLE(this);
    LumRichEdit1->setGeometry(18, 52, 357, 167);
    LumRichEdit1->SetReadOnly(true);
    LumRichEdit1->SetScrollBars(ssVertical);
    LumRichEdit1->setTabChangesFocus(true); // nothing to type: Tab goes on to the close controls
    LumRichEdit1->OnURLClick = [this](QObject* sender, const QString& url, Qt::MouseButton button) {
        LumRichEdit1URLClick(sender, url, button);
    };
    setFocusProxy(LumRichEdit1); // first in the tab order
    LumStrings1.Lines = HelpDocument();
    LumRichEdit1->LoadFromStrings(LumStrings1.Lines);
}

void Thelpform::LumRichEdit1URLClick(QObject*, const QString& URLText, Qt::MouseButton Button)
{
    if (Button != Qt::LeftButton)
        return;
    const TLinkHandler& handler = URLText.contains(QLatin1String("mailto:")) ? OnSendMail : OnOpenLink;
    if (handler)
        handler(URLText.toStdString());
}

std::vector<std::string> Thelpform::HelpDocument()
{
    return {
        R"({\rtf1\ansi\ansicpg1250\deff0\deflang1050{\fonttbl{\f0\fnil\fcharset238 MS Shell Dlg;})"
        R"({\f1\fswiss\fcharset238{\*\falt Arial}Arial CE;}{\f2\fnil MS Sans Serif;}})",
        R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue0;})",
        R"(\viewkind4\uc1\pard\f0\fs16\par)",
        R"(\pard\li142\cf1\b\f1\fs20 Using the Game\cf2\b0  is fairly straight forward. The goal is )"
        R"(to connect pairs of the same illustration by finding and clicking them on the board.\par)",
        R"(Up to four players can play against each other or against the computer. Number of players )"
        R"(is set simply by entering the players names in the list within OPTIONS screen. Other )"
        R"(options include selection of number of pairs displayed at once, that is in range of 8 up )"
        R"(to 60 different illustrations. You can change the delay, time during which the card will )"
        R"(stay displayed when clicked.\par)",
        R"(\cf1\b Keyboard\cf2\b0 : Tab moves between the board and the buttons, and Enter or Space presses )"
        R"(a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and )"
        R"(Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, )"
        R"(Escape closes it.\par)",
        R"(\cf1\b Resuming\cf2\b0 : a game that is not finished when the program closes is kept. The next )"
        R"(time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and )"
        R"(press Enter, to play on.\par)",
        R"(\cf1\b Records\cf2\b0 : every finished game is recorded. The score window shows the best result )"
        R"(with the same cards and number of pairs, and how many games were won and lost against the )"
        R"(computer at its memory setting.\par)",
        R"(\par)",
        R"(\par)",
        R"(\pard\cf0\f2\fs16\par)",
        R"(})",
    };
}
