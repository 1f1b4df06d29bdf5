#pragma once

#include "core/document/Position.h"
#include "core/view/EditorFonts.h"
#include "core/view/ScrollOffsets.h"
#include "platform/Geometry.h"
#include "platform/Surface.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

class CFDocument;
class CFLine;

// Cells to pixels and back. Rows are one reference sign high; cells sit left
// to right at their measured widths, with no spacing or wrapping. With the
// fonts' CellMetrics each code point is measured once and the prefix widths
// of the lines in use are kept; the results are those of measuring afresh.
// Drawing touches only what shows on the surface. Coordinates are pixels
// with the origin at the top-left corner of the client area.

// The sign whose height is the height of every row and of the caret.
inline constexpr std::uint32_t kReferenceSign = 0x12044;

// The UTF-16 units a cell is measured and drawn as: a surrogate pair from
// U+10000, one unit below U+1000, and the code point followed by a NUL unit
// from U+1000 to U+FFFF (so that a subscript digit is measured and drawn
// with room after it).
std::u16string CellUnits(std::uint32_t cell);
// Whether a cell is drawn in the sign font: everything outside the Basic
// Multilingual Plane (the cuneiform blocks among it); the rest is text.
constexpr bool InSignFont(std::uint32_t cell)
{
    return cell >= 0x10000;
}
// The font of a cell: the sign font from U+10000, the text font below.
const Font* CellFont(std::uint32_t cell, const EditorFonts& fonts);

// Width and height of a cell. From U+1000 to U+FFFF the width is
// floor(cx / 2) + floor(cx / 10) of the two-unit run, about six tenths of it.
Size MeasureCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts);
// Draws a cell with its top-left corner at (x, y); returns its size as
// MeasureCell does.
Size DrawCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts, int x, int y,
              const TextColors& colors);
// Draws the cells of a line side by side, the first at x, all with their top
// at y. Only the cells that reach into the surface's area across are drawn,
// with one more on either side for glyphs that overhang their cell; the
// others would not show.
void DrawLine(const CFLine& line, Surface& surface, const EditorFonts& fonts, int x, int y,
              const TextColors& colors);
// Draws the lines from top down, shifted left by hpos: the rows that meet the
// surface's area (the last one possibly in part), with one more on either
// side. Draws nothing when top is not a line of the document or the row
// height is 0.
void DrawDocument(const CFDocument& document, Surface& surface, const EditorFonts& fonts, std::uint32_t top,
                  int hpos, const TextColors& colors);

// The row height: the height of the reference sign in the sign font.
int LineHeight(Surface& surface, const EditorFonts& fonts);
// (width of cells 0..n-1 of the line, LineHeight). Throws kErrPosition
// (1001) when n is beyond the line's length.
Size PrefixExtent(const CFLine& line, Surface& surface, const EditorFonts& fonts, std::uint32_t n);
// Where a position lies in the unscrolled document: (PrefixExtent of its
// column, line * LineHeight).
Point PositionPoint(const CFDocument& document, Position position, Surface& surface,
                    const EditorFonts& fonts);
// Size of the cell after a position.
Size CellExtent(const CFDocument& document, Position position, Surface& surface, const EditorFonts& fonts);

// The caret's top-left corner in window coordinates.
Point CaretPoint(const CFDocument& document, Position cursor, Surface& surface, const EditorFonts& fonts,
                 const ScrollOffsets& scroll);
// Draws the caret, a bar 2 pixels wide and one row high at the left edge of
// the cell at the cursor, with the given pen and brush; nothing while the
// caret is hidden.
void DrawCaret(const CFDocument& document, Position cursor, bool caretVisible, Surface& surface,
               const EditorFonts& fonts, const ScrollOffsets& scroll, const Pen& pen, const Brush& brush);

// The position of the cell under a point in document space (the caller adds
// the horizontal position to the client x and the vertical position times
// LineHeight to the client y): the gap before the cell under the point, or
// the end of the line right of its last cell. Nothing (the cursor stays)
// for a point below the last line, a negative x or y, or a row height of 0.
std::optional<Position> HitTest(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                                int px, int py);

// Paints the selection highlight [start, end) of an active selection, gray
// with no outline, for the view whose first line is top and whose x offset
// is hpos; clientRight is the right edge of the window's client area. Whole
// lines of a multi-line selection reach that edge. Draws nothing for an
// inactive selection, one ending above the view, or one that does not lie
// inside the document.
void DrawSelection(const CFDocument& document, bool active, Position start, Position end, Surface& surface,
                   const EditorFonts& fonts, std::uint32_t top, int hpos, int clientRight);

} // namespace velmora
