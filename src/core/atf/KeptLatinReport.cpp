#include "core/atf/KeptLatinReport.h"

#include "base/Utf8Codec.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>

namespace velmora {

std::string KeptLatinReport(std::span<const AtfConverter::Unconverted> readings, std::size_t total)
{
    if (total == 0)
        return {};
    std::string text = Fill(Tr(texts::kKeptLatinCount), std::to_string(total));
    const std::size_t listed = std::min({readings.size(), kListedKeptLatin, total});
    for (const AtfConverter::Unconverted& reading : readings.first(listed)) {
        text += '\n';
        text += Fill(Tr(texts::kKeptLatinAt), std::to_string(reading.line), Utf8Of(reading.reading));
    }
    if (total > listed) {
        text += '\n';
        text += Fill(Tr(texts::kKeptLatinMore), std::to_string(total - listed));
    }
    return text;
}

} // namespace velmora
