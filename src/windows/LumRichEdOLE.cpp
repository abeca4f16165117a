#include "windows/LumRichEdOLE.h"

#include "resources/ResourceError.h"
#include "resources/Stream.h"
#include "resources/TextCodec.h"
#include "windows/RtfReader.h"
#include "windows/RtfTextDocument.h"
#include "windows/RtfWriter.h"
#include "windows/WindowError.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>


namespace {

// Larger texts are refused in both formats; a help text is a few kilobytes.
constexpr std::int64_t MaxTextSize = 1024 * 1024;

QString DecodePlain(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        text.clear();
        for (char c : bytes)
            text += QChar(static_cast<char16_t>(DecodeAnsi(1252, static_cast<std::uint8_t>(c))));
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

// --- TRichEditStrings --------------------------------------------------------

int TRichEditStrings::Count() const
{
    return Edit.document()->blockCount();
}

QString TRichEditStrings::Strings(int index) const
{
    const QTextBlock block = Edit.document()->findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

QString TRichEditStrings::Text() const
{
    return Edit.document()->toPlainText();
}

void TRichEditStrings::Clear()
{
    Edit.clear();
    Edit.DetectLinks();
}

void TRichEditStrings::LoadFromStream(TStream& stream)
{
    std::string bytes;
    try {
        const std::int64_t size = stream.Remaining();
        if (size > MaxTextSize)
            throw EWindowError("Failed to Load Stream");
        bytes.resize(static_cast<std::size_t>(size));
        stream.ReadBuffer(bytes.data(), bytes.size());
    } catch (const EResourceError&) {
        throw EWindowError("Failed to Load Stream");
    }
    const bool loaded = Edit.PlainText()
        ? Edit.LoadPlainBytes(bytes) || Edit.LoadRichBytes(bytes)
        : Edit.LoadRichBytes(bytes) || Edit.LoadPlainBytes(bytes);
    if (!loaded)
        throw EWindowError("Failed to Load Stream");
}

void TRichEditStrings::SaveToStream(TStream& stream) const
{
    std::string bytes;
    if (Edit.PlainText()) {
        QString text = Text();
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        bytes = text.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
    } else {
        bytes = Edit.RichBytes();
    }
    try {
        stream.Write(bytes.data(), bytes.size());
    } catch (const EResourceError&) {
        throw EWindowError("Failed to Save Stream");
    }
}

// --- TLumCustomRichEdit ------------------------------------------------------

TLumCustomRichEdit::TLumCustomRichEdit(QWidget* parent)
    : QTextEdit(parent), FLines(*this), FSelAttributes(*this, TLumTextAttributes::atSelected),
      FDefAttributes(*this, TLumTextAttributes::atDefaultText), FParagraph(*this)
{
    resize(185, 89);
    setAcceptRichText(false); // pasting goes through our own reader only
    // The control's only menu is an embedded object's verbs, and it holds no
    // objects: no menu at all, rather than a stock Copy / Select All one.
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(true);
    LogPixelsY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    SetScrollBars(ssBoth);
    viewport()->setMouseTracking(true);
}

TLumCustomRichEdit::~TLumCustomRichEdit() = default;

void TLumCustomRichEdit::LoadFromStrings(const std::vector<std::string>& strings)
{
    TMemoryStream stream;
    for (const std::string& line : strings) {
        stream.Write(line.data(), line.size());
        stream.Write("\r\n", 2);
    }
    stream.SetPosition(0);
    Lines().Clear();
    Lines().LoadFromStream(stream);
}

void TLumCustomRichEdit::LoadFromText(const std::string& text)
{
    TMemoryStream stream(std::vector<std::uint8_t>(text.begin(), text.end()));
    Lines().Clear();
    Lines().LoadFromStream(stream);
}

std::string TLumCustomRichEdit::SaveToText() const
{
    TMemoryStream stream;
    Lines().SaveToStream(stream);
    std::string text(stream.Data().begin(), stream.Data().end());
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

bool TLumCustomRichEdit::LoadRichBytes(const std::string& bytes)
{
    if (!IsRtf(bytes))
        return false;
    RtfToTextDocument(ReadRtf(bytes), *document(), LogPixelsY);
    AfterLoad();
    return true;
}

bool TLumCustomRichEdit::LoadPlainBytes(const std::string& bytes)
{
    document()->setPlainText(DecodePlain(bytes));
    AfterLoad();
    return true;
}

std::string TLumCustomRichEdit::RichBytes() const
{
    return WriteRtf(TextDocumentToRtf(*document(), LogPixelsY));
}

void TLumCustomRichEdit::AfterLoad()
{
    QTextCursor start(document());
    setTextCursor(start);
    ensureCursorVisible();
    DetectLinks();
}

void TLumCustomRichEdit::SetAutoURLDetect(bool value)
{
    FAutoURLDetect = value;
    DetectLinks();
}

void TLumCustomRichEdit::DetectLinks()
{
    FLinks.clear();
    PressedLink = NoLink;
    if (FAutoURLDetect) {
        const QString text = document()->toPlainText();
        FLinks = FindLinks(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
    }
    ShowLinks();
}

// Links are drawn as extra selections, so the document's own formats (and
// what SaveToText writes) stay as they were loaded.
void TLumCustomRichEdit::ShowLinks()
{
    QList<QTextEdit::ExtraSelection> selections;
    for (const TTextRange& link : FLinks) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(document());
        selection.cursor.setPosition(static_cast<int>(link.Start));
        selection.cursor.setPosition(static_cast<int>(link.End), QTextCursor::KeepAnchor);
        selection.format.setFontUnderline(true);
        selection.format.setForeground(QColor(0, 0, 255));
        selections << selection;
    }
    setExtraSelections(selections);
}

void TLumCustomRichEdit::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    const bool vertical = value == ssVertical || value == ssBoth;
    const bool horizontal = (value == ssHorizontal || value == ssBoth) && !FWordWrap;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TLumCustomRichEdit::SetWordWrap(bool value)
{
    FWordWrap = value;
    setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    SetScrollBars(FScrollBars);
}

TTextRange TLumCustomRichEdit::LinkAt(const QPoint& viewportPos) const
{
    const QPoint documentPos = viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int position = document()->documentLayout()->hitTest(documentPos, Qt::ExactHit);
    if (position < 0)
        return NoLink;
    const auto at = static_cast<std::size_t>(position);
    for (const TTextRange& link : FLinks)
        if (link.Start <= at && at < link.End)
            return link;
    return NoLink;
}

void TLumCustomRichEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressedLink = LinkAt(event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void TLumCustomRichEdit::mouseMoveEvent(QMouseEvent* event)
{
    const bool overLink = !(LinkAt(event->position().toPoint()) == NoLink);
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

void TLumCustomRichEdit::mouseReleaseEvent(QMouseEvent* event)
{
    const TTextRange released = LinkAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && !(PressedLink == NoLink)
                    && released == PressedLink;
    PressedLink = NoLink;
    QTextEdit::mouseReleaseEvent(event);
    if (click && OnURLClick) {
        const QString text = document()->toPlainText().mid(
            static_cast<qsizetype>(released.Start), static_cast<qsizetype>(released.End - released.Start));
        OnURLClick(this, text, Qt::LeftButton);
    }
}
