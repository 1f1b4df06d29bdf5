#include "core/commands/SignIndex.h"

#include "base/Utf8Codec.h"
#include "core/atf/AtfSignTable.h"
#include "core/atf/AtfSpelling.h"
#include "core/dictionary/SignNames.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace velmora {

namespace {

constexpr std::uint32_t kFirstSign = 0x12000;
constexpr std::uint32_t kLastSign = 0x1254F;

// The groups of matches, best first.
enum Rank : int { kParts, kExact, kReadingPrefix, kNamePrefix, kNoMatch };

std::u32string_view WithoutBars(std::u32string_view text)
{
    if (text.starts_with(U'|'))
        text.remove_prefix(1);
    if (text.ends_with(U'|'))
        text.remove_suffix(1);
    return text;
}

std::u32string_view Trimmed(std::u32string_view text)
{
    while (!text.empty() && (text.front() == U' ' || text.front() == U'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\t'))
        text.remove_suffix(1);
    return text;
}

bool IsHexDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F');
}

// The hexadecimal digits of a code point as typed, in capitals: "U+12195",
// "u+12195", "0x12195", or "12195" (which, without a prefix, must start
// like every sign, with 12). Empty for anything else.
std::string HexDigits(std::u32string_view filter)
{
    bool prefixed = false;
    for (const std::u32string_view prefix : {U"U+", U"u+", U"0x", U"0X"}) {
        if (filter.starts_with(prefix)) {
            filter.remove_prefix(prefix.size());
            prefixed = true;
            break;
        }
    }
    if (filter.empty() || filter.size() > 6 || !std::all_of(filter.begin(), filter.end(), IsHexDigit))
        return {};
    if (!prefixed && !filter.starts_with(U"12"))
        return {};
    std::string digits;
    for (const char32_t c : filter)
        digits += static_cast<char>(c >= U'a' ? c - U'a' + U'A' : c);
    return digits;
}

// The letters of a canonical reading and its index (0 without one).
std::pair<std::size_t, std::uint32_t> LettersAndIndex(std::u32string_view text)
{
    std::size_t letters = 0;
    std::uint32_t index = 0;
    for (const char32_t c : text) {
        if (c >= U'₀' && c <= U'₉')
            index = index * 10 + static_cast<std::uint32_t>(c - U'₀');
        else
            ++letters;
    }
    return {letters, index};
}

} // namespace

SignIndex::SignIndex(const SignReadings& readings)
{
    for (std::uint32_t c = kFirstSign; c <= kLastSign; ++c) {
        const auto values = readings.Values(c);
        const auto names = readings.Names(c);
        if (!SignNames::HasName(c) && values.empty() && names.empty())
            continue;
        Sign& sign = signs_.emplace_back(Sign{c, SignNames::Name(c), SignNames::CodePoint(c), {}});
        Keys& keys = keys_.emplace_back();
        for (const std::u32string_view value : values) {
            if (!sign.readings.empty())
                sign.readings += ' ';
            for (const char32_t u : value)
                AppendUtf8(sign.readings, static_cast<std::uint32_t>(u));
            keys.values.push_back(AtfSpelling::Canonical(value));
        }
        const std::vector<std::uint32_t> name = DecodeUtf8Lenient(sign.name);
        keys.names.emplace_back(
            WithoutBars(AtfSpelling::Canonical(std::u32string(name.begin(), name.end()))));
        for (const std::u32string_view name : names)
            keys.names.emplace_back(WithoutBars(AtfSpelling::Canonical(name)));
    }
}

const SignIndex& SignIndex::Bundled()
{
    static const SignIndex index(SignReadings::Bundled());
    return index;
}

std::optional<std::size_t> SignIndex::RowOf(std::uint32_t codePoint) const
{
    const auto it = std::lower_bound(signs_.begin(), signs_.end(), codePoint,
                                     [](const Sign& sign, std::uint32_t c) { return sign.codePoint < c; });
    if (it == signs_.end() || it->codePoint != codePoint)
        return std::nullopt;
    return static_cast<std::size_t>(it - signs_.begin());
}

std::vector<std::size_t> SignIndex::Filter(std::u32string_view typed) const
{
    std::vector<std::size_t> rows;
    typed = Trimmed(typed);
    if (typed.empty()) {
        rows.resize(signs_.size());
        for (std::size_t row = 0; row < rows.size(); ++row)
            rows[row] = row;
        return rows;
    }

    // A reading or name of several signs: those signs first, in order.
    const std::u32string canonical = AtfSpelling::Canonical(typed);
    const AtfSignTable& table = AtfSignTable::Bundled();
    const std::u32string* parts = table.find(AtfSignTable::Kind::Value, canonical);
    if (parts == nullptr)
        parts = table.find(AtfSignTable::Kind::Name, canonical);
    if (parts == nullptr && !typed.starts_with(U'|'))
        parts =
            table.find(AtfSignTable::Kind::Name, AtfSpelling::Canonical(U"|" + std::u32string(typed) + U"|"));
    if (parts != nullptr && parts->size() > 1) {
        for (const char32_t c : *parts) {
            const auto row = RowOf(static_cast<std::uint32_t>(c));
            if (row && std::find(rows.begin(), rows.end(), *row) == rows.end())
                rows.push_back(*row);
        }
    }

    const std::u32string_view key = WithoutBars(canonical);
    const std::string hex = HexDigits(typed);
    // Within a group, the reading that matched decides: fewer letters
    // first, then the lower index (du₂ before du₃ before dub).
    struct Match {
        Rank rank = kNoMatch;
        std::size_t letters = 0;
        std::uint32_t index = 0;
        std::size_t row = 0;
        auto operator<=>(const Match&) const = default;
    };
    std::vector<Match> matches;
    for (std::size_t row = 0; row < signs_.size(); ++row) {
        if (std::find(rows.begin(), rows.end(), row) != rows.end())
            continue;
        Match best{kNoMatch, 0, 0, row};
        const auto consider = [&](std::u32string_view text, Rank prefixRank) {
            if (key.empty() || !text.starts_with(key))
                return;
            const auto [letters, index] = LettersAndIndex(text);
            best =
                std::min(best, Match{text.size() == key.size() ? kExact : prefixRank, letters, index, row});
        };
        for (const std::u32string& value : keys_[row].values)
            consider(value, kReadingPrefix);
        for (const std::u32string& name : keys_[row].names)
            consider(name, kNamePrefix);
        if (!hex.empty()) {
            const std::string_view code = std::string_view(signs_[row].code).substr(2);
            if (code.starts_with(hex))
                best = std::min(best, Match{code.size() == hex.size() ? kExact : kReadingPrefix, 0, 0, row});
        }
        if (best.rank != kNoMatch)
            matches.push_back(best);
    }
    std::sort(matches.begin(), matches.end());
    for (const Match& match : matches)
        rows.push_back(match.row);
    return rows;
}

} // namespace velmora
