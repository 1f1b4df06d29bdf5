#include "core/search/DocumentSearch.h"

#include "core/document/CFDocument.h"

#include <algorithm>

namespace velmora {

namespace {

// Cells compared at once by the scans: a block is tested with one branch,
// which the compiler turns into a few vector compares.
constexpr std::ptrdiff_t kBlock = 16;

bool BlockHolds(const std::uint32_t* block, std::uint32_t value)
{
    unsigned found = 0;
    for (std::ptrdiff_t i = 0; i < kBlock; ++i)
        found |= block[i] == value ? 1u : 0u;
    return found != 0;
}

// The first cell equal to value in [first, last), or last.
const std::uint32_t* FindCell(const std::uint32_t* first, const std::uint32_t* last, std::uint32_t value)
{
    while (last - first >= kBlock && !BlockHolds(first, value))
        first += kBlock;
    return std::find(first, last, value);
}

// The last cell equal to value in [first, last), or last.
const std::uint32_t* FindCellBackward(const std::uint32_t* first, const std::uint32_t* last,
                                      std::uint32_t value)
{
    const std::uint32_t* end = last;
    while (end - first >= kBlock && !BlockHolds(end - kBlock, value))
        end -= kBlock;
    for (const std::uint32_t* p = end; p != first;) {
        if (*--p == value)
            return p;
    }
    return last;
}

bool MatchesCells(std::span<const std::uint32_t> cells, std::span<const std::uint32_t> word,
                  std::size_t column)
{
    if (column >= cells.size() || word.size() > cells.size() - column)
        return false;
    return std::equal(word.begin(), word.end(), cells.begin() + static_cast<std::ptrdiff_t>(column));
}

// The first match in cells at or after column: the first cell of the word is
// looked for with a fast scan, the rest is compared only where it is found.
std::optional<std::uint32_t> FirstMatchInLine(std::span<const std::uint32_t> cells,
                                              std::span<const std::uint32_t> word, std::uint32_t column)
{
    const std::size_t n = cells.size();
    if (column >= n)
        return std::nullopt;
    if (word.empty())
        return column;
    if (word.size() > n - column)
        return std::nullopt;
    const std::uint32_t* begin = cells.data();
    // The last place a match can start.
    const std::uint32_t* last = begin + (n - word.size()) + 1;
    for (const std::uint32_t* p = begin + column;; ++p) {
        p = FindCell(p, last, word.front());
        if (p == last)
            return std::nullopt;
        if (std::equal(word.begin() + 1, word.end(), p + 1))
            return static_cast<std::uint32_t>(p - begin);
    }
}

// The last match in cells at or before column.
std::optional<std::uint32_t> LastMatchInLine(std::span<const std::uint32_t> cells,
                                             std::span<const std::uint32_t> word, std::uint32_t column)
{
    const std::size_t n = cells.size();
    if (n == 0)
        return std::nullopt;
    const std::size_t first = std::min<std::size_t>(column, n - 1);
    if (word.empty())
        return static_cast<std::uint32_t>(first);
    if (word.size() > n)
        return std::nullopt;
    const std::uint32_t* begin = cells.data();
    // Places after the last one a match can start at are not looked at.
    const std::uint32_t* end = begin + std::min(first, n - word.size()) + 1;
    while (end != begin) {
        const std::uint32_t* p = FindCellBackward(begin, end, word.front());
        if (p == end)
            return std::nullopt;
        if (std::equal(word.begin() + 1, word.end(), p + 1))
            return static_cast<std::uint32_t>(p - begin);
        end = p;
    }
    return std::nullopt;
}

} // namespace

bool MatchesAt(const CFDocument& document, std::span<const std::uint32_t> word, std::uint32_t line,
               std::uint32_t column)
{
    return MatchesCells(document.Line(line).Cells(), word, column);
}

std::optional<Position> ScanForward(const CFDocument& document, std::span<const std::uint32_t> word,
                                    Position from, std::uint32_t lastLine)
{
    const std::uint32_t end = std::min(lastLine, document.LineCount() - 1);
    for (std::uint32_t k = from.line; k <= end && k < document.LineCount(); ++k) {
        const std::uint32_t start = k == from.line ? from.column : 0;
        if (const auto p = FirstMatchInLine(document.Line(k).Cells(), word, start))
            return Position{k, *p};
    }
    return std::nullopt;
}

std::optional<Position> ScanBackward(const CFDocument& document, std::span<const std::uint32_t> word,
                                     Position from, std::uint32_t firstLine)
{
    if (document.LineCount() == 0)
        return std::nullopt;
    for (std::uint32_t k = std::min(from.line, document.LineCount() - 1) + 1; k-- > firstLine;) {
        const auto cells = document.Line(k).Cells();
        const std::uint32_t start = k == from.line ? from.column : static_cast<std::uint32_t>(cells.size());
        if (const auto p = LastMatchInLine(cells, word, start))
            return Position{k, *p};
    }
    return std::nullopt;
}

std::optional<Position> NextStart(const CFDocument& document, Position cursor)
{
    if (cursor.line >= document.LineCount())
        return std::nullopt;
    if (cursor.column + 1 < document.LineLength(cursor.line))
        return Position{cursor.line, cursor.column + 1};
    if (cursor.line + 1 < document.LineCount())
        return Position{cursor.line + 1, 0};
    return std::nullopt;
}

std::optional<Position> PreviousStart(const CFDocument& document, Position cursor)
{
    if (cursor.line >= document.LineCount())
        return std::nullopt;
    if (cursor.column > 0)
        return Position{cursor.line, cursor.column - 1};
    if (cursor.line == 0)
        return std::nullopt;
    // The last cell of the line above; ScanBackward skips it when empty.
    const std::uint32_t above = cursor.line - 1;
    const std::uint32_t n = document.LineLength(above);
    return Position{above, n > 0 ? n - 1 : 0};
}

} // namespace velmora
