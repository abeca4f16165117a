#include "platform/Languages.h"

#include <algorithm>

namespace {

bool IsEnglish(const std::string& language)
{
    return language == "C" || language == "POSIX" || language == "en" || language.starts_with("en_");
}

} // namespace

const std::vector<TLanguage>& Languages()
{
    static const std::vector<TLanguage> languages = {
        {"de", "Deutsch"},   {"fr", "Français"},  {"es", "Español"},
        {"it", "Italiano"},  {"nl", "Nederlands"}, {"pl", "Polski"},
        {"pt_BR", "Português (Brasil)"}, {"ru", "Русский"}, {"en", "English"},
    };
    return languages;
}

std::string ShippedLanguage(const std::string& locale)
{
    // "de_AT.UTF-8@euro": the encoding and the modifier say nothing of the language.
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty())
        return "";
    if (IsEnglish(name))
        return "en";
    const std::string language = name.substr(0, name.find('_'));
    for (const char* candidate : {name.c_str(), language.c_str()})
        for (const TLanguage& shipped : Languages())
            if (candidate == std::string_view(shipped.Code))
                return shipped.Code;
    if (language == "pt")
        return "pt_BR"; // the Portuguese we have
    return "";
}

std::string DesktopLanguage(const std::function<const char*(const char*)>& getenv)
{
    const auto read = [&](const char* variable) {
        const char* value = getenv(variable);
        return std::string(value ? value : "");
    };
    std::string locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale.empty())
            locale = read(variable);
    // As in gettext: the C locale speaks English whatever LANGUAGE says;
    // otherwise LANGUAGE's list of preferences comes first.
    const std::string base = locale.substr(0, locale.find_first_of(".@"));
    if (base.empty() || base == "C" || base == "POSIX")
        return "en";
    const std::string list = read("LANGUAGE");
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string language = ShippedLanguage(list.substr(start, end - start));
        if (!language.empty())
            return language;
        start = end + 1;
    }
    const std::string language = ShippedLanguage(locale);
    return language.empty() ? "en" : language;
}

std::string ChooseLanguage(const std::string& stored, const std::function<const char*(const char*)>& getenv)
{
    for (const TLanguage& language : Languages())
        if (stored == language.Code)
            return stored;
    return DesktopLanguage(getenv);
}
