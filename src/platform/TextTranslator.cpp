#include "platform/TextTranslator.h"

namespace velmora {

namespace {

// The interface language's translator; set once at start-up.
const TextTranslator* current = nullptr;

} // namespace

void SetTextTranslator(const TextTranslator* translator)
{
    current = translator;
}

std::string Tr(std::string_view text)
{
    return current != nullptr ? current->translate(text) : std::string(text);
}

std::string Fill(std::string_view text, std::string_view first, std::string_view second)
{
    std::string out;
    out.reserve(text.size() + first.size() + second.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace velmora
