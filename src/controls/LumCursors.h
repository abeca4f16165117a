#pragma once
// The screen-cursor table: controls name their cursor by a small number, as
// the skin's windows do. Non-positive numbers are the platform's stock
// cursors; the program registers its own pictures under positive slots
// (1 "CRHMOVE", 2 "CRHPOINT") at start-up. Used on the UI thread only.

#include <QCursor>

#include <cstdint>

using TCursor = std::int16_t;

constexpr TCursor crDefault = 0;   // whatever the parent shows
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

// Stores a cursor under a slot, replacing what the slot held.
void RegisterCursor(TCursor slot, const QCursor& cursor);

// The cursor of a slot; an unknown slot gives the arrow. crDefault is not a
// cursor of its own: widgets unset theirs for it (see ApplyCursor).
QCursor CursorFor(TCursor slot);

class QWidget;
// Gives the widget the slot's cursor (crDefault unsets it).
void ApplyCursor(QWidget& widget, TCursor slot);
