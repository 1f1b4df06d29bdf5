#include "core/document/LineClipboard.h"

#include "base/Utf16.h"

#include <vector>

namespace velmora {

std::u16string EncodeClipboardText(const CFDocument& text)
{
    std::u16string units;
    for (std::uint32_t l = 0; l < text.LineCount(); ++l) {
        if (l > 0)
            units += u"\r\n";
        for (const std::uint32_t cell : text.Line(l).Cells()) {
            AppendUtf16(units, cell);
        }
    }
    return units;
}

CFDocument DecodeClipboardText(std::u16string_view units)
{
    if (const auto nul = units.find(u'\0'); nul != std::u16string_view::npos)
        units = units.substr(0, nul);

    CFDocument text;
    std::vector<std::uint32_t> line;
    std::uint32_t lineIndex = 0;
    const auto endLine = [&] {
        text.InsertCells(static_cast<std::uint32_t>(line.size()), lineIndex, 0, line.data());
        line.clear();
    };
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u == u'\r' || u == u'\n') {
            if (u == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n')
                ++i;
            endLine();
            text.InsertLine(++lineIndex);
            continue;
        }
        if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            line.push_back(CombineSurrogates(u, units[i + 1]));
            ++i;
            continue;
        }
        line.push_back(u);
    }
    endLine();
    return text;
}

} // namespace velmora
