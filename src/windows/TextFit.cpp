#include "windows/TextFit.h"

#include <QFontMetrics>

QString ElideToWidth(const QString& text, const QFont& font, int width, Qt::TextElideMode mode)
{
    return QFontMetrics(font).elidedText(text, mode, width);
}

QString ElideName(const QString& text, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype open = text.indexOf(QChar(0x2068));
    const qsizetype close = open < 0 ? -1 : text.indexOf(QChar(0x2069), open + 1);
    if (close > open + 1) {
        const QString before = text.left(open + 1);
        const QString after = text.mid(close);
        const QString name = metrics.elidedText(text.mid(open + 1, close - open - 1), Qt::ElideRight,
                                                width - metrics.horizontalAdvance(before + after));
        const QString cut = before + name + after;
        // The parts' widths need not add up exactly: the whole is measured again.
        if (!name.isEmpty() && metrics.horizontalAdvance(cut) <= width)
            return cut;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}
