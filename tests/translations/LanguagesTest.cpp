// Every language the program speaks, one row of the table each. Its catalogue
// is finished and keeps the English texts' placeholders, and the program
// started in its locale shows no English text, on the cover, the options
// panel, a board and the score window, where the catalogue has a translation.
// The screens are saved as pictures beside the test, for a look by eye.
// Checks of a language's other resources join as tests of this table: the
// skin's captions, the sets' advertisements and the help.
#include "DrawnLanguageCheck.h"
#include "PrivateFolders.h"
#include "TsCatalogue.h"
#include "windows/HelpLanguageCheck.h"

#include "app/AppWindows.h"
#include "app/Language.h"
#include "app/MainF.h"
#include "controls/LumImageMap.h"
#include "game/Records.h"
#include "platform/Languages.h"
#include "platform/Translate.h"
#include "resources/LumRes.h"
#include "windows/scoref.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>

namespace {

struct TLanguageRow {
    const char* Code;   // the catalogue's
    const char* Locale; // LANG the program starts with
};

const TLanguageRow LanguageTable[] = {
    {"de", "de_DE.UTF-8"}, {"fr", "fr_FR.UTF-8"}, {"es", "es_ES.UTF-8"}, {"it", "it_IT.UTF-8"},
    {"nl", "nl_NL.UTF-8"}, {"pl", "pl_PL.UTF-8"}, {"pt_BR", "pt_BR.UTF-8"}, {"ru", "ru_RU.UTF-8"},
};

void PrintTo(const TLanguageRow& row, std::ostream* out)
{
    *out << row.Code;
}

QString SourceFile(const TLanguageRow& row)
{
    return QStringLiteral(KOBALIND_TRANSLATIONS_DIR "/kobalind_") + QString::fromLatin1(row.Code)
        + QStringLiteral(".ts");
}

// Whether a shown text is one that a text of the catalogue makes: its
// placeholders stand for anything, "(s)" for an English plural's ending, and
// a text cut short with "…" (a long name) for any text it begins.
bool Makes(const QString& catalogueText, const QString& shown)
{
    static const QRegularExpression special(QStringLiteral("%(L?[1-9][0-9]?|n)|\\(s\\)"));
    QString pattern;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : special.globalMatch(catalogueText)) {
        pattern += QRegularExpression::escape(catalogueText.mid(done, match.capturedStart() - done));
        pattern += match.captured() == QLatin1String("(s)") ? QStringLiteral("s?") : QStringLiteral(".*");
        done = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(catalogueText.mid(done));
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern),
                                        QRegularExpression::DotMatchesEverythingOption);
    if (shown.endsWith(QChar(0x2026)))
        return expression.match(shown.chopped(1), 0, QRegularExpression::PartialPreferFirstMatch).hasPartialMatch()
            || expression.match(shown.chopped(1)).hasMatch();
    return expression.match(shown).hasMatch();
}

// What a widget shows or tells a screen reader: its caption, list items,
// hint, title and accessible name.
QStringList WidgetTexts(QWidget* widget)
{
    QStringList texts {widget->windowTitle(), widget->toolTip(), widget->accessibleName(),
                       widget->accessibleDescription()};
    if (auto* label = qobject_cast<QLabel*>(widget))
        texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        texts << button->text();
    if (auto* list = qobject_cast<QComboBox*>(widget))
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    if (auto* map = qobject_cast<TLumImageMap*>(widget))
        for (int i = 0; i < map->AreaCount(); ++i)
            texts << map->Area(i).AreaHint;
    texts.removeAll(QString());
    return texts;
}

// Every text a window on screen shows: its own and its visible children's.
QStringList ShownTexts(QWidget* window)
{
    QStringList texts = WidgetTexts(window);
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisible())
            texts << WidgetTexts(widget);
    return texts;
}

