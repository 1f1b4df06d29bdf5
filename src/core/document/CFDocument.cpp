#include "core/document/CFDocument.h"

#include "core/dictionary/CFWordSign.h"
#include "core/document/DocumentError.h"

#include <algorithm>
#include <utility>

namespace velmora {

CFDocument::CFDocument() : lines_(1)
{
}

CFDocument& CFDocument::operator=(const CFDocument& other)
{
    if (this != &other) {
        lines_ = other.lines_;
        maxLineLength = other.maxLineLength;
        revision_ = std::max(revision_, other.revision_) + 1;
    }
    return *this;
}

CFDocument& CFDocument::operator=(CFDocument&& other) noexcept
{
    if (this != &other) {
        lines_ = std::move(other.lines_);
        maxLineLength = other.maxLineLength;
        revision_ = std::max(revision_, other.revision_) + 1;
    }
    return *this;
}

std::uint32_t CFDocument::LineLength(std::uint32_t line) const
{
    return Line(line).Length();
}

std::uint32_t CFDocument::CellAt(std::uint32_t line, std::uint32_t column) const
{
    return Line(line).CellAt(column);
}

const CFLine& CFDocument::Line(std::uint32_t line) const
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrPosition);
    return lines_[line];
}

void CFDocument::InsertLine(std::uint32_t index)
{
    if (index > lines_.size())
        ThrowDocumentError(kErrPosition);
    ++revision_;
    lines_.insert(lines_.begin() + index, CFLine{});
}

void CFDocument::EraseLine(std::uint32_t index)
{
    if (lines_.empty())
        return;
    if (index >= lines_.size())
        ThrowDocumentError(kErrPosition);
    ++revision_;
    lines_.erase(lines_.begin() + index);
    if (lines_.empty())
        lines_.emplace_back();
}

void CFDocument::InsertLines(std::uint32_t index, std::uint32_t count)
{
    if (index > lines_.size())
        ThrowDocumentError(kErrPosition);
    ++revision_;
    lines_.insert(lines_.begin() + index, count, CFLine{});
}

void CFDocument::EraseLines(std::uint32_t from, std::uint32_t to)
{
    if (from > lines_.size() || to > lines_.size())
        ThrowDocumentError(kErrPosition);
    if (from >= to)
        return;
    ++revision_;
    lines_.erase(lines_.begin() + from, lines_.begin() + to);
    if (lines_.empty())
        lines_.emplace_back();
}

void CFDocument::Clear()
{
    ++revision_;
    std::vector<CFLine>(1).swap(lines_);
}

void CFDocument::InsertCell(std::uint32_t line, std::uint32_t column, std::uint32_t cell)
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrCellLine);
    lines_[line].InsertCell(column, cell);
    ++revision_;
}

void CFDocument::EraseCell(std::uint32_t line, std::uint32_t column)
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrCellLine);
    lines_[line].EraseCell(column);
    ++revision_;
}

void CFDocument::EraseCells(std::uint32_t line, std::uint32_t from, std::uint32_t to)
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrCellLine);
    lines_[line].EraseCells(from, to);
    ++revision_;
}

void CFDocument::AppendCells(std::uint32_t dst, std::uint32_t src, std::uint32_t from, std::uint32_t to)
{
    if (dst >= lines_.size() || src >= lines_.size())
        ThrowDocumentError(kErrRangeLine);
    const auto srcLength = lines_[src].Length();
    if (from > srcLength || to > srcLength)
        ThrowDocumentError(kErrRangeLine);
    if (from >= to)
        return;
    // Source and destination may be the same line: InsertFrom copies first.
    lines_[dst].InsertFrom(lines_[dst].Length(), lines_[src], from, to);
    ++revision_;
}

void CFDocument::CopyCells(CFDocument& dstDoc, std::uint32_t dstLine, std::uint32_t pos,
                           const CFDocument& srcDoc, std::uint32_t srcLine, std::uint32_t from,
                           std::uint32_t to)
{
    if (from >= to)
        return;
    if (dstLine >= dstDoc.lines_.size() || srcLine >= srcDoc.lines_.size())
        ThrowDocumentError(kErrRangeLine);
    dstDoc.lines_[dstLine].InsertFrom(pos, srcDoc.lines_[srcLine], from, to);
    ++dstDoc.revision_;
}

void CFDocument::CopyCells(CFDocument& dstDoc, std::uint32_t dstLine, std::uint32_t pos, const CFLine& source,
                           std::uint32_t from, std::uint32_t to)
{
    if (from >= to)
        return;
    if (dstLine >= dstDoc.lines_.size())
        ThrowDocumentError(kErrRangeLine);
    dstDoc.lines_[dstLine].InsertFrom(pos, source, from, to);
    ++dstDoc.revision_;
}

std::uint32_t CFDocument::InsertCells(std::uint32_t n, std::uint32_t line, std::uint32_t column,
                                      const std::uint32_t* cells)
{
    if (n == 0)
        return 0;
    if (line >= lines_.size())
        ThrowDocumentError(kErrRangeLine);
    const auto inserted = lines_[line].InsertCells(n, column, cells);
    ++revision_;
    return inserted;
}

std::uint32_t CFDocument::InsertSignWord(std::uint32_t line, std::uint32_t column, const CFWordSign& word)
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrRangeLine);
    const auto inserted = lines_[line].InsertSignWord(column, word);
    ++revision_;
    return inserted;
}

void CFDocument::SetReading(std::uint32_t line, std::uint32_t from, std::uint32_t to, ReadingId reading)
{
    if (line >= lines_.size())
        ThrowDocumentError(kErrCellLine);
    lines_[line].SetReading(from, to, reading);
    ++revision_;
}

bool CFDocument::HasReadings() const
{
    return std::any_of(lines_.begin(), lines_.end(), [](const CFLine& line) { return line.HasReadings(); });
}

} // namespace velmora
