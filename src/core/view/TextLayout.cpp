#include "core/view/TextLayout.h"

#include "base/Utf16.h"
#include "core/document/CFDocument.h"
#include "core/document/CFLine.h"
#include "core/document/DocumentError.h"
#include "core/view/CellMetrics.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// The reference sign U+12044 as UTF-16.
constexpr char16_t kReferenceUnits[] = {0xD808, 0xDC44};

// The highlight: gray fill, no outline.
constexpr Pen kNullPen{false, 1, 0};
constexpr Brush kGrayBrush{kGray};

bool InDocument(const CFDocument& document, Position p)
{
    return p.line < document.LineCount() && p.column <= document.LineLength(p.line);
}

} // namespace

std::u16string CellUnits(std::uint32_t cell)
{
    if (InSignFont(cell)) {
        const Utf16Encoded pair = EncodeUtf16(cell);
        return {pair.units[0], pair.units[1]};
    }
    if (cell < 0x1000)
        return {static_cast<char16_t>(cell)};
    return {static_cast<char16_t>(cell), char16_t(0)};
}

const Font* CellFont(std::uint32_t cell, const EditorFonts& fonts)
{
    return InSignFont(cell) ? fonts.sign : fonts.text;
}

namespace {

bool IsHalfCell(std::uint32_t cell)
{
    return cell >= 0x1000 && cell < 0x10000;
}

Size MeasureAfresh(std::uint32_t cell, Surface& surface, const EditorFonts& fonts)
{
    const Size size = surface.textExtent(CellFont(cell, fonts), CellUnits(cell));
    if (IsHalfCell(cell))
        return {size.cx / 2 + size.cx / 10, size.cy};
    return size;
}

// The width of a cell, measured once per code point when the fonts keep
// metrics.
int CellWidth(std::uint32_t cell, Surface& surface, const EditorFonts& fonts)
{
    if (fonts.metrics) {
        const int width = fonts.metrics->Width(cell);
        if (width >= 0)
            return width;
    }
    return MeasureCell(cell, surface, fonts).cx;
}

// The prefix widths of a line whose first n cells are those given: sums[i]
// is the width of cells [0, i) for i up to n. Only cells that changed since
// the line was last measured are looked up again.
const std::vector<int>& PrefixSums(std::span<const std::uint32_t> cells, std::uint32_t n, Surface& surface,
                                   const EditorFonts& fonts)
{
    CellMetrics& metrics = *fonts.metrics;
    if (const CellMetrics::LinePrefix* kept = metrics.FindPrefix(cells, n))
        return kept->sums;
    std::uint32_t valid = 0;
    CellMetrics::LinePrefix& line = metrics.PrefixToRefill(cells, valid);
    line.cells.assign(cells.begin(), cells.end());
    line.sums.resize(cells.size() + 1);
    for (std::size_t i = valid; i < cells.size(); ++i)
        line.sums[i + 1] = line.sums[i] + CellWidth(cells[i], surface, fonts);
    return line.sums;
}

int PrefixWidth(std::span<const std::uint32_t> cells, std::uint32_t n, Surface& surface,
                const EditorFonts& fonts)
{
    if (fonts.metrics)
        return PrefixSums(cells, n, surface, fonts)[n];
    int width = 0;
    for (const std::uint32_t cell : cells.first(n))
        width += CellWidth(cell, surface, fonts);
    return width;
}

} // namespace

Size MeasureCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts)
{
    CellMetrics* metrics = fonts.metrics;
    const bool sign = InSignFont(cell);
    if (metrics) {
        const int width = metrics->Width(cell);
        const std::optional<int> height = metrics->FontHeight(sign);
        if (width >= 0 && height)
            return {width, *height};
    }
    const Size size = MeasureAfresh(cell, surface, fonts);
    if (metrics) {
        metrics->SetWidth(cell, size.cx);
        metrics->SetFontHeight(sign, size.cy);
    }
    return size;
}

Size DrawCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts, int x, int y,
              const TextColors& colors)
{
    surface.textOut({x, y}, CellFont(cell, fonts), CellUnits(cell), colors);
    return MeasureCell(cell, surface, fonts);
}

void DrawLine(const CFLine& line, Surface& surface, const EditorFonts& fonts, int x, int y,
              const TextColors& colors)
{
    const auto cells = line.Cells();
    const Rect area = surface.area();
    std::size_t i = 0;
    // Past the cells that end left of the area, keeping the last of them.
    int before = 0;
    while (i < cells.size()) {
        const int width = CellWidth(cells[i], surface, fonts);
        if (x + width > area.left)
            break;
        x += width;
        before = width;
        ++i;
    }
    if (i > 0) {
        --i;
        x -= before;
    }
    for (; i < cells.size(); ++i) {
        const bool last = x >= area.right;
        x += DrawCell(cells[i], surface, fonts, x, y, colors).cx;
        if (last)
            break;
    }
}

