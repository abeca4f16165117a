#include "windows/RtfTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;

QString ToQString(const std::u32string& text)
{
    return QString::fromStdU32String(text); // U+2028 is Qt's line separator as well
}

QTextCharFormat ToQt(const TRtfDocument& model, const TRtfCharFormat& f)
{
    QTextCharFormat format;
    if (const TRtfFont* font = model.FindFont(f.Font)) {
        QStringList families{QString::fromStdString(font->Name)};
        if (!font->AltName.empty())
            families << QString::fromStdString(font->AltName);
        format.setFontFamilies(families);
    }
    format.setFontPointSize(f.FontSize / 2.0);
    format.setFontWeight(f.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.Italic);
    format.setFontUnderline(f.Underline);
    if (f.Color > 0 && static_cast<std::size_t>(f.Color) < model.Colors.size()) {
        const TRtfColor& c = model.Colors[static_cast<std::size_t>(f.Color)];
        if (!c.Auto)
            format.setForeground(QColor(c.Red, c.Green, c.Blue));
    }
    return format;
}

// Builds the model's tables while the document is walked.
class TFormatCollector {
public:
    explicit TFormatCollector(TRtfDocument& model) : Model(model)
    {
        Model.Colors.push_back(TRtfColor{0, 0, 0, true});
    }

    TRtfCharFormat ToModel(const QTextCharFormat& format)
    {
        TRtfCharFormat f;
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty())
            f.Font = FontIndex(families);
        if (format.fontPointSize() > 0)
            f.FontSize = static_cast<std::int32_t>(std::lround(format.fontPointSize() * 2));
        f.Bold = format.fontWeight() >= QFont::Bold;
        f.Italic = format.fontItalic();
        f.Underline = format.fontUnderline();
        if (format.foreground().style() != Qt::NoBrush)
            f.Color = ColorIndex(format.foreground().color());
        return f;
    }

private:
    std::int32_t FontIndex(const QStringList& families)
    {
        const std::string name = families.first().toStdString();
        const std::string alt = families.size() > 1 ? families.at(1).toStdString() : std::string();
        for (const TRtfFont& font : Model.Fonts)
            if (font.Name == name && font.AltName == alt)
                return font.Index;
        const auto index = static_cast<std::int32_t>(Model.Fonts.size());
        Model.Fonts.push_back(TRtfFont{index, name, alt, 1, ""});
        return index;
    }

    std::int32_t ColorIndex(const QColor& color)
    {
        const TRtfColor c{static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                          static_cast<std::uint8_t>(color.blue()), false};
        for (std::size_t i = 0; i < Model.Colors.size(); ++i)
            if (Model.Colors[i] == c)
                return static_cast<std::int32_t>(i);
        Model.Colors.push_back(c);
        return static_cast<std::int32_t>(Model.Colors.size() - 1);
    }

    TRtfDocument& Model;
};

} // namespace

void RtfToTextDocument(const TRtfDocument& model, QTextDocument& document, int logPixels)
{
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const TRtfParagraph& para : model.Paragraphs) {
        QTextBlockFormat block;
        block.setLeftMargin(para.LeftIndent * logPixels / TwipsPerInch);
        const QTextCharFormat mark = ToQt(model, para.EndFormat);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const TRtfRun& run : para.Runs)
            cursor.insertText(ToQString(run.Text), ToQt(model, run.Format));
    }
}

TRtfDocument TextDocumentToRtf(const QTextDocument& document, int logPixels)
{
    TRtfDocument model;
    TFormatCollector collector(model);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        TRtfParagraph para;
        para.LeftIndent = static_cast<std::int32_t>(
            std::lround(block.blockFormat().leftMargin() * TwipsPerInch / logPixels));
        para.EndFormat = collector.ToModel(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const TRtfCharFormat format = collector.ToModel(fragment.charFormat());
            const std::u32string text = fragment.text().toStdU32String();
            if (!para.Runs.empty() && para.Runs.back().Format == format)
                para.Runs.back().Text += text;
            else
                para.Runs.push_back(TRtfRun{format, text});
        }
        model.Paragraphs.push_back(std::move(para));
    }
    return model;
}
