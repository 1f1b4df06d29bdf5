#include "core/document/CFLine.h"

#include "core/dictionary/CFWordSign.h"
#include "core/document/DocumentError.h"

#include <algorithm>

namespace velmora {

CFLine::CFLine(const CFLine& other)
    : cells_(other.cells_)
    , readings_(other.readings_ ? std::make_unique<Spans>(*other.readings_) : nullptr)
{
}

CFLine& CFLine::operator=(const CFLine& other)
{
    if (this != &other) {
        cells_ = other.cells_;
        readings_ = other.readings_ ? std::make_unique<Spans>(*other.readings_) : nullptr;
    }
    return *this;
}

CFLine::~CFLine() = default;

bool operator==(const CFLine& a, const CFLine& b)
{
    const auto ra = a.Readings();
    const auto rb = b.Readings();
    return a.cells_ == b.cells_ && std::equal(ra.begin(), ra.end(), rb.begin(), rb.end());
}

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
    ReadingsInserted(column, 1);
}

std::uint32_t CFLine::InsertCells(std::uint32_t n, std::uint32_t column, const std::uint32_t* cells)
{
    if (n == 0)
        return 0;
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    cells_.insert(cells_.begin() + column, cells, cells + n);
    ReadingsInserted(column, n);
    return n;
}

std::uint32_t CFLine::InsertSignWord(std::uint32_t column, const CFWordSign& word)
{
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    const auto codes = word.Cells();
    cells_.insert(cells_.begin() + column, codes.begin(), codes.end());
    ReadingsInserted(column, static_cast<std::uint32_t>(codes.size()));
    return static_cast<std::uint32_t>(codes.size());
}

void CFLine::InsertFrom(std::uint32_t column, const CFLine& source, std::uint32_t from, std::uint32_t to)
{
    if (column > cells_.size() || from > source.cells_.size() || to > source.cells_.size())
        ThrowDocumentError(kErrPosition);
    if (from >= to)
        return;
    // Copied first: the source may be this line.
    const std::vector<std::uint32_t> copied(source.cells_.begin() + from, source.cells_.begin() + to);
    Spans carried;
    for (const ReadingSpan& span : source.Readings()) {
        if (span.begin >= from && span.end <= to)
            carried.push_back({span.begin - from + column, span.end - from + column, span.reading});
    }
    const auto n = static_cast<std::uint32_t>(copied.size());
    cells_.insert(cells_.begin() + column, copied.begin(), copied.end());
    ReadingsInserted(column, n);
    if (carried.empty())
        return;
    if (!readings_)
        readings_ = std::make_unique<Spans>();
    // The inserted cells hold no reading yet: the carried ones go in between.
    const auto at = std::lower_bound(readings_->begin(), readings_->end(), column,
                                     [](const ReadingSpan& s, std::uint32_t c) { return s.begin < c; });
    readings_->insert(at, carried.begin(), carried.end());
}

void CFLine::EraseCell(std::uint32_t column)
{
    if (column > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (column < cells_.size()) {
        cells_.erase(cells_.begin() + column);
        ReadingsErased(column, column + 1);
    }
}

void CFLine::EraseCells(std::uint32_t from, std::uint32_t to)
{
    if (from > cells_.size() || to > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (cells_.empty() || from >= to)
        return;
    cells_.erase(cells_.begin() + from, cells_.begin() + to);
    ReadingsErased(from, to);
}

void CFLine::Clear()
{
    cells_.clear();
    readings_.reset();
}

std::span<const ReadingSpan> CFLine::Readings() const
{
    if (!readings_)
        return {};
    return *readings_;
}

const ReadingSpan* CFLine::ReadingAt(std::uint32_t column) const
{
    if (!readings_)
        return nullptr;
    // The last span beginning at or before the column.
    const auto after = std::upper_bound(readings_->begin(), readings_->end(), column,
                                        [](std::uint32_t c, const ReadingSpan& s) { return c < s.begin; });
    if (after == readings_->begin())
        return nullptr;
    const ReadingSpan& span = *(after - 1);
    return column < span.end ? &span : nullptr;
}

void CFLine::SetReading(std::uint32_t from, std::uint32_t to, ReadingId reading)
{
    if (to > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (from >= to || (!readings_ && reading == kNoReading))
        return;
    if (!readings_)
        readings_ = std::make_unique<Spans>();
    // Spans are sorted and apart, so their ends are sorted too: those that
    // overlap [from, to) lie together.
    Spans& spans = *readings_;
    const auto first = std::partition_point(spans.begin(), spans.end(),
                                            [from](const ReadingSpan& s) { return s.end <= from; });
    const auto last =
        std::partition_point(first, spans.end(), [to](const ReadingSpan& s) { return s.begin < to; });
    const auto at = spans.erase(first, last);
    if (reading != kNoReading)
        spans.insert(at, ReadingSpan{from, to, reading});
    ReleaseIfEmpty();
}

void CFLine::ReadingsInserted(std::uint32_t column, std::uint32_t n)
{
    if (!readings_ || n == 0)
        return;
    // A group reading with cells on both sides of the insertion is split.
    std::erase_if(*readings_, [&](const ReadingSpan& s) { return s.begin < column && s.end > column; });
    for (ReadingSpan& s : *readings_) {
        if (s.begin >= column) {
            s.begin += n;
            s.end += n;
        }
    }
    ReleaseIfEmpty();
}

void CFLine::ReadingsErased(std::uint32_t from, std::uint32_t to)
{
    if (!readings_)
        return;
    // Erased with their cells, or partly erased (a group reading): gone.
    std::erase_if(*readings_, [&](const ReadingSpan& s) { return s.begin < to && s.end > from; });
    const std::uint32_t n = to - from;
    for (ReadingSpan& s : *readings_) {
        if (s.begin >= to) {
            s.begin -= n;
            s.end -= n;
        }
    }
    ReleaseIfEmpty();
}

void CFLine::ReleaseIfEmpty()
{
    if (readings_ && readings_->empty())
        readings_.reset();
}

} // namespace velmora
