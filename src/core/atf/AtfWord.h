#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One word of an ATF text line split into the pieces that stand for signs.
// Readings are separated by "-", ".", "+", ":" and the joiner "—";
// determinatives and phonetic complements stand in braces ({d}, {gesz},
// {+ga}); a compound (|A.AN|) and a part in parentheses after a reading
// (3(diš), ša₂!(KA), geštuₓ(|PI.NUN|)) stay whole. The editorial marks that describe the
// tablet and not the signs are dropped: # ? ! * [ ] ⸢ ⸣ ⌈ ⌉ < > << >>,
// parentheses around readings, C-ATF's _ around logograms and Oracc's form
// codes after "\". A gap (... or …) is a piece of its own.
class AtfWord {
public:
    struct Piece {
        std::u32string text;        // the reading as written, marks dropped
        bool determinative = false; // it stood in braces
        bool complement = false;    // a phonetic complement: {+ga}
        char32_t separator = 0;     // the separator before it ("-", ".",
                                    // "+", ":", "—"), 0 for none
    };

    static std::vector<Piece> Split(std::u32string_view word);
    // The word without its editorial marks.
    static std::u32string WithoutMarks(std::u32string_view word);
};

} // namespace velmora
