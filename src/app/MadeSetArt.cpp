#include "app/MadeSetArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor BackColour(0x2b, 0x4c, 0x8c);
const QColor PatternColour(0x4a, 0x6e, 0xb5);
const QSize AdvertSize(178, 170); // the score window shows it at this size

} // namespace

QImage DrawMadeBack(QSize size)
{
    QImage back(size, QImage::Format_RGB32);
    back.fill(BackColour);
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(PatternColour, 2));
    // A lattice of diagonals, and a frame inside the edge.
    const int step = 16;
    for (int d = -size.height(); d < size.width(); d += step) {
        painter.drawLine(d, 0, d + size.height(), size.height());
        painter.drawLine(d, size.height(), d + size.height(), 0);
    }
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(QRectF(6.5, 6.5, size.width() - 13, size.height() - 13));
    return back;
}

QImage DrawMadeAdvert(const QString& setName, const std::vector<QImage>& samples)
{
    QImage advert(AdvertSize, QImage::Format_RGB32);
    advert.fill(BackColour);
    QPainter painter(&advert);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int gap = 6;
    const int cellWidth = (AdvertSize.width() - 3 * gap) / 2;
    const int cellHeight = cellWidth * 3 / 4;
    for (std::size_t i = 0; i < samples.size() && i < 4; ++i) {
        const int col = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
        const QRect cell(gap + col * (cellWidth + gap), gap + row * (cellHeight + gap), cellWidth, cellHeight);
        painter.drawImage(cell, samples[i]);
    }
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const int textTop = 2 * cellHeight + 3 * gap;
    painter.drawText(QRect(gap, textTop, AdvertSize.width() - 2 * gap, AdvertSize.height() - textTop - gap),
                     Qt::AlignCenter | Qt::TextWordWrap, setName);
    return advert;
}
