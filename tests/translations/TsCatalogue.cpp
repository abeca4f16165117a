#include "TsCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <stdexcept>

bool TTsMessage::Finished() const
{
    if (!Type.isEmpty() || Translations.isEmpty())
        return false;
    for (const QString& form : Translations)
        if (form.isEmpty())
            return false;
    return true;
}

std::vector<TTsMessage> ReadTsFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + fileName.toStdString());
    QXmlStreamReader xml(&file);
    std::vector<TTsMessage> messages;
    QString context;
    bool sawTs = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            sawTs = true;
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            TTsMessage message;
            message.Context = context;
            message.Numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.push_back(message);
        } else if (!messages.empty() && name == QLatin1String("source")) {
            messages.back().Source = xml.readElementText();
        } else if (!messages.empty() && name == QLatin1String("comment")) {
            messages.back().Comment = xml.readElementText();
        } else if (!messages.empty() && name == QLatin1String("translation")) {
            TTsMessage& message = messages.back();
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.Numerus)
                message.Translations << xml.readElementText();
        } else if (!messages.empty() && name == QLatin1String("numerusform")) {
            messages.back().Translations << xml.readElementText();
        }
    }
    if (xml.hasError() || !sawTs)
        throw std::runtime_error(fileName.toStdString() + " is not a .ts file: " + xml.errorString().toStdString());
    return messages;
}

QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?[1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}
