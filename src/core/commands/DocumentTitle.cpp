#include "core/commands/DocumentTitle.h"

#include "base/Utf16.h"
#include "base/Utf8Codec.h"

#include <cstdint>
#include <type_traits>

namespace velmora {

namespace {

// A file name as UTF-16; bytes that are not UTF-8 show as U+FFFD.
std::u16string FromUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (const std::uint32_t c : DecodeUtf8Lenient(bytes))
        AppendUtf16(out, c);
    return out;
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
