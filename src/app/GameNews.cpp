#include "app/GameNews.h"

#include "app/Announcer.h"

#include <QCoreApplication>

namespace {

// A name inside a composed text stands in its own isolate, as on the status line.
QString Named(const TPlayer& player)
{
    return QString::fromStdString(IsolatedName(player.Name));
}

bool FaceUpInPlay(const TGame& game, std::int32_t col, std::int32_t row)
{
    return game.GameActive && game.CellState[row][col] == CellFaceUp;
}

} // namespace

QString CellPlace(std::int32_t col, std::int32_t row)
{
    //: Said by a screen reader: where a card lies on the board.
    return QCoreApplication::translate("GameNews", "row %1, column %2").arg(row + 1).arg(col + 1);
}

QString CardFace(const TGame& game, std::int32_t col, std::int32_t row)
{
    const std::int32_t pair = game.CellPair[row][col];
    if (!game.SecondFaces)
        //: Said by a screen reader: what a face-up card shows (cards of a pair have the same number).
        return QCoreApplication::translate("GameNews", "pair %1").arg(pair);
    // Both cards of the pair are told apart, as the eye tells their pictures apart.
    if (game.CellSide[row][col])
        //: Said by a screen reader: what a face-up card shows where the two cards of a pair show
        //: different pictures (cards of a pair have the same number).
        return QCoreApplication::translate("GameNews", "pair %1, second picture").arg(pair);
    //: Said by a screen reader: what a face-up card shows where the two cards of a pair show
    //: different pictures (cards of a pair have the same number).
    return QCoreApplication::translate("GameNews", "pair %1, first picture").arg(pair);
}

void TGameNews::Reset(const TGame& game)
{
    for (std::int32_t row = 0; row < MaxRows; ++row)
        for (std::int32_t col = 0; col < MaxCols; ++col)
            Up[row][col] = row < game.Rows && col < game.Cols && FaceUpInPlay(game, col, row);
}

void TGameNews::CardDrawn(const TGame& game, std::int32_t col, std::int32_t row)
{
    if (col < 0 || col >= game.Cols || row < 0 || row >= game.Rows)
        return;
    const bool up = FaceUpInPlay(game, col, row);
    if (up && !Up[row][col])
        //: Said by a screen reader. %1: a player's name, %2: "row %1, column %2", %3: "pair %1".
        Announcer.Say(QCoreApplication::translate("GameNews", "%1 turns %2: %3")
                          .arg(Named(game.Players[game.CurrentPlayer]), CellPlace(col, row),
                               CardFace(game, col, row)));
    Up[row][col] = up;
}

void TGameNews::StatusChanged(const TGame& game, const std::string& text)
{
    if (!game.GameActive || text.empty())
        return;
    // The winner's line says it all; a player's line is said in words.
    if (text != game.PlayerLine(game.CurrentPlayer)) {
        Announcer.Say(QString::fromStdString(text));
        return;
    }
    const TPlayer& player = game.Players[game.CurrentPlayer];
    const QString name = Named(player);
    if (game.TurnPhase == 3 && game.PairMatched)
        Announcer.Say(QCoreApplication::translate("GameNews", "%1 finds a pair (pairs: %2)").arg(name).arg(player.Score));
    else
        Announcer.Say(QCoreApplication::translate("GameNews", "%1's turn (pairs: %2)").arg(name).arg(player.Score));
}
