#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace velmora {

// A key and its value.
using SettingsEntry = std::pair<std::string, std::string>;

// The settings file: sections of key = value pairs. Sections and keys are
// compared without regard to ASCII case. Strings are UTF-8.
class Settings {
public:
    virtual ~Settings() = default;
    // The value, or defaultValue when the section or key is absent.
    virtual std::string readString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    // Writes one value, creating the file, section or key as needed; false
    // when the file cannot be written.
    [[nodiscard]] virtual bool writeString(std::string_view section, std::string_view key,
                                           std::string_view value) = 0;
    // Replaces every key of a section with the entries given, in order, in
    // one write, creating the file or section as needed; no entries leave
    // the section empty. For sections the program owns as a whole (a list,
    // a set of values that belong together). False when the file cannot be
    // written; then nothing is changed.
    [[nodiscard]] virtual bool writeSection(std::string_view section,
                                            std::span<const SettingsEntry> entries) = 0;
};

} // namespace velmora
