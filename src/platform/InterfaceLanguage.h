#pragma once

#include <string_view>

namespace velmora {

class Settings;

// The language of menus, captions and messages, kept in the settings file:
//
//   [UI]
//   Language=en
//
// "ja" (the default, also for a missing or unknown value) or "en"; a
// region after the language ("en_GB", "en-US") is allowed.
enum class InterfaceLanguage { Japanese, English };

inline constexpr std::string_view kInterfaceSection = "UI";
inline constexpr std::string_view kLanguageKey = "Language";

// "ja" or "en".
std::string_view LanguageCode(InterfaceLanguage language);
// The language a settings value names; Japanese for anything else.
InterfaceLanguage LanguageFromCode(std::string_view code);

InterfaceLanguage ReadInterfaceLanguage(const Settings& settings);
// False when the settings file could not be written.
[[nodiscard]] bool WriteInterfaceLanguage(Settings& settings, InterfaceLanguage language);

} // namespace velmora
