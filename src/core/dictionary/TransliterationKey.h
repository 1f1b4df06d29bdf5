#pragma once

#include "core/dictionary/CFWordSign.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora {

// The key symbol for a typed character: A-Z for a-z and A-Z, the capital
// for a small letter with circumflex, macron, caron or dot below (Â Ā Š Ḫ
// Ṣ Ṭ), the apostrophe for itself, the same subscript digit for ₀-₉, and 0
// for every character that has no place in a key.
std::uint32_t NormalizeKeyChar(std::uint32_t codePoint);

// A typed transliteration (du₃, lugal) split into the key word looked up in
// the dictionary and the requested sign number given by the subscript digits
// after the letters. The callers differ in limits and in how strictly they
// treat characters without key symbol, so Derive takes them as Rules.
struct TransliterationKey {
    enum class Status {
        Ok,          // key and number are set
        Empty,       // the text holds no character
        OverLimit,   // the text is longer than the limit: no conversion
        NoKeySymbol, // a character before the digits has no key symbol
        NoLookup,    // the text begins with a subscript digit: no lookup
    };

    // What happens to a text longer than the character limit.
    enum class LongText { Refuse, TakeFirst };
    // What a character without key symbol does.
    enum class NoKeySymbolChar { EndsKey, Refuses };
    // What a text beginning with a subscript digit gives.
    enum class LeadingDigit { NoLookup, EmptyKey };

    struct Rules {
        std::uint32_t characterLimit;
        LongText longText;
        std::uint32_t digitLimit;
        NoKeySymbolChar noKeySymbol;
        LeadingDigit leadingDigit;
    };

    // Conversion of the pending transliteration in the editor.
    static constexpr Rules InputMode{18, LongText::Refuse, 3, NoKeySymbolChar::EndsKey,
                                     LeadingDigit::NoLookup};
    // Registration of a new dictionary word.
    static constexpr Rules Registration{20, LongText::TakeFirst, 2, NoKeySymbolChar::Refuses,
                                        LeadingDigit::EmptyKey};

    // Normalises the characters taken from text until the first subscript
    // digit; the key word ends at the first character without key symbol
    // (unless the rules refuse it). Up to digitLimit consecutive subscript
    // digits from there give the number (0 without any); whatever follows
    // them is ignored.
    static TransliterationKey Derive(std::span<const std::uint32_t> text, const Rules& rules);

    // How much of a typed text is its first reading: everything up to the
    // end of the first run of subscript digits (du₃ of du₃ma), the whole
    // text when it holds no digit. Readings typed one after another are
    // converted one at a time, the rest waiting its turn.
    static std::size_t FirstReadingLength(std::span<const std::uint32_t> text);

    Status status = Status::Empty;
    // The key word: set when the status is Ok, and (empty) with NoLookup.
    WordPtr key;
    // The requested sign number.
    std::uint32_t number = 0;
    // The text begins with a subscript digit.
    bool startsWithDigit = false;

    bool Usable() const { return status == Status::Ok; }
};

} // namespace velmora
