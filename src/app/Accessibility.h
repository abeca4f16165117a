#pragma once
// What a screen reader finds in the program's windows: the skinned controls
// (controls/LumAccessible.h), clickable pictures, the board as a table of
// named cells, the status line as a status bar and each announcement
// (Announcer.h) as a notification. Call once after the QApplication exists;
// further calls do nothing.

void InstallAccessibility();
