#pragma once

#include "platform/Clipboard.h"

namespace velmora {

// The system clipboard through QGuiApplication::clipboard(). Text read from
// it ends at its first NUL unit, as Unicode clipboard text does on systems
// that store it NUL-terminated, so a NUL never reaches a document. The
// editor's lines are separated by CR LF, Qt's (and other programs') by LF:
// each side gets its own.
class QtClipboard : public Clipboard {
public:
    bool hasUnicodeText() const override;
    std::optional<std::u16string> unicodeText() override;
    void setUnicodeText(std::u16string_view units) override;
};

} // namespace velmora
