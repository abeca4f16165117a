#pragma once
// The language the program speaks: the one chosen on the options panel, or,
// for "System", the desktop's (platform/Languages.h). It is chosen once,
// before the first window: a new choice takes effect when the program starts
// again.

#include <string>

// Speaks the language from here on: loads its catalogue from appDir's
// translations folder (and Qt's own, for the standard dialogs and menus),
// and makes its conventions for numbers and dates the default. "en", or a
// missing catalogue, leaves the texts English. Call once, before the first
// window.
void InstallLanguage(const std::string& code, const std::string& appDir);

// The language being spoken: "" for English, else its code ("de", "pt_BR").
// Every language-dependent resource (skin captions, help) is chosen by it.
const std::string& ActiveLanguage();
