#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The system clipboard: Unicode text, and beside it data of the editor's
// own in a private format, which other programs do not read (they get the
// text alone) and which any other program's copy replaces.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasUnicodeText() const = 0;
    // The text as UTF-16 units (without terminator), or nothing when it
    // cannot be fetched.
    virtual std::optional<std::u16string> unicodeText() = 0;
    // Replaces the clipboard's content by the text.
    virtual void setUnicodeText(std::u16string_view units) = 0;
    // Replaces the clipboard's content by the text and the editor's own
    // data beside it.
    virtual void setUnicodeTextWithData(std::u16string_view units, std::string_view privateData) = 0;
    // The editor's own data, or nothing when the clipboard holds none (the
    // text came from another program, or from a copy without such data).
    virtual std::optional<std::string> privateData() = 0;
};

} // namespace velmora
