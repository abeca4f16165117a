#pragma once
// The default card sets in the player's language. Their records hold their
// English names in Windows-1252, which cannot carry every language's
// script, so a default set (one in the program's own cards folder) shows
// the translation of its name (context "CardSets", keyed by the English
// name), and its advertisement picture from the language's overlay of the
// set, cards/LANG/<the set's file>, where that holds one (entry 1; see
// resources/LumResOverlay.h). Any other set shows its own name and picture.

#include "app/CardsObj.h"
#include "resources/Graphic.h"

#include <QString>

#include <memory>
#include <string>

QString CardSetDisplayName(const TCardsObj& set, const std::string& programCardsDir);

// The advertisement of the set in setFile in language; null where there is
// none, and where the overlay is damaged (told in problem).
std::unique_ptr<TGraphic> LanguageAdvert(const std::string& setFile, const std::string& programCardsDir,
                                         const std::string& language, std::string& problem);
