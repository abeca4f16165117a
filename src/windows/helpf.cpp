#include "windows/helpf.h"

#include "windows/LumRichEdOLE.h"
#include "windows/RtfWriter.h"

#include <QCoreApplication>

#include <algorithm>

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

namespace {

// The help's paragraphs, in the player's language; <b>...</b> is a
// paragraph's heading, drawn red and bold.
const std::vector<const char*> HelpParagraphs = {
    //: <b> and </b> enclose the paragraph's heading: keep both.
    QT_TRANSLATE_NOOP("Help", "<b>Using the Game</b> is fairly straight forward. The goal is "
                              "to connect pairs of the same illustration by finding and clicking them on the board."),
    QT_TRANSLATE_NOOP("Help", "Up to four players can play against each other or against the computer. Number of players "
                              "is set simply by entering the players names in the list within OPTIONS screen. Other "
                              "options include selection of number of pairs displayed at once, that is in range of 8 up "
                              "to 60 different illustrations. You can change the delay, time during which the card will "
                              "stay displayed when clicked."),
    //: <b> and </b> enclose the paragraph's heading: keep both.
    QT_TRANSLATE_NOOP("Help", "<b>Keyboard</b>: Tab moves between the board and the buttons, and Enter or Space presses "
                              "a button. On the board the arrow keys move the frame from card to card (Home, End, Page Up and "
                              "Page Down jump to the edges), and Enter or Space turns the framed card. F1 opens this help, "
                              "Escape closes it."),
    //: <b> and </b> enclose the paragraph's heading: keep both.
    QT_TRANSLATE_NOOP("Help", "<b>Resuming</b>: a game that is not finished when the program closes is kept. The next "
                              "time, the welcome screen offers it in the line at the bottom: click the line, or Tab to it and "
                              "press Enter, to play on."),
    //: <b> and </b> enclose the paragraph's heading: keep both.
    QT_TRANSLATE_NOOP("Help", "<b>Records</b>: every finished game is recorded. The score window shows the best result "
                              "with the same cards and number of pairs, and how many games were won and lost against the "
                              "computer at its memory setting."),
};

// One paragraph as rich text. The body's font is chosen where the first
// heading begins (or where the text does, without one), so it holds from
// there to the end of the text.
std::string ParagraphRtf(const QString& text, bool first)
{
    static const QString open = QStringLiteral("<b>"), close = QStringLiteral("</b>");
    const char* const bodyFont = "\\f1\\fs20 ";
    std::string rtf = first && !text.contains(open) ? bodyFont : "";
    qsizetype at = 0;
    while (true) {
        const qsizetype opens = text.indexOf(open, at), closes = text.indexOf(close, at);
        const qsizetype tag = opens < 0 ? closes : closes < 0 ? opens : std::min(opens, closes);
        WriteRtfText(rtf, QStringView(text).mid(at, tag < 0 ? -1 : tag - at).toString().toStdU32String());
        if (tag < 0)
            return rtf + "\\par";
        if (tag == opens) {
            rtf += first ? std::string("\\cf1\\b") + bodyFont : "\\cf1\\b ";
            first = false;
            at = tag + open.size();
        } else {
            rtf += "\\cf2\\b0 ";
            at = tag + close.size();
        }
    }
}

} // namespace

const std::vector<const char*>& Thelpform::ParagraphSources() { return HelpParagraphs; }

std::vector<std::string> Thelpform::HelpDocument()
{
    std::vector<std::string> lines = {
        R"({\rtf1\ansi\ansicpg1250\deff0\deflang1050{\fonttbl{\f0\fnil\fcharset238 MS Shell Dlg;})"
        R"({\f1\fswiss\fcharset238{\*\falt Arial}Arial CE;}{\f2\fnil MS Sans Serif;}})",
        R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue0;})",
        R"(\viewkind4\uc1\pard\f0\fs16\par)",
    };
    bool first = true;
    for (const char* paragraph : HelpParagraphs) {
        lines.push_back((first ? "\\pard\\li142" : "") +
                        ParagraphRtf(QCoreApplication::translate("Help", paragraph), first));
        first = false;
    }
    for (const char* closing : {R"(\par)", R"(\par)", R"(\pard\cf0\f2\fs16\par)", R"(})"})
        lines.emplace_back(closing);
    return lines;
}
