#include "search/DocumentSearch.h"

#include "document/CFDocument.h"

#include <algorithm>

namespace velmora {

bool MatchesAt(const CFDocument& document, std::span<const std::uint32_t> word,
               std::uint32_t line, std::uint32_t column)
{
    const auto cells = document.Line(line).Cells();
    if (column >= cells.size() || word.size() > cells.size() - column)
        return false;
    return std::equal(word.begin(), word.end(), cells.begin() + column);
}

std::optional<Position> ScanForward(const CFDocument& document, std::span<const std::uint32_t> word,
                                    Position from)
{
    for (std::uint32_t k = from.line; k < document.LineCount(); ++k) {
        const std::uint32_t n = document.LineLength(k);
        for (std::uint32_t p = (k == from.line ? from.column : 0); p < n; ++p) {
            if (MatchesAt(document, word, k, p))
                return Position{k, p};
        }
    }
    return std::nullopt;
}

std::optional<Position> ScanBackward(const CFDocument& document, std::span<const std::uint32_t> word,
                                     Position from)
{
    if (document.LineCount() == 0)
        return std::nullopt;
    for (std::uint32_t k = std::min(from.line, document.LineCount() - 1) + 1; k-- > 0;) {
        const std::uint32_t n = document.LineLength(k);
        if (n == 0)
            continue;
        const std::uint32_t first = (k == from.line) ? std::min(from.column, n - 1) : n - 1;
        for (std::uint32_t p = first + 1; p-- > 0;) {
            if (MatchesAt(document, word, k, p))
                return Position{k, p};
        }
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
