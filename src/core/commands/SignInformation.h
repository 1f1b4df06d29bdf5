#pragma once

#include "core/document/Position.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class CFDocument;
class CFLine;

// What the editor tells about one cuneiform sign of a document: its name in
// the Oracc Sign List (KAK), its code point (U+12195), the reading it was
// typed or converted from when the document knows one (du₃; for a reading
// of several signs, that reading), and what the sign list gives for it: all
// its values (gag gak kak … du₃ …) and names. Shown in the status bar for
// the sign before the cursor, as the tooltip of a sign and in the Sign
// Information window. Texts are UTF-8.
struct SignInformation {
    std::uint32_t sign = 0;
    std::string name;
    std::string reading;
    std::vector<std::string> values;
    std::vector<std::string> names;

    // The sign in the cell at column of the line; nothing when the cell
    // does not exist or holds no cuneiform sign.
    static std::optional<SignInformation> Of(const CFLine& line, std::uint32_t column);
    // The sign just before a position (the one the caret follows); nothing
    // at the start of a line or after anything but a sign.
    static std::optional<SignInformation> Before(const CFDocument& document, Position position);
    // The sign of an editor: the selected one when [selectionStart,
    // selectionEnd) is exactly one cell, else the one before the cursor.
    static std::optional<SignInformation> Current(const CFDocument& document, Position cursor,
                                                  Position selectionStart, Position selectionEnd);

    // The sign itself, in UTF-8.
    std::string Glyph() const;
    // "U+12195".
    std::string CodePoint() const;
    // "typed as du₃", empty without a reading.
    std::string TypedText() const;
    // The first readings of the list, "gag gak kak …" ("…" when there are
    // more).
    std::string FirstReadings(std::size_t count) const;
    // One line for the status bar, beside the sign: "KAK U+12195 · typed as
    // du₃ · gag gak kak kaq qaq habur …".
    std::string StatusText(std::size_t readings = 6) const;
    // The sign and the same on three lines (those without anything left
    // out), with more readings, for a tooltip.
    std::string ToolTipText(std::size_t readings = 12) const;

private:
    // The name and code point, then what was typed and the first readings,
    // each after separator.
    std::string Joined(std::string_view separator, std::size_t readings) const;
};

} // namespace velmora
