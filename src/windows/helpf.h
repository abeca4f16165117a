#pragma once
// Thelpform: the game's short help text, a rich text document held in this
// window's own code, in a read-only viewer with a vertical scroll bar. Links
// in the text go to OnSendMail ("mailto:" links) or OnOpenLink. The text is
// loaded once, at construction; later showings keep the scroll position.

#include "windows/popUpF.h"

#include <vector>

class TLumRichEditOLE;

// A component whose only content is Lines.
struct TLumStrings {
    std::vector<std::string> Lines;
};

class Thelpform : public TPopUpform {
    Q_OBJECT
public:
    static constexpr std::int32_t TitleEntry = 29;

    // Throws EResourceError as TPopUpform does, EWindowError if the help
    // text cannot be loaded.
    explicit Thelpform(TLumResReader& skinArchive, QWidget* parent = nullptr);

    // Ignored unless Button is the left button.
    void LumRichEdit1URLClick(QObject* Sender, const QString& URLText, Qt::MouseButton Button);

    // The help document's lines of rich text, in the language being spoken.
    static std::vector<std::string> HelpDocument();
    // Its paragraphs as written, before translation (context "Help"): one
    // line of the document each, after the three lines that open it.
    static const std::vector<const char*>& ParagraphSources();

    TLumRichEditOLE* LumRichEdit1 = nullptr;
    TLumStrings LumStrings1;
    TLinkHandler OnOpenLink; // called only when assigned
    TLinkHandler OnSendMail;
};
