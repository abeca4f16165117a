#pragma once
// Making a card set from the player's own pictures: the work without any
// window, so that it runs off the UI thread and tests drive it directly.
// Pictures are decoded with Qt's readers (every format Qt reads: PNG, JPEG,
// GIF, BMP and more), fitted to the card and stored as JPEG faces; the
// archive itself is written by the core's card-set writer, atomically.

#include "app/PictureNames.h"
#include "platform/AtomicFile.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// The card of a made set: landscape 4:3 like most photos, large enough to
// stay sharp on the smaller boards (the board shrinks it for larger ones).
inline constexpr QSize MadeCardSize {160, 120};

// The files of folder (not its subfolders) whose extension names a format Qt
// reads, regular files only, in natural name order ("img2" before "img10").
QStringList PictureFilesIn(const QString& folder);

// The picture filling a card of size: scaled, never stretched, to cover the
// card, then cut to it, centred across and a third of the way down (people's
// heads sit in the upper part of tall photos); transparency becomes white.
QImage FitToCard(const QImage& picture, QSize size);

struct TSkippedPicture {
    QString File;
    QString Reason; // a whole sentence for the player
};

struct TMadeSet {
    int Pairs = 0;                         // the usable pictures (or pictures pairs), one pair each
    bool Saved = false;                    // the set was written: Pairs was enough for a game
    std::vector<TSkippedPicture> Skipped;  // unreadable or duplicate pictures, in file order
    bool Cancelled = false;                // nothing was written
    TWriteOutcome Written;
};

struct TSetRequest {
    std::vector<std::string> Files; // paired by PairPictures
    std::string SetName;
    std::string OutFile; // replaced if it exists: the caller asks first
};

// Called after each picture with the number done and the number in all, from
// the thread that runs MakeSetFromPictures.
using TMakerProgress = std::function<void(int done, int total)>;

// Reads every picture, skips those that cannot be read and those whose card
// would repeat an earlier one, and writes the set when at least the smallest
// game's number of pairs is left (nothing is written otherwise). Checks cancel between pictures; once it is set nothing is
// written. Throws EGameError when the set cannot be written.
TMadeSet MakeSetFromPictures(const TSetRequest& request, const TMakerProgress& progress,
                             const std::atomic<bool>& cancel);
