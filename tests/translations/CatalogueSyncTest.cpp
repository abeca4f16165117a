// The build's check that the .ts sources hold exactly the program's texts:
// lupdate collects the texts again into a copy of each, and a text it finds
// that the sources lack (a new or changed English text) or one the sources
// hold that the program no longer has fails, naming the texts.
#include "TsCatalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

QStringList Texts(const std::vector<TTsMessage>& messages, const std::set<QString>& leaveOut)
{
    QStringList texts;
    for (const TTsMessage& message : messages)
        if (!leaveOut.count(message.Key()))
            texts << message.Context + QStringLiteral(": \"") + message.Source + QLatin1Char('"');
    return texts;
}

std::set<QString> Keys(const std::vector<TTsMessage>& messages)
{
    std::set<QString> keys;
    for (const TTsMessage& message : messages)
        keys.insert(message.Key());
    return keys;
}

} // namespace

TEST(CatalogueSyncTest, LupdateFindsNoTextMissingFromTheSourcesAndNoneTheProgramLost)
{
    const QStringList command = QString::fromUtf8(KOBALIND_LUPDATE_COMMAND).split(QLatin1Char('|'));
    for (const QString& language : QString::fromUtf8(KOBALIND_LANGUAGES).split(QLatin1Char('|'))) {
        SCOPED_TRACE(language.toStdString());
        const QString committed = QStringLiteral(KOBALIND_TRANSLATIONS_DIR "/kobalind_") + language + QStringLiteral(".ts");
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString copy = folder.filePath(QFileInfo(committed).fileName());
        ASSERT_TRUE(QFile::copy(committed, copy));

        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(KOBALIND_SOURCE_DIR));
        lupdate.start(command.front(), command.mid(1) << QStringLiteral("-ts") << copy);
        ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        const std::vector<TTsMessage> before = ReadTsFile(committed);
        const std::vector<TTsMessage> after = ReadTsFile(copy);
        EXPECT_EQ(Texts(after, Keys(before)).join(QLatin1Char('\n')).toStdString(), "")
            << "texts of the program missing from " << committed.toStdString()
            << "; run the update-translations target and translate them";
        EXPECT_EQ(Texts(before, Keys(after)).join(QLatin1Char('\n')).toStdString(), "")
            << "texts in " << committed.toStdString()
            << " that the program no longer has; run the update-translations target";
    }
}
