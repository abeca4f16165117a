#include "app/Language.h"

#include "platform/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

std::string Active;

std::string QtTranslate(const char* context, const char* text, const char* disambiguation, int n)
{
    return QCoreApplication::translate(context, text, disambiguation, n).toStdString();
}

// Installs a catalogue that lives as long as the program; false if there is none.
bool LoadCatalogue(const QString& name, const QString& folder)
{
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!catalogue->load(name, folder)) {
        delete catalogue;
        return false;
    }
    QCoreApplication::installTranslator(catalogue);
    return true;
}

} // namespace

void InstallLanguage(const std::string& code, const std::string& appDir)
{
    const QString name = QString::fromStdString(code);
    const QString folder = QString::fromStdString(appDir) + QStringLiteral("translations");
    if (code == "en" || code.empty() || !LoadCatalogue(QStringLiteral("kobalind_") + name, folder)) {
        Active.clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    Active = code;
    QLocale::setDefault(QLocale(name));
    // Qt's own texts: the standard buttons and the edit fields' menus.
    LoadCatalogue(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    SetTranslateFunction(QtTranslate);
}

const std::string& ActiveLanguage()
{
    return Active;
}
