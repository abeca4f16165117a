#include "LumResOverlay.h"

#include "LumResWriter.h"
#include "ResourceError.h"

#include <string>

TLaidArchive LayOverlay(TLumResReader& base, TLumResReader& overlay)
{
    if (overlay.EntryCount() > base.EntryCount())
        throw EResourceError("The overlay holds " + std::to_string(overlay.EntryCount()) +
                             " entries, more than the archive's " + std::to_string(base.EntryCount()));
    TLaidArchive laid;
    laid.Replaced.assign(static_cast<std::size_t>(base.EntryCount()), false);
    TLumResWriter writer(base.Tag);
    for (std::int32_t entry = 0; entry < base.EntryCount(); ++entry) {
        const bool replaced = entry < overlay.EntryCount() && overlay.Entries[entry].EntrySize > 0;
        TLumResReader& from = replaced ? overlay : base;
        writer.AddRaw(from.Entries[entry].EntryKind, from.ReadStored(entry));
        laid.Replaced[static_cast<std::size_t>(entry)] = replaced;
    }
    laid.Bytes = writer.Bytes();
    return laid;
}
