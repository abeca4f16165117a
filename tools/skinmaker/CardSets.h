#pragma once
// The three default card sets: animated GIF animals, JPEG food and bitmap
// sports and travel, each with its faces grouped by theme.

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

// Each set's card back and its first face, drawn as the set draws them but
// at the given size: the welcome cover shows them.
struct TSetSample {
    QImage Back;
    QImage Face;
};
std::vector<TSetSample> DrawSetSamples(const TEmojiFont& emoji, QSize size);
