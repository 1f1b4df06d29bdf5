#pragma once

#include "core/dictionary/CFWordDictionary.h"
#include "tools/OslReader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

// Sign data from a sign list in the Oracc Sign List format (osl.asl): every
// value (@v) of a sign (@sign) or of one of its forms (@form) becomes a
// candidate holding the signs of that sign's or form's @ucun line. The
// value's letters give the key (š ḫ ṣ ṭ, Oracc's h for ḫ, ʾ, long and
// circumflexed vowels; ŋ is taken as g), its subscript index the sign number
// (none: 1).
//
// What real texts write must be found, so values marked uncertain ("?") are
// kept, after the certain values, and deprecated values and the values of
// deprecated signs and forms are kept as long as no current value has the
// same key and number; they come after every current value.
class OslSignList {
public:
    // Why a value gives no candidate, in the order in which the reasons are
    // tested: the first that applies is counted.
    enum class LeftOut : std::size_t {
        UnknownIndex,  // the value holds the index ₓ
        Compound,      // a hyphen inside the value (a-ra₂)
        Unexpressible, // a character the key notation cannot express, or the
                       // index ₀ (a sign data line without digits reads back
                       // as number 1)
        Superseded,    // deprecated, and a current value has the same key
                       // and number
        NoEncodedSign, // the block's @ucun is missing or holds anything but
                       // encoded cuneiform signs (X placeholders, private-use
                       // code points)
        Repeated,      // same key, number and signs as an earlier value
    };
    static constexpr std::size_t kLeftOutKinds = 6;
    // A short English description of a reason, for the summary.
    static std::string_view Describe(LeftOut reason);

    struct Summary {
        std::size_t signs = 0;          // @sign blocks, deprecated ones included
        std::size_t forms = 0;          // @form blocks, deprecated ones included
        std::size_t values = 0;         // @v lines of signs and forms
        std::size_t readings = 0;       // candidates added, the determinatives too
        std::size_t uncertainKept = 0;  // of them values marked "?"
        std::size_t deprecatedKept = 0; // of them deprecated values
        std::size_t determinativesAdded = 0;
        std::array<std::size_t, kLeftOutKinds> leftOut{};
        // Signs and forms whose values were left out for NoEncodedSign.
        std::size_t blocksWithoutEncodedSign = 0;

        std::size_t& operator[](LeftOut reason) { return leftOut[static_cast<std::size_t>(reason)]; }
        std::size_t operator[](LeftOut reason) const { return leftOut[static_cast<std::size_t>(reason)]; }
    };

    struct Result {
        Summary summary;
        // 1-based line of the first line that could not be read, 0 if none.
        std::uint32_t errorLine = 0;
        std::string error;

        bool ok() const { return error.empty(); }
    };

    // Adds the candidates of the sign list text to dictionary. Stops at the
    // first line of a sign that is not well-formed UTF-8; the candidates of
    // the signs before it stay.
    static Result Convert(std::string_view text, CFWordDictionary& dictionary);
    // The same for a list already read.
    static Summary Convert(const OslReader::Result& list, CFWordDictionary& dictionary);
    // Adds the determinatives d, m and f (AN, DIŠ, SAL) that transliterations
    // write in braces, unless the dictionary has them; counts them in
    // summary.
    static void AddDeterminatives(CFWordDictionary& dictionary, Summary& summary);

    struct Reading {
        std::vector<std::uint32_t> key; // key symbols
        std::uint32_t number = 1;
        bool uncertain = false; // the value was marked "?"
    };
    // The reading of one value as it stands after "@v" (a language tag such
    // as "%akk " before it and the "?" of an uncertain value are skipped), or
    // why it gives none (UnknownIndex, Compound or Unexpressible).
    static std::variant<Reading, LeftOut> ReadValue(std::span<const std::uint32_t> value);
    // The signs of an @ucun line, or null when it holds no sign or anything
    // other than encoded cuneiform signs, or more than a sign data line holds.
    static std::optional<std::vector<std::uint32_t>> EncodedSigns(std::span<const std::uint32_t> ucun);
};

} // namespace velmora
