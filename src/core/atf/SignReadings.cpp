#include "core/atf/SignReadings.h"

#include <algorithm>
#include <tuple>

namespace velmora {

namespace {

constexpr char32_t kSubscriptZero = U'₀';
constexpr char32_t kSubscriptX = U'ₓ';

// The index of a value (1 without one; ₓ after every number) and the
// length of its letters.
std::tuple<std::uint32_t, std::size_t> IndexAndLength(std::u32string_view text)
{
    std::uint32_t index = 0;
    std::size_t letters = 0;
    bool digits = false;
    for (const char32_t c : text) {
        if (c >= kSubscriptZero && c <= kSubscriptZero + 9) {
            index = index * 10 + (c - kSubscriptZero);
            digits = true;
        } else if (c == kSubscriptX) {
            return {UINT32_MAX, letters};
        } else if (!digits) {
            ++letters;
        }
    }
    return {digits ? index : 1, letters};
}

} // namespace

SignReadings::SignReadings(std::span<const AtfSignTable::Entry> entries)
{
    items_.reserve(entries.size());
    for (const AtfSignTable::Entry& entry : entries) {
        const std::u32string_view signs = entry.signs;
        if (signs.size() == 1)
            items_.push_back({static_cast<std::uint32_t>(signs[0]), entry.kind, entry.text});
    }
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        if (a.sign != b.sign || a.kind != b.kind)
            return std::tie(a.sign, a.kind) < std::tie(b.sign, b.kind);
        if (a.kind == AtfSignTable::Kind::Name)
            return false; // the list's order
        const std::u32string_view ta = a.text;
        const std::u32string_view tb = b.text;
        return std::tuple_cat(IndexAndLength(ta), std::tie(ta))
            < std::tuple_cat(IndexAndLength(tb), std::tie(tb));
    });
    // A spelling given twice (a deprecated value repeating a current one) is
    // shown once.
    items_.erase(std::unique(items_.begin(), items_.end(),
                             [](const Item& a, const Item& b) {
                                 return a.sign == b.sign && a.kind == b.kind
                                     && std::u32string_view(a.text) == std::u32string_view(b.text);
                             }),
                 items_.end());
}

const SignReadings& SignReadings::Bundled()
{
    static const SignReadings readings(AtfSignTable::BundledEntries());
    return readings;
}

std::span<const SignReadings::Item> SignReadings::Of(std::uint32_t sign, AtfSignTable::Kind kind) const
{
    const auto before = [](const Item& item, const std::tuple<std::uint32_t, AtfSignTable::Kind>& key) {
        return std::tie(item.sign, item.kind) < key;
    };
    const auto after = [](const std::tuple<std::uint32_t, AtfSignTable::Kind>& key, const Item& item) {
        return key < std::tie(item.sign, item.kind);
    };
    const auto key = std::make_tuple(sign, kind);
    const auto first = std::lower_bound(items_.begin(), items_.end(), key, before);
    const auto last = std::upper_bound(first, items_.end(), key, after);
    return {first, last};
}

std::vector<std::u32string_view> SignReadings::Values(std::uint32_t sign) const
{
    std::vector<std::u32string_view> out;
    for (const Item& item : Of(sign, AtfSignTable::Kind::Value))
        out.emplace_back(item.text);
    return out;
}

std::vector<std::u32string_view> SignReadings::Names(std::uint32_t sign) const
{
    std::vector<std::u32string_view> out;
    for (const Item& item : Of(sign, AtfSignTable::Kind::Name))
        out.emplace_back(item.text);
    return out;
}

} // namespace velmora
