#include "Emoji.h"

#include "Theme.h"

#include <QFontDatabase>
#include <QPainter>

#include <stdexcept>

namespace {

const char* const EmojiFontFile = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

// Drawing at the font's own bitmap size and scaling once keeps the glyphs sharp.
constexpr int RenderSize = 136;

} // namespace

TEmojiFont::TEmojiFont()
{
    const int id = QFontDatabase::addApplicationFont(EmojiFontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        throw std::runtime_error(std::string("cannot load the emoji font ") + EmojiFontFile
                                 + " (Debian package fonts-noto-color-emoji)");
    Family = families.first();
    QFont font(Family);
    font.setPixelSize(RenderSize);
    Raw = QRawFont::fromFont(font);
}

QImage TEmojiFont::Glyph(const QString& emoji, int size) const
{
    const QList<uint> codes = emoji.toUcs4();
    if (codes.isEmpty() || !Raw.supportsCharacter(codes.first()))
        throw std::runtime_error("the emoji font has no glyph for " + emoji.toStdString());

    QImage canvas(RenderSize * 3 / 2, RenderSize * 3 / 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        QFont font(Family);
        font.setPixelSize(RenderSize);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    // Trim to the drawn pixels so every glyph fills its square alike.
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        throw std::runtime_error("the emoji font drew nothing for " + emoji.toStdString());
    const QImage trimmed = canvas.copy(left, top, right - left + 1, bottom - top + 1);
    // size units square, at the drawing's scale.
    const int pixels = size * Theme::Scale();
    const QImage scaled = trimmed.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage out(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.drawImage((pixels - scaled.width()) / 2, (pixels - scaled.height()) / 2, scaled);
    }
    out.setDevicePixelRatio(Theme::Scale());
    return out;
}
