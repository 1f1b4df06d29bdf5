#include "document/TextLayout.h"

#include "document/CFDocument.h"
#include "document/CFLine.h"
#include "document/DocumentError.h"

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
    if (cell >= 0x10000) {
        const std::uint32_t v = cell - 0x10000;
        return {static_cast<char16_t>(0xD800 + (v >> 10)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))};
    }
    if (cell < 0x1000)
        return {static_cast<char16_t>(cell)};
    return {static_cast<char16_t>(cell), char16_t(0)};
}

const Font* CellFont(std::uint32_t cell, const EditorFonts& fonts)
{
    return cell >= 0x10000 ? fonts.sign : fonts.text;
}

Size MeasureCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts)
{
    surface.selectFont(CellFont(cell, fonts));
    const Size size = surface.textExtent(CellUnits(cell));
    if (cell >= 0x1000 && cell < 0x10000)
        return {size.cx / 2 + size.cx / 10, size.cy};
    return size;
}

Size DrawCell(std::uint32_t cell, Surface& surface, const EditorFonts& fonts, int x, int y)
{
    surface.selectFont(CellFont(cell, fonts));
    surface.textOut(x, y, CellUnits(cell));
    return MeasureCell(cell, surface, fonts);
}

void DrawLine(const CFLine& line, Surface& surface, const EditorFonts& fonts, int x, int y)
{
    for (const std::uint32_t cell : line.Cells())
        x += DrawCell(cell, surface, fonts, x, y).cx;
}

void DrawDocument(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                  std::uint32_t top, int hpos)
{
    const std::uint32_t count = document.LineCount();
    if (top >= count)
        return;
    const int h = LineHeight(surface, fonts);
    // Without a row height every line would land on the first row.
    if (h <= 0)
        return;
    const int screen = surface.screenHeight();
    std::uint32_t rows = screen > 0 ? static_cast<std::uint32_t>(screen / h) : 0;
    if (rows > count - top)
        rows = count - top;
    for (std::uint32_t i = 0; i < rows; ++i)
        DrawLine(document.Line(top + i), surface, fonts, -hpos, static_cast<int>(i) * h);
}

int LineHeight(Surface& surface, const EditorFonts& fonts)
{
    surface.selectFont(fonts.sign);
    return surface.textExtent(std::u16string_view(kReferenceUnits, 2)).cy;
}

Size PrefixExtent(const CFLine& line, Surface& surface, const EditorFonts& fonts, std::uint32_t n)
{
    if (n > line.Length())
        ThrowDocumentError(kErrPosition);
    int width = 0;
    for (const std::uint32_t cell : line.Cells().first(n))
        width += MeasureCell(cell, surface, fonts).cx;
    return {width, LineHeight(surface, fonts)};
}

Point PositionPoint(const CFDocument& document, Position position, Surface& surface,
                    const EditorFonts& fonts)
{
    const Size prefix = PrefixExtent(document.Line(position.line), surface, fonts, position.column);
    return {prefix.cx, static_cast<int>(position.line) * prefix.cy};
}

Size CellExtent(const CFDocument& document, Position position, Surface& surface,
                const EditorFonts& fonts)
{
    return MeasureCell(document.CellAt(position.line, position.column), surface, fonts);
}

Point CaretPoint(const CFDocument& document, Position cursor, Surface& surface,
                 const EditorFonts& fonts, const ScrollOffsets& scroll)
{
    const Size prefix = PrefixExtent(document.Line(cursor.line), surface, fonts, cursor.column);
    const int h = prefix.cy;
    return {prefix.cx - scroll.left(),
            static_cast<int>(cursor.line) * h - static_cast<int>(scroll.top()) * h};
}

void DrawCaret(const CFDocument& document, Position cursor, bool caretVisible, Surface& surface,
               const EditorFonts& fonts, const ScrollOffsets& scroll, const Pen& pen,
               const Brush& brush)
{
    if (!caretVisible)
        return;
    const Point p = CaretPoint(document, cursor, surface, fonts, scroll);
    const int h = LineHeight(surface, fonts);
    surface.rectangle({p.x, p.y, p.x + 2, p.y + h}, pen, brush);
}

std::optional<Position> HitTest(const CFDocument& document, Surface& surface,
                                const EditorFonts& fonts, int px, int py)
{
    const int h = LineHeight(surface, fonts);
    if (h <= 0)
        return std::nullopt;
    // Unsigned on purpose: a point above the document (negative y) becomes a
    // line far beyond its end.
    const std::uint32_t line = static_cast<std::uint32_t>(py) / static_cast<std::uint32_t>(h);
    if (line >= document.LineCount())
        return std::nullopt;
    const std::uint32_t length = document.LineLength(line);
    if (px < 0)
        return std::nullopt;
    std::uint32_t column = length;
    int right = 0;
    for (std::uint32_t i = 0; i < length; ++i) {
        right += CellExtent(document, {line, i}, surface, fonts).cx;
        if (px < right) {
            column = i;
            break;
        }
    }
    return Position{line, column};
}

void DrawSelection(const CFDocument& document, bool active, Position start, Position end,
                   Surface& surface, const EditorFonts& fonts, std::uint32_t top, int hpos,
                   int clientRight)
{
    if (!active)
        return;
    surface.selectFont(fonts.sign);
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
