#include "core/commands/DocumentTitle.h"

#include "base/Utf8Codec.h"

#include <cstdint>
#include <type_traits>

namespace velmora {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Strict UTF-8 to UTF-16: an ill-formed sequence (stray or missing
// continuation bytes, overlong forms, surrogates, values above 0x10FFFF)
// gives one U+FFFD per byte it could not use.
std::u16string FromUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const Utf8Decoded d =
            DecodeUtf8Sequence(reinterpret_cast<const unsigned char*>(bytes.data()) + i, bytes.size() - i);
        if (d.length == 0) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        std::uint32_t c = d.codePoint;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += d.length;
    }
    return out;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

std::u16string ComposeDocumentTitle(std::u16string_view name)
{
    const std::size_t room = kMaxTitleUnits - kTitleSuffix.size();
    std::size_t kept = name.size();
    if (kept > room) {
        kept = room;
        // Cutting between the halves of a pair would leave half a character.
        if (IsHighSurrogate(name[kept - 1]))
            --kept;
    }
    std::u16string title(name.substr(0, kept));
    title += kTitleSuffix;
    return title;
}

std::u16string FileTitleOf(const std::filesystem::path& path)
{
    const std::filesystem::path name = path.filename();
    if constexpr (std::is_same_v<std::filesystem::path::value_type, char>) {
        return FromUtf8(name.native());
    } else {
        return std::u16string(name.native().begin(), name.native().end());
    }
}

} // namespace velmora
