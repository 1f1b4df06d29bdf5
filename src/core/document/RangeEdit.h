#pragma once

#include "core/document/CFDocument.h"
#include "core/document/Position.h"
#include "core/document/ReadingSpan.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

// Edits of a range of a document, line breaks included. A text to insert is
// itself a document: its lines are joined by line breaks, so a text of one
// empty line inserts nothing and a text of two empty lines one line break.

// Throws kErrPosition unless start <= end and both lie inside the document.
void CheckRange(const CFDocument& document, Position start, Position end);

// A copy of the range [start, end) as a text of end.line - start.line + 1
// lines.
CFDocument CopyRange(const CFDocument& document, Position start, Position end);

// Removes [start, end), joining its first and last line.
void EraseRange(CFDocument& document, Position start, Position end);

// Inserts text at a position, splitting the line there; returns the
// position just after the inserted text.
Position InsertText(CFDocument& document, Position at, const CFDocument& text);

// A text of one line holding the cells.
CFDocument TextOfCells(std::span<const std::uint32_t> cells);
// A text of one line holding the cells, all of them made from one reading
// (a converted candidate); kNoReading for none.
CFDocument TextOfCells(std::span<const std::uint32_t> cells, ReadingId reading);
// A text of one line: a copy of line, readings included.
CFDocument TextOfLine(const CFLine& line);

// The readings that replacing [start, end) drops although they reach
// beyond the range: a group reading the range erases in part, or one whose
// signs lie on both sides of the place where the text goes in. The undo
// history puts them back when it takes the replacement back.
std::vector<PlacedReading> ReadingsBrokenBy(const CFDocument& document, Position start, Position end);

// Whether the text holds nothing (one empty line).
bool IsEmptyText(const CFDocument& text);

// What replacing [start, end) by a text would break.
enum class EditFit {
    Fits,
    TooManyLines, // the document would hold more lines than allowed
    LineTooLong,  // a line would grow beyond the longest allowed
};

// Checks replacing [start, end) by text against a line count limit and the
// longest line an edit may leave. A line that is already longer than that
// (read from a file) may keep its length or shrink, but not grow; a document
// already over the line limit may not gain lines.
EditFit CheckReplacement(const CFDocument& document, Position start, Position end, const CFDocument& text,
                         std::int64_t lineLimit, std::uint32_t longestLine);

} // namespace velmora
