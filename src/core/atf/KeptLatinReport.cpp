#include "core/atf/KeptLatinReport.h"

#include "base/Utf8Codec.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

namespace velmora {

std::string KeptLatinReport(std::span<const AtfConverter::Unconverted> readings)
{
    if (readings.empty())
        return {};
    std::string text = Fill(Tr(texts::kKeptLatinCount), std::to_string(readings.size()));
    for (const AtfConverter::Unconverted& reading :
         readings.first(std::min(readings.size(), kListedKeptLatin))) {
        text += '\n';
        text += Fill(Tr(texts::kKeptLatinAt), std::to_string(reading.line), Utf8Of(reading.reading));
    }
    if (readings.size() > kListedKeptLatin) {
        text += '\n';
        text += Fill(Tr(texts::kKeptLatinMore), std::to_string(readings.size() - kListedKeptLatin));
    }
    return text;
}

} // namespace velmora
