#pragma once
// What a player who cannot see the board is told of the game as it goes:
// each card turned, by whom and what it shows, a pair found, the turn passing
// and the end. The main window hands on what the engine asks of it as a view;
// the texts come from the model and reach the reader through the announcer.

#include "game/Game.h"

#include <QString>

#include <cstdint>
#include <string>

class TAnnouncer;

// "row 2, column 3": where a cell is, as a reader says it.
QString CellPlace(std::int32_t col, std::int32_t row);
// "pair 4" (or "pair 4, second picture" where a pair's cards differ): what
// the card in the cell shows, as a reader says it.
QString CardFace(const TGame& game, std::int32_t col, std::int32_t row);

class TGameNews {
public:
    // The announcer must outlive the news.
    explicit TGameNews(TAnnouncer& announcer) : Announcer(announcer) {}

    // A new deal or a resumed game: the cards already face up are no news.
    void Reset(const TGame& game);
    // The engine drew a cell: a card that has just come face up is news.
    void CardDrawn(const TGame& game, std::int32_t col, std::int32_t row);
    // The status line took a new text.
    void StatusChanged(const TGame& game, const std::string& text);

private:
    TAnnouncer& Announcer;
    bool Up[MaxRows][MaxCols] {}; // the cards face up when last drawn
};
