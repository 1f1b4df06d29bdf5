#pragma once

#include "document/Position.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class CFDocument;

// The clipboard text of a range: UTF-16 units, a surrogate pair for cells
// from U+10000, CR LF between lines and none after the last. The text is
// limited as the classic 1020-byte clipboard block limited it: a cell is
// written only while fewer than 999 bytes are written, a line break only
// while fewer than 1000.
struct ClipboardText {
    std::u16string units;          // the text without its terminating NUL
    std::uint32_t breakCount = 0;  // CR LF pairs written
    std::uint32_t bytes = 0;       // bytes written, the terminating NUL included
    // The text reached the limit (1000 bytes with the NUL): the user is told
    // that it may have been cut.
    bool overLimit() const { return bytes >= kWarningBytes; }

    static constexpr std::uint32_t kWriteLimit = 999;
    static constexpr std::uint32_t kBreakLimit = 1000;
    static constexpr std::uint32_t kWarningBytes = 1000;
};

// Encodes the range [start, end) of the document (start <= end, both inside).
ClipboardText EncodeClipboardText(const CFDocument& document, Position start, Position end);

// The longest clipboard text a paste reads, in units.
inline constexpr std::uint32_t kPasteReadLimit = 1000;

// Inserts clipboard text at (line, column): the text up to its first NUL and
// at most 1000 units; a CR starts a new line and the unit after it is
// skipped whatever it is; a surrogate pair becomes one cell; inserting stops
// once the insertion column reaches the document's line length limit. The
// part of the line after the column follows the inserted text. Returns the
// position just after the inserted text.
Position PasteClipboardText(CFDocument& document, Position at, std::u16string_view units);

} // namespace velmora
