#pragma once
// The card-set catalogue (CardSets) and the options panel's rules that need
// no widgets: the offered pair counts and delays, the cap of the pair count
// to what a set holds, and the naming of the players. The panel's widgets
// call these; nothing here uses Qt.

#include "game/Game.h"
#include "game/PairCounts.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One card set, from entry 0 of its archive.
struct TCardsObj {
    std::string FileName;        // full path: the cards folder followed by the file's name
    std::string SetName;         // display name, from the set's record
    std::int32_t CardWidth = 0;  // one card picture, pixels
    std::int32_t CardHeight = 0;
    std::int32_t ImageCount = 0; // faces in the set; one face makes one pair
    // Why the set failed when it was dealt (UnusableSetText); it is not
    // dealt again in this run. Empty while it is usable.
    std::string Unusable;
};

// In the order the folder listings returned the archives, unsorted;
// duplicate set names stay, duplicate file names do not (see BuildCardSets).
using TCardSets = std::vector<TCardsObj>;

// Lists the "*.crd" files of each of cardsDirs in turn (the extension in any
// letter case, as the original desktop matched it; only regular files),
// reads each one's record and puts it into sets (which is cleared first) by
// PutCardSet, so a set in a later folder takes the place of a set of the
// same file name from an earlier one: the user's own copy of a set hides the
// program's, and a file name always means one set. A file that cannot be
// opened, has no readable entry 0, or whose record gives a card size that is
// not positive or a negative face count is skipped silently (and hides
// nothing). Returns the index of the set whose file name equals
// rememberedName exactly, or 0. A missing or unreadable folder adds nothing.
std::int32_t BuildCardSets(const std::vector<std::string>& cardsDirs, const std::string& rememberedName,
                           TCardSets& sets);

// Reads one set's record as BuildCardSets does; false for a file it would skip.
bool ReadCardsObj(const std::string& fileName, TCardsObj& set);

// Puts set into sets in place of the one of the same file name, else at the
// end; returns its index.
std::int32_t PutCardSet(TCardSets& sets, TCardsObj set);

// The index of the set whose file name (no folder) is fileName exactly, or -1.
std::int32_t FindCardSet(const TCardSets& sets, const std::string& fileName);

// The file-name part of a set's path, as the "Cards" setting stores it.
std::string CardSetFileName(const TCardsObj& set);

// --- Options rules -----------------------------------------------------------

// PairsBox offers PairCounts (game/PairCounts.h), top to bottom.
// DelayBox's items (seconds); item i is the delay index i.
constexpr std::array<const char*, 9> DelayTexts = {"1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"};

// PairsBox's item for a stored count: the item showing that number, else 0 ("8").
std::int32_t PairCountIndex(std::int32_t pairCount);
// The cap of a PairsBox selection to a set of imageCount faces: from the
// selected item towards the top, the first whose number is at most
// imageCount; the selection itself when none is (fewer than 8 faces). An
// index out of range is returned unchanged.
std::int32_t CapPairIndex(std::int32_t selectedIndex, std::int32_t imageCount);
// True when the set cannot fill the selected count: the options panel then
// says NotEnoughImagesText before capping.
bool LacksImages(std::int32_t selectedIndex, std::int32_t imageCount);
// "This set of cards does not contain enough images!", then how many
// pictures the set has and how many pairs they make.
std::string NotEnoughImagesText(std::int32_t imageCount);
// A set that failed when dealt: its name and what is wrong in plain words
// first, the technical detail after.
std::string UnusableSetText(const TCardsObj& set, const std::string& plain, const std::string& detail);
// The largest offered pair count a set of imageCount faces can fill; 0 below 8.
std::int32_t LargestOfferedPairCount(std::int32_t imageCount);

using TPlayerEdits = std::array<std::string, 4>;         // Player1Edit .. Player4Edit

// The texts of the four name edits: Players[2..5] with the computer playing,
// else Players[1..4].
TPlayerEdits NamesForEdits(const TPlayers& players, bool computerPlays);

// Takes the edits' texts (as typed, not trimmed) into Players and returns
// PlayerCount by NamePlayers. With the computer: Players[1] is "Computer" and
// the edits fill [2..5]; without: the edits fill [1..4] and [5] stays.
std::int32_t ApplyPlayerNames(TPlayers& players, const TPlayerEdits& edits, bool computerPlays);
