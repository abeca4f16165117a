#pragma once
// The name a card set shows in the catalogue. The default sets' records
// hold their English names in Windows-1252, which cannot carry every
// language's script, so a default set (one in the program's own cards
// folder) shows the translation of its name (context "CardSets", keyed by
// the English name); any other set shows its record's name as it is.

#include "app/CardsObj.h"

#include <QString>

#include <string>

QString CardSetDisplayName(const TCardsObj& set, const std::string& programCardsDir);
