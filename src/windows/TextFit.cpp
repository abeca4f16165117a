#include "windows/TextFit.h"

#include <QFontMetrics>

QString ElideToWidth(const QString& text, const QFont& font, int width, Qt::TextElideMode mode)
{
    return QFontMetrics(font).elidedText(text, mode, width);
}
