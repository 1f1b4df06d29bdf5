#pragma once

#include "core/document/Position.h"

#include <cstdint>
#include <optional>
#include <span>

namespace velmora {

class CFDocument;

// Exact matching of a word of cells in a document. A match lies within one
// line: it starts at a cell of the line (p below the line's length) and the
// word's cells equal the line's cells from p on. An empty word matches at
// every cell.
bool MatchesAt(const CFDocument& document, std::span<const std::uint32_t> word, std::uint32_t line,
               std::uint32_t column);

// The first match at or after (line, column), scanning each later line from
// its first cell, up to and including lastLine; never wraps around.
std::optional<Position> ScanForward(const CFDocument& document, std::span<const std::uint32_t> word,
                                    Position from, std::uint32_t lastLine = UINT32_MAX);

// The last match at or before (line, column), scanning each earlier line from
// its last cell, down to and including firstLine; never wraps around. A
// column beyond the line's last cell starts at that last cell.
std::optional<Position> ScanBackward(const CFDocument& document, std::span<const std::uint32_t> word,
                                     Position from, std::uint32_t firstLine = 0);

// Where Find Next starts: one cell after the cursor, or the start of the next
// line when the cursor stands on or after the last cell of its line. Nothing
// when there is no such place.
std::optional<Position> NextStart(const CFDocument& document, Position cursor);

// Where Find Previous starts: one cell before the cursor, or the last cell of
// the line above when the cursor is at column 0. Nothing at (0, 0).
std::optional<Position> PreviousStart(const CFDocument& document, Position cursor);

} // namespace velmora
