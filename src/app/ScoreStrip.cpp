#include "app/ScoreStrip.h"

#include "windows/TextFit.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

QString PairsText(std::int32_t score)
{
    return score == 1 ? QStringLiteral("1 pair") : QStringLiteral("%1 pairs").arg(score);
}

} // namespace

TScoreStrip::TScoreStrip(QWidget* bar, const QRect& place, QWidget* board) : QLabel(bar), Board(board)
{
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setAccessibleDescription(QStringLiteral("Scores"));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
    hide();
    if (Board)
        Board->installEventFilter(this);
}

void TScoreStrip::ShowScores(const TPlayers& players, std::int32_t count, std::int32_t current)
{
    Players = players;
    Shown = std::clamp(count, 0, PlayerRecords);
    OnMove = current >= 1 && current <= Shown ? current : 0;
    QStringList entries;
    for (std::int32_t i = 1; i <= Shown; ++i)
        entries << QString::fromStdString(Players[i].Name) + QLatin1Char(' ') + PairsText(Players[i].Score);
    QString spoken = entries.join(QStringLiteral(", "));
    if (OnMove)
        spoken += QStringLiteral("; ") + QString::fromStdString(Players[OnMove].Name) + QStringLiteral(" to play");
    // The text is what a screen reader reads; the line itself is painted below.
    setText(spoken);
    setVisible(Board && Board->isVisible() && Shown > 0);
    update();
}

QRect TScoreStrip::EntryRect(std::int32_t player) const
{
    const int share = Shown > 0 ? width() / Shown : width();
    return QRect((player - 1) * share, 0, share, height());
}

QString TScoreStrip::ShownEntry(std::int32_t player) const
{
    if (player < 1 || player > Shown)
        return {};
    QFont face = font();
    face.setBold(player == OnMove);
    const QString score = QStringLiteral(" %1").arg(Players[player].Score);
    const int room = EntryRect(player).width() - 8 - QFontMetrics(face).horizontalAdvance(score);
    return ElideToWidth(QString::fromStdString(Players[player].Name), face, std::max(room, 0)) + score;
}

bool TScoreStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Board && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        setVisible(event->type() == QEvent::Show && Shown > 0);
    return false;
}

void TScoreStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark well of its own, over the bar's caption.
    QPainterPath well;
    well.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.fillPath(well, QColor(0x16, 0x1d, 0x3d));
    painter.setPen(QColor(0x3a, 0x48, 0x80));
    painter.drawPath(well);
    for (std::int32_t i = 1; i <= Shown; ++i) {
        const QRect entry = EntryRect(i).adjusted(2, 1, -2, -1);
        QFont face = font();
        face.setBold(i == OnMove);
        // The player on move sits on a light card of their own.
        if (i == OnMove) {
            QPainterPath mark;
            mark.addRoundedRect(QRectF(entry), 4, 4);
            painter.fillPath(mark, QColor(0xe3, 0xea, 0xff));
        }
        painter.setFont(face);
        painter.setPen(i == OnMove ? QColor(Qt::black) : QColor(0xe3, 0xea, 0xff));
        painter.drawText(entry, Qt::AlignCenter, ShownEntry(i));
    }
}
