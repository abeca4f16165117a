#pragma once
// A Qt Linguist .ts file as the translation tests read it: each message's
// context, source text, disambiguation and translation state.

#include <QString>
#include <QStringList>

#include <vector>

struct TTsMessage {
    QString Context;
    QString Source;
    QString Comment;          // the disambiguation
    bool Numerus = false;     // plural forms: Translations holds each form
    QString Type;             // "" when finished, else "unfinished", "vanished", "obsolete"
    QStringList Translations; // empty forms stay as empty strings

    // Context, source and disambiguation: what identifies a message.
    QString Key() const { return Context + QLatin1Char('\x1f') + Source + QLatin1Char('\x1f') + Comment; }
    bool Finished() const;
};

// Throws std::runtime_error when the file cannot be read or is not a .ts file.
std::vector<TTsMessage> ReadTsFile(const QString& fileName);

// The placeholders a text carries, sorted: "%1" to "%99", "%L1", and "%n".
QStringList Placeholders(const QString& text);
