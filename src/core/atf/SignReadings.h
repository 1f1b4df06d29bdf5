#pragma once

#include "core/atf/AtfSignTable.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// What the sign list says one sign is read as and called: its values (du₃,
// kak, gag …) and its names (KAK), for the information the editor shows
// about a sign. Only entries that stand for the one sign alone count; a
// value of several signs (a₄, |A.AN|) belongs to none of them.
//
// Values come in the order a reader looks for them: the plain values
// first, then by their index (ru₂ before du₃ before ban₄), shorter before
// longer, then alphabetically; values with the unknown index ₓ last.
class SignReadings {
public:
    // The index of a sign table's entries, built once in one pass.
    explicit SignReadings(std::span<const AtfSignTable::Entry> entries);

    // The index of the table that comes with the program, built on first use.
    static const SignReadings& Bundled();

    // The values and the names of a sign (empty for none), as UTF-32 texts
    // of the table.
    std::vector<std::u32string_view> Values(std::uint32_t sign) const;
    std::vector<std::u32string_view> Names(std::uint32_t sign) const;

private:
    struct Item {
        std::uint32_t sign;
        AtfSignTable::Kind kind;
        const char32_t* text;
    };
    std::span<const Item> Of(std::uint32_t sign, AtfSignTable::Kind kind) const;

    // Sorted by sign, kind, then the order above.
    std::vector<Item> items_;
};

} // namespace velmora
