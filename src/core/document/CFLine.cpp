#include "core/document/CFLine.h"

#include "core/dictionary/CFWordSign.h"
#include "core/document/DocumentError.h"

namespace velmora {

std::uint32_t CFLine::CellAt(std::uint32_t column) const
{
    if (column >= cells_.size())
        ThrowDocumentError(kErrPosition);
    return cells_[column];
}

void CFLine::InsertCell(std::uint32_t column, std::uint32_t cell)
{
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    cells_.insert(cells_.begin() + column, cell);
}

std::uint32_t CFLine::InsertCells(std::uint32_t n, std::uint32_t column, const std::uint32_t* cells)
{
    if (n == 0)
        return 0;
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    cells_.insert(cells_.begin() + column, cells, cells + n);
    return n;
}

std::uint32_t CFLine::InsertSignWord(std::uint32_t column, const CFWordSign& word)
{
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    const auto codes = word.Cells();
    cells_.insert(cells_.begin() + column, codes.begin(), codes.end());
    return static_cast<std::uint32_t>(codes.size());
}

void CFLine::EraseCell(std::uint32_t column)
{
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (column < cells_.size())
        cells_.erase(cells_.begin() + column);
}

void CFLine::EraseCells(std::uint32_t from, std::uint32_t to)
{
    if (from > cells_.size() || to > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (cells_.empty() || from >= to)
        return;
    cells_.erase(cells_.begin() + from, cells_.begin() + to);
}

void CFLine::Clear()
{
    cells_.clear();
}

} // namespace velmora
