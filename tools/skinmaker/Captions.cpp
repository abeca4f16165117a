#include "Captions.h"
#include "Theme.h"

#include <QFontMetrics>
#include <QTranslator>

#include <stdexcept>

namespace Theme {

namespace {

const QTranslator* CurrentTranslator = nullptr;
QString CurrentCode = QStringLiteral("en");
int TranslatedCount = 0;

} // namespace

QString Translated(const char* source, const char* context)
{
    if (CurrentTranslator) {
        const QString translation = CurrentTranslator->translate(context, source);
        if (!translation.isEmpty()) {
            ++TranslatedCount;
            return translation;
        }
    }
    return QString::fromUtf8(source);
}

int TranslatedCaptions() { return TranslatedCount; }

TDrawLanguage::TDrawLanguage(const QString& code, const QTranslator& translator)
    : PreviousTranslator(CurrentTranslator), PreviousCode(CurrentCode)
{
    CurrentTranslator = &translator;
    CurrentCode = code;
}

TDrawLanguage::~TDrawLanguage()
{
    CurrentTranslator = PreviousTranslator;
    CurrentCode = PreviousCode;
}

void CheckCaptionFits(const QString& text, const QFont& font, const QRect& box, int flags, int margin)
{
    // Measured in device pixels at the scale being drawn: hinting makes a
    // text at twice the size not quite twice as wide.
    const int scale = Scale();
    QFont device = font;
    device.setPixelSize(font.pixelSize() * scale);
    const QFontMetrics metrics(device);
    const int lineFlags = flags & (Qt::TextWordWrap | Qt::TextExpandTabs);
    const QRect needed = metrics.boundingRect(QRect(0, 0, (box.width() - 2 * margin) * scale, 1 << 20),
                                              lineFlags, text);
    const int width = (needed.width() + scale - 1) / scale + 1;
    const int height = (needed.height() + scale - 1) / scale;
    const bool oneLine = needed.height() < metrics.height() + metrics.lineSpacing();
    // A centred line's accents (À, Ź) rise above the capitals: their ink must
    // stay below the box's top line, or a button's rim cuts them.
    const int baseline = (box.height() * scale - metrics.height()) / 2 + metrics.ascent();
    const int inkTop = (baseline + metrics.tightBoundingRect(text).top()) / scale;
    const bool inkInside = !oneLine || !(flags & Qt::AlignVCenter) || inkTop >= 1;
    if (width + 2 * margin <= box.width() && (oneLine || height <= box.height()) && inkInside)
        return;
    const QString problem =
        width + 2 * margin > box.width()
            ? QStringLiteral("is %1 units wide, its place holds %2").arg(width).arg(box.width() - 2 * margin)
        : !inkInside ? QStringLiteral("rises %1 units above its place's top line").arg(1 - inkTop)
                     : QStringLiteral("is %1 units high, its place holds %2").arg(height).arg(box.height());
    throw std::runtime_error(QStringLiteral("the caption \"%1\" (language %2, %3 px %4) %5; shorten the translation")
                                 .arg(text, CurrentCode, QString::number(font.pixelSize()),
                                      font.bold() ? QStringLiteral("bold") : QStringLiteral("regular"), problem)
                                 .toStdString());
}

} // namespace Theme