void DrawDocument(const CFDocument& document, Surface& surface, const EditorFonts& fonts, std::uint32_t top,
                  int hpos, const TextColors& colors)
{
    const std::uint32_t count = document.LineCount();
    if (top >= count)
        return;
    const int h = LineHeight(surface, fonts);
    // Without a row height every line would land on the first row.
    if (h <= 0)
        return;
    // The rows that meet the area, with one more on either side for glyphs
    // that overhang their row.
    const Rect area = surface.area();
    if (area.bottom <= 0 || area.bottom <= area.top)
        return;
    const std::uint32_t first = area.top > h ? static_cast<std::uint32_t>(area.top / h - 1) : 0;
    const std::uint32_t end = static_cast<std::uint32_t>((area.bottom - 1) / h + 2);
    for (std::uint32_t i = first; i < end && i < count - top; ++i)
        DrawLine(document.Line(top + i), surface, fonts, -hpos, static_cast<int>(i) * h, colors);
}

int LineHeight(Surface& surface, const EditorFonts& fonts)
{
    if (fonts.metrics && fonts.metrics->lineHeight)
        return *fonts.metrics->lineHeight;
    const int height = surface.textExtent(fonts.sign, std::u16string_view(kReferenceUnits, 2)).cy;
    if (fonts.metrics)
        fonts.metrics->lineHeight = height;
    return height;
}

Size PrefixExtent(const CFLine& line, Surface& surface, const EditorFonts& fonts, std::uint32_t n)
{
    if (n > line.Length())
        ThrowDocumentError(kErrPosition);
    return {PrefixWidth(line.Cells(), n, surface, fonts), LineHeight(surface, fonts)};
}

Point PositionPoint(const CFDocument& document, Position position, Surface& surface, const EditorFonts& fonts)
{
    const Size prefix = PrefixExtent(document.Line(position.line), surface, fonts, position.column);
    return {prefix.cx, static_cast<int>(position.line) * prefix.cy};
}

Size CellExtent(const CFDocument& document, Position position, Surface& surface, const EditorFonts& fonts)
{
    return MeasureCell(document.CellAt(position.line, position.column), surface, fonts);
}

Point CaretPoint(const CFDocument& document, Position cursor, Surface& surface, const EditorFonts& fonts,
                 const ScrollOffsets& scroll)
{
    const Size prefix = PrefixExtent(document.Line(cursor.line), surface, fonts, cursor.column);
    const int h = prefix.cy;
    return {prefix.cx - scroll.left(),
            static_cast<int>(cursor.line) * h - static_cast<int>(scroll.top()) * h};
}

void DrawCaret(const CFDocument& document, Position cursor, bool caretVisible, Surface& surface,
               const EditorFonts& fonts, const ScrollOffsets& scroll, const Pen& pen, const Brush& brush)
{
    if (!caretVisible)
        return;
    const Point p = CaretPoint(document, cursor, surface, fonts, scroll);
    const int h = LineHeight(surface, fonts);
    surface.rectangle({p.x, p.y, p.x + 2, p.y + h}, pen, brush);
}

std::optional<Position> HitTest(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                                int px, int py)
{
    const int h = LineHeight(surface, fonts);
    if (h <= 0)
        return std::nullopt;
    // Unsigned on purpose: a point above the document (negative y) becomes a
    // line far beyond its end.
    const std::uint32_t line = static_cast<std::uint32_t>(py) / static_cast<std::uint32_t>(h);
    if (line >= document.LineCount())
        return std::nullopt;
    const auto cells = document.Line(line).Cells();
    if (px < 0)
        return std::nullopt;
    const auto length = static_cast<std::uint32_t>(cells.size());
    std::uint32_t column = length;
    if (fonts.metrics) {
        // The first cell whose right edge lies beyond the point.
        const std::vector<int>& sums = PrefixSums(cells, length, surface, fonts);
        const auto found =
            std::find_if(sums.begin() + 1, sums.begin() + length + 1, [px](int right) { return px < right; });
        column = static_cast<std::uint32_t>(found - (sums.begin() + 1));
    } else {
        int right = 0;
        for (std::uint32_t i = 0; i < length; ++i) {
            right += CellWidth(cells[i], surface, fonts);
            if (px < right) {
                column = i;
                break;
            }
        }
    }
    return Position{line, column};
}

void DrawSelection(const CFDocument& document, bool active, Position start, Position end, Surface& surface,
                   const EditorFonts& fonts, std::uint32_t top, int hpos, int clientRight)
{
    if (!active)
        return;
    const int h = LineHeight(surface, fonts);
    const int right = clientRight;
    if (top > end.line)
        return;
    // A selection left over from a replaced document would name lines that
    // are gone; there is nothing of it to paint.
    if (!InDocument(document, start) || !InDocument(document, end))
        return;
    const int rs = static_cast<int>(start.line) - static_cast<int>(top);
    const int re = static_cast<int>(end.line) - static_cast<int>(top);
    const int xStart = PositionPoint(document, start, surface, fonts).x - hpos;
    const int xEnd = PositionPoint(document, end, surface, fonts).x - hpos;
    if (start.line == end.line) {
        surface.rectangle({xStart, rs * h, xEnd, rs * h + h}, kNullPen, kGrayBrush);
        return;
    }
    surface.rectangle({xStart, rs * h, right - hpos, rs * h + h + 1}, kNullPen, kGrayBrush);
    surface.rectangle({-hpos, (rs + 1) * h, right - hpos, re * h + 1}, kNullPen, kGrayBrush);
    surface.rectangle({-hpos, re * h, xEnd, re * h + h}, kNullPen, kGrayBrush);
}

} // namespace velmora
