#include "Catalogue.h"

#include "platform/Languages.h"
#include "platform/Translate.h"

#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

QTranslator* Catalogue = nullptr; // lives as long as the program

std::string FromCatalogue(const char* context, const char* text, const char* disambiguation, int n)
{
    QString out = Catalogue->translate(context, text, disambiguation, n);
    if (out.isEmpty())
        out = QString::fromUtf8(text);
    if (n >= 0)
        out.replace(QLatin1String("%n"), QString::number(n));
    return out.toStdString();
}

} // namespace

void SpeakDesktopLanguage()
{
    const std::string language = DesktopLanguage(std::getenv);
    std::error_code ec;
    // The real file, not the link on the PATH: the catalogues lie beside it.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (language == "en" || ec)
        return;
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(QString::fromStdString("kobalind_" + language),
                         QString::fromStdString((program.parent_path() / "translations").string())))
        return;
    Catalogue = catalogue.release();
    SetTranslateFunction(FromCatalogue);
}
