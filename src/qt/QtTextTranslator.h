#pragma once

#include "platform/TextTranslator.h"

#include <QString>

#include <string_view>

namespace velmora {

// The core's texts through Qt's translation system: each text of
// platform/UserTexts.h is looked up in the installed translators under the
// context "velmora::texts".
class QtTextTranslator : public TextTranslator {
public:
    static constexpr const char* kContext = "velmora::texts";
    std::string translate(std::string_view text) const override;
};

// A text of platform/UserTexts.h in the interface language, for a widget.
QString UiText(std::string_view text);

} // namespace velmora
