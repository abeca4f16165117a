#pragma once
// The help in one language, for the tests that walk the languages: what is
// wrong with it when translator is installed. The document must read as
// the English one does (the same paragraphs, each led by a heading of the
// same look where the English one has a heading), and no paragraph the
// catalogue translates may show in English. Empty when all is well.

#include <QTranslator>

#include <string>
#include <vector>

std::vector<std::string> HelpLanguageProblems(QTranslator& translator);
