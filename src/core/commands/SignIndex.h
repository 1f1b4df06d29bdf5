#pragma once

#include "core/atf/SignReadings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The Sign List: every cuneiform sign the program knows, with its name,
// code point and readings, and the filter the user types to find one.
//
// The filter takes what a user would type for a sign, in either ATF style:
// a reading (du3, du₃, sza2, kak), a name (KAK, |A.AN|, |GA2xAN|) or a code
// point (12195, U+12195). A reading or name matches when the filter begins
// it (du finds du, du₂, dub …; KAK finds KAK and |KAK×X|, the bars
// optional); a code point when the filter begins its hexadecimal digits. A
// reading or name of several signs (|A.AN|, a₄) finds those signs, in
// their order. Best matches come first: those signs, then signs of which a
// reading, name or code point is exactly the filter, then those where the
// filter begins a reading, then a name; within a group the shorter reading
// and the lower index first (du₂, du₃ … dub), then code-point order. An
// empty filter lists every sign.
//
// Everything a keystroke needs is prepared once, so that filtering the
// whole list stays well under a frame (see bench/SignListFilterBench.cpp).
class SignIndex {
public:
    struct Sign {
        std::uint32_t codePoint;
        std::string name;     // KAK
        std::string code;     // U+12195
        std::string readings; // its values, space-separated: "gag gak kak … du₃ …"
    };

    // The signs of the cuneiform blocks that have a name or a reading.
    explicit SignIndex(const SignReadings& readings);
    // The index of the sign list that comes with the program, built on
    // first use.
    static const SignIndex& Bundled();

    std::size_t size() const { return signs_.size(); }
    const Sign& at(std::size_t row) const { return signs_[row]; }
    // The row of a sign; nothing for a code point the list does not hold.
    std::optional<std::size_t> RowOf(std::uint32_t codePoint) const;

    // The rows that match a filter, best first (see above).
    std::vector<std::size_t> Filter(std::u32string_view filter) const;

private:
    // Canonical spellings (AtfSpelling) of a sign's readings and names, the
    // bars of a name taken off.
    struct Keys {
        std::vector<std::u32string> values;
        std::vector<std::u32string> names;
    };

    std::vector<Sign> signs_;
    std::vector<Keys> keys_;
};

} // namespace velmora
