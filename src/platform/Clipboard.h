#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The system clipboard, Unicode text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasUnicodeText() const = 0;
    // The text as UTF-16 units (without terminator), or nothing when it
    // cannot be fetched.
    virtual std::optional<std::u16string> unicodeText() = 0;
    // Replaces the clipboard's content by the text.
    virtual void setUnicodeText(std::u16string_view units) = 0;
};

} // namespace velmora
