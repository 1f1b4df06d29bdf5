#include "core/document/RangeEdit.h"

#include "core/document/DocumentError.h"

#include <algorithm>

namespace velmora {

namespace {

bool Inside(const CFDocument& document, Position p)
{
    return p.line < document.LineCount() && p.column <= document.LineLength(p.line);
}

// A line of the result may be this long when the line it grows from had
// oldLength cells.
bool LengthFits(std::uint64_t newLength, std::uint32_t oldLength, std::uint32_t longest)
{
    return newLength <= longest || newLength <= oldLength;
}

} // namespace

void CheckRange(const CFDocument& document, Position start, Position end)
{
    if (!Inside(document, start) || !Inside(document, end) || end < start)
        ThrowDocumentError(kErrPosition);
}

CFDocument CopyRange(const CFDocument& document, Position start, Position end)
{
    CheckRange(document, start, end);
    CFDocument text;
    if (start.line == end.line) {
        CFDocument::CopyCells(text, 0, 0, document, start.line, start.column, end.column);
        return text;
    }
    text.InsertLines(1, end.line - start.line);
    CFDocument::CopyCells(text, 0, 0, document, start.line, start.column, document.LineLength(start.line));
    for (std::uint32_t l = start.line + 1; l < end.line; ++l)
        CFDocument::CopyCells(text, l - start.line, 0, document, l, 0, document.LineLength(l));
    CFDocument::CopyCells(text, end.line - start.line, 0, document, end.line, 0, end.column);
    return text;
}

void EraseRange(CFDocument& document, Position start, Position end)
{
    CheckRange(document, start, end);
    if (start.line == end.line) {
        document.EraseCells(start.line, start.column, end.column);
        return;
    }
    document.EraseCells(start.line, start.column, document.LineLength(start.line));
    CFDocument::CopyCells(document, start.line, start.column, document, end.line, end.column,
                          document.LineLength(end.line));
    // The lines in between and the former last line, in one move of the
    // lines below the range.
    document.EraseLines(start.line + 1, end.line + 1);
}

Position InsertText(CFDocument& document, Position at, const CFDocument& text)
{
    if (!Inside(document, at))
        ThrowDocumentError(kErrPosition);
    const std::uint32_t n = text.LineCount();
    if (n == 1) {
        CFDocument::CopyCells(document, at.line, at.column, text, 0, 0, text.LineLength(0));
        return {at.line, at.column + text.LineLength(0)};
    }
    // The rest of the line goes behind the last inserted line.
    const std::uint32_t length = document.LineLength(at.line);
    document.InsertLines(at.line + 1, n - 1);
    const std::uint32_t last = at.line + n - 1;
    CFDocument::CopyCells(document, last, 0, document, at.line, at.column, length);
    document.EraseCells(at.line, at.column, length);
    CFDocument::CopyCells(document, at.line, at.column, text, 0, 0, text.LineLength(0));
    for (std::uint32_t k = 1; k < n; ++k)
        CFDocument::CopyCells(document, at.line + k, 0, text, k, 0, text.LineLength(k));
    return {last, text.LineLength(n - 1)};
}

CFDocument TextOfCells(std::span<const std::uint32_t> cells)
{
    CFDocument text;
    text.InsertCells(static_cast<std::uint32_t>(cells.size()), 0, 0, cells.data());
    return text;
}

CFDocument TextOfCells(std::span<const std::uint32_t> cells, ReadingId reading)
{
    CFDocument text = TextOfCells(cells);
    text.SetReading(0, 0, text.LineLength(0), reading);
    return text;
}

CFDocument TextOfLine(const CFLine& line)
{
    CFDocument text;
    CFDocument::CopyCells(text, 0, 0, line, 0, line.Length());
    return text;
}

std::vector<PlacedReading> ReadingsBrokenBy(const CFDocument& document, Position start, Position end)
{
    CheckRange(document, start, end);
    // Only a reading across one of the range's ends has cells inside the
    // range and outside it (or, for an empty range, on both sides of it).
    std::vector<PlacedReading> broken;
    for (const Position p : {start, end}) {
        const auto span = document.Line(p.line).ReadingAcross(p.column);
        if (span && (broken.empty() || broken.back() != PlacedReading{p.line, *span}))
            broken.push_back({p.line, *span});
    }
    return broken;
}

bool IsEmptyText(const CFDocument& text)
{
    return text.LineCount() == 1 && text.LineLength(0) == 0;
}

EditFit CheckReplacement(const CFDocument& document, Position start, Position end, const CFDocument& text,
                         std::int64_t lineLimit, std::uint32_t longestLine)
{
    CheckRange(document, start, end);
    const std::int64_t removed = end.line - start.line;
    const std::int64_t added = text.LineCount() - 1;
    const std::int64_t lines = std::int64_t(document.LineCount()) - removed + added;
    if (added > removed && lines > lineLimit)
        return EditFit::TooManyLines;

    const std::uint32_t head = start.column;
    const std::uint32_t tail = document.LineLength(end.line) - end.column;
    const std::uint32_t n = text.LineCount();
    if (n == 1) {
        const std::uint64_t length = std::uint64_t(head) + text.LineLength(0) + tail;
        const std::uint32_t old = std::max(document.LineLength(start.line), document.LineLength(end.line));
        return LengthFits(length, old, longestLine) ? EditFit::Fits : EditFit::LineTooLong;
    }
    if (!LengthFits(std::uint64_t(head) + text.LineLength(0), document.LineLength(start.line), longestLine))
        return EditFit::LineTooLong;
    for (std::uint32_t k = 1; k + 1 < n; ++k) {
        if (!LengthFits(text.LineLength(k), 0, longestLine))
            return EditFit::LineTooLong;
    }
    if (!LengthFits(std::uint64_t(text.LineLength(n - 1)) + tail, document.LineLength(end.line), longestLine))
        return EditFit::LineTooLong;
    return EditFit::Fits;
}

} // namespace velmora
