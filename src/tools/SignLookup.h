#pragma once

#include "core/dictionary/CFWordDictionary.h"
#include "core/dictionary/TransliterationKey.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The conversion of the editor's input mode, on a typed transliteration
// given as text: the key and requested number are derived with the input
// mode's rules, and the candidates are listed in the order the sign
// selection mode steps through them, with the one it starts on marked.
class SignLookup {
public:
    struct Candidate {
        WordPtr word;
        bool preselected = false;
    };

    struct Result {
        TransliterationKey derived;
        std::vector<Candidate> candidates;
    };

    // A transliteration given on a command line as the editor holds it: the
    // UTF-8 text decoded, with the ASCII spellings of the editor's keys and
    // of transliterations replaced by the letters they stand for: c and sz
    // for š, h for ḫ, s, for ṣ, t, for ṭ, ASCII digits for the subscript
    // index digits (du3 is du₃); ŋ is taken as g, as the sign data keeps
    // it. Null when the text is not well-formed UTF-8.
    static std::optional<std::vector<std::uint32_t>> TypedText(std::string_view utf8);

    // The candidates of a typed transliteration. None when the input mode
    // would not convert it (more than 18 characters, nothing before the
    // index digits) or the key has no entry.
    static Result Lookup(const CFWordDictionary& dictionary, std::span<const std::uint32_t> typed);

    // The position the sign selection mode starts on among candidates of
    // the given numbers: the first whose number is not below the requested
    // one, or the first when there is none.
    static std::size_t PreselectedIndex(std::span<const std::uint32_t> numbers, std::uint32_t requested);

    // One line per candidate: "*" for the pre-selected one (else a space),
    // tab, number, tab, the code points as U+XXXXX separated by spaces,
    // tab, the signs themselves in UTF-8, LF.
    static std::string Format(const Result& result);
};

} // namespace velmora
