#pragma once
// The three default card sets: animated GIF animals, JPEG food and bitmap
// sports and travel, each with its faces grouped by theme.

#include "Emoji.h"

#include <cstdint>
#include <string>
#include <vector>

struct TCardSetFile {
    std::string FileName; // inside cards/
    std::vector<std::uint8_t> Bytes;
};

std::vector<TCardSetFile> BuildCardSets(const TEmojiFont& emoji);
