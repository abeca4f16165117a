#pragma once
// The skin in the player's language. Beside kobalind.dat, kobalind_LANG.dat
// (and kobalind_LANG@2x.dat beside kobalind@2x.dat) holds the pictures whose
// captions are drawn in language LANG, numbered as the skin's entries; an
// empty entry leaves the skin's own picture in place. The overlay is read
// after the skin and takes precedence. A language without an overlay shows
// the skin as it is, and so does one whose overlay is damaged: the skin
// must never fail to start for a language's sake.

#include "resources/LumRes.h"
#include "resources/Stream.h"

#include <string>
#include <vector>

class TLanguageSkin {
public:
    // skin must outlive this object. An empty language, or "en", lays nothing.
    TLanguageSkin(TLumResReader& skin, const std::string& appDir, const std::string& language);
    TLanguageSkin(const TLanguageSkin&) = delete;
    TLanguageSkin& operator=(const TLanguageSkin&) = delete;

    // The skin to build the windows from: the laid one, or skin itself.
    TLumResReader& Reader() { return Laid.EntryCount() > 0 ? Laid : *Skin; }

    // The overlay at twice the resolution ("" when the ordinary one was not
    // laid), and the entries the ordinary overlay replaced: those must not
    // show the skin's sharp picture, which carries the English caption.
    std::string SharpOverlayFile;
    std::vector<bool> Replaced;

    // Why an overlay that is there was not laid; empty when it was, or
    // when there is none.
    std::string Problem;

private:
    TLumResReader* Skin;
    TMemoryStream LaidBytes;
    TLumResReader Laid;
};
