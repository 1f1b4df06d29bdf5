#include "platform/InterfaceLanguage.h"

#include "platform/Settings.h"

#include <cctype>
#include <string>

namespace velmora {

std::string_view LanguageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? "en" : "ja";
}

InterfaceLanguage LanguageFromCode(std::string_view code)
{
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!code.empty() && isSpace(code.front()))
        code.remove_prefix(1);
    while (!code.empty() && isSpace(code.back()))
        code.remove_suffix(1);
    code = code.substr(0, code.find_first_of("_-"));
    std::string lower;
    for (char c : code)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "en" ? InterfaceLanguage::English : InterfaceLanguage::Japanese;
}

InterfaceLanguage ReadInterfaceLanguage(const Settings& settings)
{
    return LanguageFromCode(settings.readString(kInterfaceSection, kLanguageKey, "ja"));
}

bool WriteInterfaceLanguage(Settings& settings, InterfaceLanguage language)
{
    return settings.writeString(kInterfaceSection, kLanguageKey, LanguageCode(language));
}

} // namespace velmora
