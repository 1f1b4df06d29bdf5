#include "core/commands/StatusBarTexts.h"

#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <cstdint>
#include <utility>

namespace velmora {

StatusBarTexts StatusBarTexts::Initial()
{
    return For(true, Position{0, 0});
}

StatusBarTexts StatusBarTexts::For(bool alphabetMode, Position cursor, std::string lookupStatus)
{
    std::string mode = lookupStatus.empty() ? Tr(alphabetMode ? texts::kAlphabetSetting : texts::kSignSetting)
                                            : std::move(lookupStatus);
    // 64 bits: the largest position still counts on instead of wrapping.
    return {std::move(mode), Fill(Tr(texts::kStatusLine), std::to_string(std::uint64_t{cursor.line} + 1)),
            Fill(Tr(texts::kStatusColumn), std::to_string(std::uint64_t{cursor.column} + 1))};
}

} // namespace velmora