class TLanguageTest : public testing::TestWithParam<TLanguageRow> {
protected:
    void TearDown() override
    {
        Windows.reset();
        SetTranslateFunction(nullptr);
        // The catalogues live as long as the program: drop them, so that the
        // next language's test starts from English, in one process too.
        for (QTranslator* catalogue : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(catalogue);
            delete catalogue;
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // The shown texts that are English where the catalogue has a translation.
    QStringList EnglishTexts(QWidget* window, const char* screen)
    {
        const std::vector<TTsMessage> messages = ReadTsFile(SourceFile(GetParam()));
        const QImage picture = window->grab().toImage();
        EXPECT_FALSE(picture.isNull()) << screen;
        picture.save(QStringLiteral("%1-%2.png").arg(QString::fromLatin1(GetParam().Code), QString::fromLatin1(screen)));
        QStringList english;
        for (const QString& text : ShownTexts(window))
            for (const TTsMessage& message : messages)
                if (message.Finished() && !message.Translations.contains(message.Source)
                    && Makes(message.Source, text)) {
                    bool translated = false;
                    for (const QString& form : message.Translations)
                        translated = translated || Makes(form, text);
                    if (!translated)
                        english << QStringLiteral("%1: \"%2\"").arg(QString::fromLatin1(screen), text);
                }
        return english;
    }

    std::unique_ptr<TAppWindows> Windows;
};

TEST_P(TLanguageTest, EveryTextIsTranslatedAndKeepsTheEnglishPlaceholders)
{
    QStringList unfinished;
    QStringList placeholders;
    for (const TTsMessage& message : ReadTsFile(SourceFile(GetParam()))) {
        if (!message.Finished()) {
            unfinished << message.Context + QStringLiteral(": \"") + message.Source + QLatin1Char('"');
            continue;
        }
        QStringList wanted = Placeholders(message.Source);
        for (const QString& form : message.Translations)
            if (Placeholders(form) != wanted)
                placeholders << QStringLiteral("\"%1\" -> \"%2\"").arg(message.Source, form);
    }
    EXPECT_EQ(unfinished.join(QLatin1Char('\n')).toStdString(), "") << unfinished.size() << " unfinished";
    EXPECT_EQ(placeholders.join(QLatin1Char('\n')).toStdString(), "") << "placeholders lost or added";
}

TEST_P(TLanguageTest, TheScreensShowNoEnglishWhereATranslationExists)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path()
        / ("kobalind-language-" + std::string(GetParam().Code) + "-" + std::to_string(::getpid()));
    UsePrivateFolders(folder);
    ::setenv("LANG", GetParam().Locale, 1);
    ::unsetenv("LANGUAGE");
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    const std::string appDir = KOBALIND_RUN_DIR "/";
    InstallLanguage(ChooseLanguage("", std::getenv), appDir);
    ASSERT_EQ(ActiveLanguage(), GetParam().Code) << "no catalogue in " << appDir << "translations";

    TLumResFileReader skin(appDir + "kobalind.dat");
    Windows = std::make_unique<TAppWindows>(skin, appDir, ActiveLanguage());
    TMainForm& form = *Windows->MainForm;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QStringList english = EnglishTexts(&form, "cover");

    const auto click = [&form](const char* area) {
        const int index = form.PanelMap->IndexOfArea(QString::fromLatin1(area));
        ASSERT_GE(index, 0) << area;
        QTest::mouseClick(form.PanelMap, Qt::LeftButton, {}, form.PanelMap->Area(index).AreaRect.ToQRect().center());
    };
    click("options");
    english << EnglishTexts(&form, "options");
    // The panel's captions that the program draws itself (the picture's are
    // the skin's) fit their places, the note shown only after a new choice too.
    QList<QWidget*> captions {form.MotionCheck, form.LanguageNote};
    for (QLabel* label : form.OptionsPanel->findChildren<QLabel*>())
        if (label->buddy() == form.LanguageBox)
            captions << label;
    ASSERT_EQ(captions.size(), 3) << "the language list has no caption";
    for (QWidget* caption : captions)
        EXPECT_LE(caption->sizeHint().width(), caption->width()) << WidgetTexts(caption).join(QLatin1Char('|')).toStdString();
    click("play");
    english << EnglishTexts(&form, "board");

    // The score window as a finished game shows it, with a record to beat.
    TRecord record;
    record.CardSet = "x.crd";
    record.Pairs = 8;
    record.ComputerLevel = 3;
    record.Winner = 2;
    record.Players = {{"Ann", 3, 9}, {"Bob", 5, 8}};
    Windows->ScoreForm->SetRecordLines(SummaryLines({record}, record));
    Windows->ScoreForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Windows->ScoreForm));
    english << EnglishTexts(Windows->ScoreForm, "score");
    EXPECT_EQ(english.join(QLatin1Char('\n')).toStdString(), "");
    std::filesystem::remove_all(folder);
}

TEST_P(TLanguageTest, TheSkinsCaptionsTheSetsAdvertisementsAndTheHelpAreDrawnInIt)
{
    const std::string code = GetParam().Code;
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromStdString(KOBALIND_RUN_DIR "/translations/kobalind_" + code + ".qm")));
    const auto joined = [](const std::vector<std::string>& problems) {
        std::string text;
        for (const std::string& problem : problems)
            text += problem + "\n";
        return text;
    };
    EXPECT_EQ(joined(DrawnLanguageProblems(KOBALIND_RUN_DIR, code, translator)), "");
    EXPECT_EQ(joined(HelpLanguageProblems(translator)), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TLanguageTest, testing::ValuesIn(LanguageTable),
                         [](const testing::TestParamInfo<TLanguageRow>& info) { return std::string(info.param.Code); });

} // namespace
