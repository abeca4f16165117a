#pragma once
// The end-to-end tests see the screen through `xwd` (x11-apps), whose window
// dump is read here, so they need no image tool of their own. Only the
// true- and direct-colour ZPixmap dumps of 24- and 32-bit visuals that X
// servers give today are read.

#include <stdexcept>
#include <string>

#include "XSession.h"

#include <QImage>

class EXwdError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The dump as an RGB32 picture. Throws EXwdError when the bytes are not such
// a dump or are cut short.
QImage ReadXwd(const std::string& bytes);

// A rectangle of the session's screen; throws EXwdError when it could not be read.
QImage GrabRegion(const TXSession& session, int x, int y, int width, int height);

// The number of pixels that differ between two grabs of the same size; -1
// when the sizes differ.
long DifferentPixels(const QImage& a, const QImage& b);
