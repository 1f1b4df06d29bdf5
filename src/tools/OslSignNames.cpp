#include "tools/OslSignNames.h"

#include "base/Utf8Codec.h"
#include "tools/UnicodeSignNames.h"

#include <unicode/uchar.h>

#include <cstdio>
#include <string_view>

namespace velmora {

namespace {

// The Unicode name without its common prefix, or empty.
std::string UnicodeName(std::uint32_t codePoint)
{
    char buffer[256];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        u_charName(static_cast<UChar32>(codePoint), U_UNICODE_CHAR_NAME, buffer, sizeof buffer, &status);
    if (U_FAILURE(status) || length <= 0)
        return {};
    std::string_view name(buffer, static_cast<std::size_t>(length));
    for (const std::string_view prefix : {"CUNEIFORM SIGN ", "CUNEIFORM "}) {
        if (name.starts_with(prefix)) {
            name.remove_prefix(prefix.size());
            break;
        }
    }
    return std::string(name);
}

} // namespace

std::map<std::uint32_t, std::string> OslSignNames::Names(const OslReader::Result& list)
{
    std::map<std::uint32_t, std::string> names;
    // Current signs, current forms, then deprecated signs and forms: the
    // first name given to a code point stays.
    for (const bool deprecated : {false, true}) {
        for (const bool forms : {false, true}) {
            for (const OslReader::Block& block : list.blocks) {
                if (block.deprecated != deprecated || block.form != forms || block.ucun.size() != 1)
                    continue;
                const std::uint32_t c = block.ucun.front();
                if (c < UnicodeSignNames::kFirst || c > UnicodeSignNames::kLast || names.contains(c)
                    || block.name.empty())
                    continue;
                std::string name;
                for (const std::uint32_t n : block.name)
                    AppendUtf8(name, n);
                names.emplace(c, std::move(name));
            }
        }
    }
    for (std::uint32_t c = UnicodeSignNames::kFirst; c <= UnicodeSignNames::kLast; ++c) {
        if (names.contains(c) || !u_isdefined(static_cast<UChar32>(c)))
            continue;
        if (std::string name = UnicodeName(c); !name.empty())
            names.emplace(c, std::move(name));
    }
    return names;
}

std::string OslSignNames::Include(const std::map<std::uint32_t, std::string>& names,
                                  const std::string& header)
{
    std::string out = header;
    for (const auto& [codePoint, name] : names) {
        char code[16];
        std::snprintf(code, sizeof code, "{0x%05X, \"", static_cast<unsigned>(codePoint));
        out += code;
        for (const char c : name) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        out += "\"},\n";
    }
    return out;
}

} // namespace velmora
