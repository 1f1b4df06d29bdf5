#include "tools/Utf8Text.h"

#include <unicode/utf8.h>

#include <climits>

namespace velmora {

std::optional<std::vector<std::uint32_t>> DecodeUtf8(std::string_view text)
{
    if (text.size() > static_cast<std::size_t>(INT32_MAX))
        return std::nullopt;
    std::vector<std::uint32_t> codePoints;
    codePoints.reserve(text.size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            return std::nullopt;
        codePoints.push_back(static_cast<std::uint32_t>(c));
    }
    return codePoints;
}

void AppendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return;
    std::uint8_t bytes[U8_MAX_LENGTH];
    std::int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(codePoint));
    out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

} // namespace velmora
