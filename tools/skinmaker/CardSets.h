#pragma once
// The four default card sets: animated GIF animals, JPEG food, bitmap
// sports and travel, each with its faces grouped by theme, and bitmap
// shadows, whose pairs are a picture and its silhouette.

#include "Emoji.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <string>
#include <vector>

struct TCardSetFile {
    std::string FileName; // inside cards/
    std::vector<std::uint8_t> Bytes;
};

std::vector<TCardSetFile> BuildCardSets(const TEmojiFont& emoji);

// The sets' advertisements in the language Theme::TDrawLanguage sets, as
// overlays of the sets (see resources/LumResOverlay.h) for cards/LANG/:
// entry 1 holds the picture when anything on it is translated, and is empty
// otherwise; entry 0, the record, is always empty.
std::vector<TCardSetFile> BuildAdvertOverlays(const TEmojiFont& emoji);

// Each set's card back and its first face (with that face's second picture
// in a set whose pairs differ), drawn as the set draws them but at the given
// size: the welcome cover shows them.
struct TSetSample {
    QImage Back;
    QImage Face;
    QImage SecondFace; // null where both cards of a pair are alike
};
std::vector<TSetSample> DrawSetSamples(const TEmojiFont& emoji, QSize size);
