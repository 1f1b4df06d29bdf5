#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace velmora {

// What the ATF conversion knows of the signs: the values (readings such as
// ša₂, numbers such as 3(diš)) and the sign names (KUR, |A.AN|, AŠ@t) of a
// sign list, each with the cuneiform signs it stands for. Entries are kept
// under their canonical spelling (AtfSpelling), so both ATF styles and both
// cases find them. The first entry of a spelling wins, so a list's current
// values are added before its deprecated ones.
class AtfSignTable {
public:
    enum class Kind : char { Value = 'v', Name = 'n' };

    // One entry as the bundled table stores it: signs are code points.
    struct Entry {
        Kind kind;
        const char32_t* text;
        const char32_t* signs;
    };

    // Adds an entry unless its spelling is already there or it has no sign;
    // false when it was not added.
    bool add(Kind kind, std::u32string_view text, std::u32string_view signs);
    // The signs of a canonical spelling, or null.
    const std::u32string* find(Kind kind, const std::u32string& canonical) const;
    std::size_t size(Kind kind) const;

    // The table generated from the Oracc Sign List that comes with the
    // program (data/AtfSigns.inc), built on first use.
    static const AtfSignTable& Bundled();
    // The entries of that table as generated, in the sign list's order.
    static std::span<const Entry> BundledEntries();

private:
    using Map = std::unordered_map<std::u32string, std::u32string>;
    Map& map(Kind kind) { return kind == Kind::Value ? values_ : names_; }
    const Map& map(Kind kind) const { return kind == Kind::Value ? values_ : names_; }

    Map values_;
    Map names_;
};

} // namespace velmora
