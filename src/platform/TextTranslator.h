#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Turns a text of platform/UserTexts.h into the interface language's
// version of it. The Qt layer provides the one the program uses.
class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    // The translation of text (UTF-8), or text itself when there is none.
    virtual std::string translate(std::string_view text) const = 0;
};

// Makes translator the one Tr() asks, or none (nullptr): then every text is
// shown as written. The translator must outlive its use; the program sets it
// once at start-up, next to the application object.
void SetTextTranslator(const TextTranslator* translator);

// A text of platform/UserTexts.h in the interface language.
std::string Tr(std::string_view text);

// text with "%1" and "%2" replaced by first and second.
std::string Fill(std::string_view text, std::string_view first, std::string_view second = {});

} // namespace velmora
