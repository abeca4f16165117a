#pragma once
// tessaly speaks the desktop's language when the game's catalogues lie in
// the translations folder beside it, as they do once installed.

// Installs the translator for the desktop's language; texts stay English
// when there is no catalogue for it.
void SpeakDesktopLanguage();
