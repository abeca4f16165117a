#pragma once
// The whole table of scores during a game, in one line of the button bar:
// every player's name and pairs side by side, the player on move marked.
// Long names are cut with an ellipsis so every player keeps a share of the
// line. A screen reader reads the line as text ("Ann 2 pairs, Bob 1 pair;
// Ann to play"). The strip shows only while the board does; clicks pass
// through to the bar (it drags the window like the rest of the bar).

#include "game/Players.h"

#include <QLabel>

#include <array>
#include <cstdint>

class TScoreStrip : public QLabel {
    Q_OBJECT
public:
    // Laid over the bar at place (in the bar's pixels); it follows the board's
    // visibility.
    TScoreStrip(QWidget* bar, const QRect& place, QWidget* board);

    // Players 1..count; current is the one on move, 0 when nobody is.
    void ShowScores(const TPlayers& players, std::int32_t count, std::int32_t current);

    std::int32_t Count() const { return Shown; }
    // What a player's share of the line reads, elided to fit it.
    QString ShownEntry(std::int32_t player) const;
    std::int32_t Current() const { return OnMove; }
    // A player's share of the line: what it wants when all fit, else long names give way first.
    QRect EntryRect(std::int32_t player) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont EntryFont(std::int32_t player) const;
    QString WholeEntry(std::int32_t player) const;

    QWidget* Board = nullptr;
    TPlayers Players {};
    std::int32_t Shown = 0;
    std::int32_t OnMove = 0;
    std::array<int, PlayerRecords + 1> Edges {}; // entry i spans Edges[i - 1] .. Edges[i]
};
