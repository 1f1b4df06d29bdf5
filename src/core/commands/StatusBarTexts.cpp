#include "core/commands/StatusBarTexts.h"

#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <utility>

namespace velmora {

StatusBarTexts StatusBarTexts::Initial()
{
    return {Tr(texts::kAlphabetSetting), Tr(texts::kStatusLineStart), Tr(texts::kStatusColumnStart)};
}

StatusBarTexts StatusBarTexts::For(bool alphabetMode, Position cursor, std::string lookupStatus)
{
    std::string mode = lookupStatus.empty() ? Tr(alphabetMode ? texts::kAlphabetSetting : texts::kSignSetting)
                                            : std::move(lookupStatus);
    return {std::move(mode), Fill(Tr(texts::kStatusLine), std::to_string(cursor.line)),
            Fill(Tr(texts::kStatusColumn), std::to_string(cursor.column))};
}

} // namespace velmora
