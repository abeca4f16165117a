#pragma once
// The language the skin's captions are drawn in, and the rule that every
// caption fits its place. English is the source: a caption is marked with
// QT_TRANSLATE_NOOP("Skin", ...) so lupdate collects it, and Tr gives it in
// the language a TDrawLanguage sets, or in English where that language has
// no translation of it. The default card sets' names and advertisements use
// the context "CardSets".

#include <QFont>
#include <QRect>
#include <QString>

class QTranslator;

namespace Theme {

QString Translated(const char* source, const char* context = "Skin");

// How many captions Tr has given in a language other than English so far:
// a picture whose drawing did not raise it carries no translated text.
int TranslatedCaptions();

// Sets the language for its own lifetime; code names it in messages.
class TDrawLanguage {
public:
    TDrawLanguage(const QString& code, const QTranslator& translator);
    ~TDrawLanguage();
    TDrawLanguage(const TDrawLanguage&) = delete;
    TDrawLanguage& operator=(const TDrawLanguage&) = delete;

private:
    const QTranslator* PreviousTranslator;
    QString PreviousCode;
};

// Throws std::runtime_error, naming the language and the text, when text
// drawn with flags into box would not fit it: wider than the box less
// margin on either side (with the one-unit shadow), or, when it takes more
// than one line, taller than the box. A translation that fails is to be
// shortened, never squeezed.
void CheckCaptionFits(const QString& text, const QFont& font, const QRect& box, int flags, int margin = 0);

} // namespace Theme
