#pragma once
// The rich text viewer: a QTextEdit filled by our own RTF reader, with link
// detection of our own. TLumCustomRichEdit holds the behaviour,
// TLumRichEditOLE is the control the windows place. TRichEditStrings is the
// text as lines; TLumTextAttributes and TLumParaAttributes read and change
// the character format of the selection (or the default one) and the
// paragraph format of the current paragraph.
//
// Loading tries rich text first (plain text first when PlainText is set) and
// the other format when the first fails; when both fail it throws
// EWindowError("Failed to Load Stream") and the text stays as it was.
// Plain text is read as UTF-8, or as Windows-1252 when it is not valid UTF-8.
// Embedded objects are not supported: the viewer only shows text.

#include "windows/UrlDetect.h"

#include <QTextEdit>

#include <cstddef>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStream;
class TLumCustomRichEdit;

// The level of the rich edit library: fixed on this platform at the level
// with link detection (3).
constexpr int RichEditVersion = 3;

// The control's text as a list of lines (paragraphs); its storage is the
// control's document.
class TRichEditStrings {
public:
    explicit TRichEditStrings(TLumCustomRichEdit& edit) : Edit(edit) {}

    int Count() const;
    QString Strings(int index) const; // "" outside 0 .. Count-1
    QString Text() const;             // the lines joined with '\n'
    void Clear();

    // Reads from the stream's position to its end (see the file comment).
    void LoadFromStream(TStream& stream);
    // Rich text unless PlainText is set, written at the stream's position.
    // Throws EWindowError("Failed to Save Stream") when the stream refuses.
    void SaveToStream(TStream& stream) const;

private:
    TLumCustomRichEdit& Edit;
};

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const TFontStyles&) const = default;
};

class TLumTextAttributes {
public:
    enum TAttributeType { atSelected, atDefaultText };
    TLumTextAttributes(TLumCustomRichEdit& edit, TAttributeType type) : Edit(edit), Type(type) {}

    QColor Color() const;
    void SetColor(const QColor& color);
    QString Name() const;
    void SetName(const QString& name);
    double Size() const; // points
    void SetSize(double points);
    TFontStyles Style() const;
    void SetStyle(const TFontStyles& style);

private:
    QTextCharFormat Format() const;
    void Apply(const QTextCharFormat& format);
    TLumCustomRichEdit& Edit;
    TAttributeType Type;
};

class TLumParaAttributes {
public:
    explicit TLumParaAttributes(TLumCustomRichEdit& edit) : Edit(edit) {}
    std::int32_t LeftIndent() const; // twips
    void SetLeftIndent(std::int32_t twips);

private:
    TLumCustomRichEdit& Edit;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TLumCustomRichEdit : public QTextEdit {
    Q_OBJECT
public:
    using TURLClickEvent = std::function<void(QObject* Sender, const QString& URLText, Qt::MouseButton Button)>;

    explicit TLumCustomRichEdit(QWidget* parent = nullptr);
    ~TLumCustomRichEdit() override;

    TRichEditStrings& Lines() { return FLines; }
    const TRichEditStrings& Lines() const { return FLines; }
    TLumTextAttributes& SelAttributes() { return FSelAttributes; }
    TLumTextAttributes& DefAttributes() { return FDefAttributes; }
    TLumParaAttributes& Paragraph() { return FParagraph; }

    // Each line followed by a line break, loaded as Lines.LoadFromStream does.
    void LoadFromStrings(const std::vector<std::string>& strings);
    void LoadFromText(const std::string& text);
    // The text as Lines.SaveToStream writes it, without trailing zero bytes.
    std::string SaveToText() const;

    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    bool AutoURLDetect() const { return FAutoURLDetect; }
    // Marks or unmarks the links of the current text.
    void SetAutoURLDetect(bool value);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool value) { setReadOnly(value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    // The detected links, in document positions.
    const std::vector<TTextRange>& Links() const { return FLinks; }
    // Pixels per logical inch of the screen, recorded at construction.
    int LogPixels() const { return LogPixelsY; }
    // Raised when the left button is pressed and released on the same link.
    TURLClickEvent OnURLClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class TRichEditStrings;
    bool LoadRichBytes(const std::string& bytes);
    bool LoadPlainBytes(const std::string& bytes);
    std::string RichBytes() const;
    void AfterLoad();
    void DetectLinks();
    // The link under a viewport point, or NoLink.
    TTextRange LinkAt(const QPoint& viewportPos) const;
    void ShowLinks();

    TRichEditStrings FLines;
    TLumTextAttributes FSelAttributes;
    TLumTextAttributes FDefAttributes;
    TLumParaAttributes FParagraph;
    bool FPlainText = false;
    bool FAutoURLDetect = true;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssBoth;
    std::vector<TTextRange> FLinks;
    static constexpr TTextRange NoLink {SIZE_MAX, SIZE_MAX};
    TTextRange PressedLink = NoLink; // the link of the last left press
    int LogPixelsY = 96;
};

class TLumRichEditOLE : public TLumCustomRichEdit {
    Q_OBJECT
public:
    using TLumCustomRichEdit::TLumCustomRichEdit;
};
