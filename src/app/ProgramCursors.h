#pragma once
// The program's two cursor slots, registered by the main window at start-up.

#include "controls/LumCursors.h"

constexpr TCursor CursorMove = 1;  // "CRHMOVE", over draggable surfaces
constexpr TCursor CursorPoint = 2; // "CRHPOINT", over clickable things
