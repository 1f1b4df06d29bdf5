#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velmora {

// What a candidate list shows for a candidate besides its signs: the
// reading it stands for, written as the user types it (du, du₂, du₃), and
// the names of its signs as Assyriologists write them (KAK, DIŠ, ŠA PI).
// The names come from a table generated from the Oracc Sign List and
// compiled into the program (data/SignNames.inc), so they cannot go
// missing; for the few signs the list does not name the table holds the
// Unicode name without "CUNEIFORM SIGN ". Texts are UTF-8.
class SignNames {
public:
    // Whether a code point is a sign of the cuneiform blocks (U+12000 to
    // U+1254F); everything else in a document is Latin text.
    static constexpr bool IsSign(std::uint32_t c) { return c >= 0x12000 && c <= 0x1254F; }
    // The name of one sign; "U+XXXX" for a code point without a name
    // (anything outside the cuneiform blocks).
    static std::string Name(std::uint32_t codePoint);
    // Whether the table names a code point.
    static bool HasName(std::uint32_t codePoint);
    // A code point as Unicode writes it: "U+12195".
    static std::string CodePoint(std::uint32_t codePoint);
    // The names of a candidate's signs, joined by a space.
    static std::string DisplayName(std::span<const std::uint32_t> signs);
    // A reading from its key symbols (DU, ŠA, Ṣ I) and sign number: the
    // letters in lower case, followed by the number in subscript digits
    // when it is 2 or more (number 0 or 1 shows no index).
    static std::string ReadingText(std::span<const std::uint32_t> keySymbols, std::uint32_t number);
    // The reading a candidate was typed as, kept with its signs: the
    // letters typed before the index digits, as typed (KAK stays in
    // capitals), with the index of the candidate's sign number when it is 2
    // or more (du typed and the third candidate taken: du₃). The
    // determinatives the sign data gives as readings (d, m, f) are written
    // in braces: {d}.
    static std::string TypedReading(std::span<const std::uint32_t> typed, std::uint32_t number);
};

} // namespace velmora
