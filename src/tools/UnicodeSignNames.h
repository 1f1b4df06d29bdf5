#pragma once

#include "core/dictionary/CFWordDictionary.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

// Readings taken from the Unicode character names of the cuneiform signs.
// A name of the form "CUNEIFORM SIGN " + letters + optional digits names a
// sign by its reading: SH stands for š and H for ḫ, the digits are the sign
// number (none: 1). "CUNEIFORM SIGN SHA3" is the reading ša₃ of U+122AE.
// Names with further words (A TIMES HA, GA2 GUNU) describe compound or
// modified signs and give no reading.
class UnicodeSignNames {
public:
    // The first and last code point whose name is looked at: the Cuneiform,
    // Cuneiform Numbers and Punctuation and Early Dynastic Cuneiform blocks.
    static constexpr std::uint32_t kFirst = 0x12000;
    static constexpr std::uint32_t kLast = 0x1254F;

    struct Reading {
        std::vector<std::uint32_t> key; // key symbols
        std::uint32_t number = 1;
    };

    struct Summary {
        std::size_t names = 0;    // named code points in the blocks
        std::size_t readings = 0; // candidates added
    };

    // The reading a character name gives, or null when it gives none.
    static std::optional<Reading> ReadingOfName(std::string_view name);

    // Adds one candidate for every named code point of the blocks whose name
    // gives a reading, in code point order. The names come from ICU.
    static Summary Convert(CFWordDictionary& dictionary);
};

} // namespace velmora
