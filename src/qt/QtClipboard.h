#pragma once

#include "platform/Clipboard.h"

namespace velmora {

// The system clipboard through QGuiApplication::clipboard(). Text read from
// it ends at its first NUL unit, as Unicode clipboard text does on systems
// that store it NUL-terminated, so a NUL never reaches a document. The
// editor's lines are separated by CR LF, Qt's (and other programs') by LF:
// each side gets its own. The editor's own data travels as a private MIME
// type beside the text.
class QtClipboard : public Clipboard {
public:
    bool hasUnicodeText() const override;
    std::optional<std::u16string> unicodeText() override;
    void setUnicodeText(std::u16string_view units) override;
    // The data goes beside the text under kPrivateFormat.
    void setUnicodeTextWithData(std::u16string_view units, std::string_view privateData) override;
    std::optional<std::string> privateData() override;

    // The MIME type of the editor's own data.
    static constexpr const char* kPrivateFormat = "application/x-velmora-readings";
};

} // namespace velmora
