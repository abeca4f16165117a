#pragma once
// A language's pictures in the runnable folder, for the table of languages:
// what is wrong with the skin's captions (kobalind_LANG.dat and
// kobalind_LANG@2x.dat) and the default sets' advertisements (cards/LANG/)
// that the build drew from translator's catalogue. Each overlay must be
// there, numbered as what it overlays, every picture it holds must decode
// at the size its place takes, and a picture whose caption the catalogue
// translates must be there. That each caption fits its place the build
// itself checks: it fails on one that does not. Empty when all is well.

#include <QTranslator>

#include <string>
#include <vector>

std::vector<std::string> DrawnLanguageProblems(const std::string& runDir, const std::string& language,
                                               const QTranslator& translator);
