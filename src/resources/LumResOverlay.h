#pragma once
// An overlay of an archive: an archive numbered like it, whose non-empty
// entries replace the base archive's and whose empty entries (size 0) leave
// them as they are. A language's captions are laid over the skin this way,
// so its archive holds only the pictures that carry text.

#include "LumRes.h"

#include <cstdint>
#include <vector>

struct TLaidArchive {
    std::vector<std::uint8_t> Bytes; // the base's archive with the overlay's entries in place
    std::vector<bool> Replaced;      // by entry of the base: whether the overlay replaced it
};

// Every entry keeps its kind and stored bytes: nothing is inflated. Throws
// EResourceError when the overlay holds more entries than the base (it
// belongs to another archive) or an entry of either is cut short.
TLaidArchive LayOverlay(TLumResReader& base, TLumResReader& overlay);
