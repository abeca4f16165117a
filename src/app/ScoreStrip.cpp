#include "app/ScoreStrip.h"

#include "platform/Translate.h"
#include "windows/TextFit.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// "Anna 3 pairs", as a screen reader says an entry.
QString SpokenEntry(const TPlayer& player)
{
    //: Said by a screen reader for each player. %1: the player's name, %n: the pairs found.
    return QString::fromStdString(FillIn(Tr("TScoreStrip", "%1 %n pair(s)", nullptr, player.Score), {player.Name}));
}

// Room around an entry's text, for the mark of the player on move.
constexpr int EntryPadding = 10;

// Shares room among entries that want these widths: all they want and the
// rest evenly when it fits; otherwise the widest give way first, down to a
// width that fills the room, so a long name is cut before a short one.
std::vector<int> ShareWidths(const std::vector<int>& wants, int room)
{
    const int n = static_cast<int>(wants.size());
    std::vector<int> widths(wants);
    if (n == 0)
        return widths;
    const long total = std::accumulate(wants.begin(), wants.end(), 0L);
    if (total <= room) {
        for (int& width : widths)
            width += static_cast<int>((room - total) / n);
        return widths;
    }
    std::vector<int> sorted(wants);
    std::sort(sorted.begin(), sorted.end());
    int left = room;
    int cap = room / n;
    for (int i = 0; i < n; ++i) {
        if (static_cast<long>(sorted[i]) * (n - i) > left) {
            cap = left / (n - i);
            break;
        }
        left -= sorted[i];
    }
    for (int& width : widths)
        width = std::min(width, cap);
    return widths;
}

} // namespace

TScoreStrip::TScoreStrip(QWidget* bar, const QRect& place, QWidget* board) : QLabel(bar), Board(board)
{
    setGeometry(place);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setAccessibleDescription(tr("Scores"));
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
        entries << SpokenEntry(Players[i]);
    QString spoken = entries.join(QStringLiteral(", "));
    if (OnMove)
        spoken = tr("%1; %2 to play").arg(spoken, QString::fromStdString(Players[OnMove].Name));
    // The text is what a screen reader reads; the line itself is painted below.
    setText(spoken);

    std::vector<int> wants;
    for (std::int32_t i = 1; i <= Shown; ++i)
        wants.push_back(QFontMetrics(EntryFont(i)).horizontalAdvance(WholeEntry(i)) + EntryPadding);
    const std::vector<int> widths = ShareWidths(wants, width());
    Edges.fill(0);
    for (std::int32_t i = 1; i <= Shown; ++i)
        Edges[static_cast<std::size_t>(i)] = Edges[static_cast<std::size_t>(i - 1)] + widths[static_cast<std::size_t>(i - 1)];
    setVisible(Board && Board->isVisible() && Shown > 0);
    update();
}

QFont TScoreStrip::EntryFont(std::int32_t player) const
{
    QFont face = font();
    face.setBold(player == OnMove);
    return face;
}

QString TScoreStrip::WholeEntry(std::int32_t player) const
{
    return QString::fromStdString(Players[player].Name) + QStringLiteral(" %1").arg(Players[player].Score);
}

QRect TScoreStrip::EntryRect(std::int32_t player) const
{
    if (player < 1 || player > Shown)
        return {};
    const int left = Edges[static_cast<std::size_t>(player - 1)];
    return QRect(left, 0, Edges[static_cast<std::size_t>(player)] - left, height());
}

QString TScoreStrip::ShownEntry(std::int32_t player) const
{
    if (player < 1 || player > Shown)
        return {};
    const QFontMetrics metrics(EntryFont(player));
    const int room = EntryRect(player).width() - EntryPadding;
    if (metrics.horizontalAdvance(WholeEntry(player)) <= room)
        return WholeEntry(player);
    const QString score = QStringLiteral(" %1").arg(Players[player].Score);
    return ElideToWidth(QString::fromStdString(Players[player].Name), EntryFont(player),
                        std::max(room - metrics.horizontalAdvance(score), 0))
        + score;
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
        const QFont face = EntryFont(i);
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
