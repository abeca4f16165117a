#include "HelpLanguageCheck.h"

#include "windows/RtfReader.h"
#include "windows/helpf.h"

#include <QCoreApplication>

namespace {

TRtfDocument HelpRead()
{
    std::string text;
    for (const std::string& line : Thelpform::HelpDocument())
        text += line + "\r\n";
    return ReadRtf(text);
}

std::u32string PlainText(const TRtfParagraph& paragraph)
{
    std::u32string text;
    for (const TRtfRun& run : paragraph.Runs)
        text += run.Text;
    return text;
}

} // namespace

std::vector<std::string> HelpLanguageProblems(QTranslator& translator)
{
    const TRtfDocument english = HelpRead();
    QCoreApplication::installTranslator(&translator);
    const TRtfDocument translated = HelpRead();
    QCoreApplication::removeTranslator(&translator);

    if (translated.Paragraphs.size() != english.Paragraphs.size())
        return {"the help has " + std::to_string(translated.Paragraphs.size()) + " paragraphs, the English one " +
                std::to_string(english.Paragraphs.size())};
    std::vector<std::string> problems;
    const std::vector<const char*>& sources = Thelpform::ParagraphSources();
    for (std::size_t i = 0; i < sources.size(); ++i) {
        // The document opens with an empty paragraph.
        const TRtfParagraph& source = english.Paragraphs.at(i + 1);
        const TRtfParagraph& paragraph = translated.Paragraphs.at(i + 1);
        const std::string where = "paragraph " + std::to_string(i + 1);
        if (translator.translate("Help", sources[i]).isEmpty())
            continue;
        if (PlainText(paragraph) == PlainText(source))
            problems.push_back(where + " is in English though the catalogue translates it");
        else if (paragraph.Runs.size() != source.Runs.size() || paragraph.Runs[0].Format != source.Runs[0].Format ||
                 paragraph.Runs.back().Format != source.Runs.back().Format || paragraph.LeftIndent != source.LeftIndent)
            problems.push_back(where + " is not laid out as the English one (a heading's <b> or </b> lost?)");
    }
    return problems;
}
