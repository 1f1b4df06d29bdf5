#pragma once

#include <string>
#include <string_view>

namespace velmora {

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
    virtual bool writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

} // namespace velmora
