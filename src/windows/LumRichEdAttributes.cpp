// The character and paragraph attribute objects of the rich text viewer.
#include "windows/LumRichEdOLE.h"

#include <QTextBlock>

#include <cmath>

// --- TLumTextAttributes ------------------------------------------------------

QTextCharFormat TLumTextAttributes::Format() const
{
    if (Type == atSelected)
        return Edit.textCursor().charFormat();
    QTextCharFormat format;
    format.setFont(Edit.document()->defaultFont());
    return format;
}

void TLumTextAttributes::Apply(const QTextCharFormat& format)
{
    if (Type == atSelected) {
        Edit.mergeCurrentCharFormat(format);
        return;
    }
    QTextCharFormat merged = Format();
    merged.merge(format);
    Edit.document()->setDefaultFont(merged.font());
    if (format.foreground().style() != Qt::NoBrush) {
        QPalette palette = Edit.palette();
        palette.setColor(QPalette::Text, format.foreground().color());
        Edit.setPalette(palette);
    }
}

QColor TLumTextAttributes::Color() const
{
    const QTextCharFormat format = Format();
    return format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                      : Edit.palette().color(QPalette::Text);
}

void TLumTextAttributes::SetColor(const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    Apply(format);
}

QString TLumTextAttributes::Name() const
{
    const QStringList families = Format().fontFamilies().toStringList();
    return families.isEmpty() ? Edit.document()->defaultFont().family() : families.first();
}

void TLumTextAttributes::SetName(const QString& name)
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    Apply(format);
}

double TLumTextAttributes::Size() const
{
    const double size = Format().fontPointSize();
    return size > 0 ? size : Edit.document()->defaultFont().pointSizeF();
}

void TLumTextAttributes::SetSize(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    Apply(format);
}

TFontStyles TLumTextAttributes::Style() const
{
    const QTextCharFormat format = Format();
    return {format.fontWeight() >= QFont::Bold, format.fontItalic(), format.fontUnderline()};
}

void TLumTextAttributes::SetStyle(const TFontStyles& style)
{
    QTextCharFormat format;
    format.setFontWeight(style.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.Italic);
    format.setFontUnderline(style.Underline);
    Apply(format);
}

// --- TLumParaAttributes ------------------------------------------------------

std::int32_t TLumParaAttributes::LeftIndent() const
{
    return static_cast<std::int32_t>(
        std::lround(Edit.textCursor().blockFormat().leftMargin() * 1440.0 / Edit.LogPixels()));
}

void TLumParaAttributes::SetLeftIndent(std::int32_t twips)
{
    QTextCursor cursor = Edit.textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    format.setLeftMargin(twips * Edit.LogPixels() / 1440.0);
    cursor.setBlockFormat(format);
}
