#include "platform/Translate.h"

#include <vector>

namespace {

TTranslateFunction Translator = nullptr;

std::string ReplaceAll(std::string text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

} // namespace

void SetTranslateFunction(TTranslateFunction translate)
{
    Translator = translate;
}

std::string Tr(const char* context, const char* text, const char* disambiguation, int n)
{
    if (!Translator && n < 0)
        return text;
    std::string out = Translator ? Translator(context, text, disambiguation, n)
                                 : ReplaceAll(text, "%n", std::to_string(n));
    if (n >= 0)
        out = ReplaceAll(std::move(out), "(s)", n == 1 ? "" : "s");
    return out;
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> args(arguments);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t number = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && number < args.size()) {
            out += args[number];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
