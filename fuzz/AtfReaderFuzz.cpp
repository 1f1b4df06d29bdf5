// Feeds arbitrary bytes to the ATF reader and converter. Whatever the text,
// the conversion must hold together: a text that is not UTF-8 gives no
// lines; every reading kept in Latin is reported once, on a line of the
// text; and each text line converts to the same cells when its words are
// converted on their own, as the editor converts a selection.
#include "core/atf/AtfConverter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const velmora::AtfConverter converter;
    const auto conversion = converter.ConvertText({reinterpret_cast<const char*>(data), size});
    if (!conversion.ok()) {
        if (!conversion.lines.empty())
            std::abort();
        return 0;
    }
    if (conversion.counts.keptLatin != conversion.unconverted.size()
        || conversion.counts.keptLatin > conversion.counts.readings)
        std::abort();

    std::uint32_t previous = 0;
    std::size_t unconverted = 0;
    for (const auto& line : conversion.lines) {
        if (line.number <= previous || line.text >= conversion.texts.size())
            std::abort();
        previous = line.number;
        for (const std::uint32_t cell : line.cells) {
            if (cell == 0)
                std::abort();
        }
        const std::u32string& words = line.transliteration;
        const auto alone =
            converter.ConvertTransliteration(std::vector<std::uint32_t>(words.begin(), words.end()));
        if (alone.cells != line.cells)
            std::abort();
        unconverted += alone.unconverted.size();
    }
    if (unconverted != conversion.unconverted.size())
        std::abort();
    return 0;
}
