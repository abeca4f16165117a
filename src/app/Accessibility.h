#pragma once
// What a screen reader finds in the program's windows: the skinned controls
// (controls/LumAccessible.h), clickable pictures, the board as a table of
// named cells and the status line as a status bar. Call once after the
// QApplication exists; further calls do nothing.

void InstallAccessibility();
