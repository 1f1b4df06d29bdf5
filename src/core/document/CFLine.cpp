#include "core/document/CFLine.h"

#include "core/dictionary/CFWordSign.h"
#include "core/document/DocumentError.h"

#include <algorithm>

namespace velmora {

CFLine::CFLine(const CFLine& other)
    : cells_(other.cells_)
    , readings_(other.readings_ ? std::make_unique<Entries>(*other.readings_) : nullptr)
{
}

CFLine& CFLine::operator=(const CFLine& other)
{
    if (this != &other) {
        cells_ = other.cells_;
        readings_ = other.readings_ ? std::make_unique<Entries>(*other.readings_) : nullptr;
    }
    return *this;
}

CFLine::~CFLine() = default;

bool operator==(const CFLine& a, const CFLine& b)
{
    if (a.cells_ != b.cells_)
        return false;
    // A line keeps its side array only while it holds a reading.
    if (!a.readings_ || !b.readings_)
        return !a.readings_ && !b.readings_;
    return *a.readings_ == *b.readings_;
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
    const auto n = static_cast<std::uint32_t>(copied.size());
    Entries carried;
    if (source.readings_) {
        const Entries& entries = *source.readings_;
        carried.assign(entries.begin() + from, entries.begin() + to);
        // Only readings wholly inside go: not the end of one that began
        // before from, nor the start of one that goes on after to.
        for (std::uint32_t k = 0; k < n && (carried[k] & kContinues); ++k)
            carried[k] = kNoReading;
        if (to < entries.size() && (entries[to] & kContinues)) {
            for (std::uint32_t k = n; k-- > 0;) {
                const bool first = !(carried[k] & kContinues);
                carried[k] = kNoReading;
                if (first)
                    break;
            }
        }
        if (std::all_of(carried.begin(), carried.end(), [](std::uint32_t e) { return e == kNoReading; }))
            carried.clear();
    }
    cells_.insert(cells_.begin() + column, copied.begin(), copied.end());
    if (carried.empty()) {
        ReadingsInserted(column, n);
        return;
    }
    if (!readings_)
        readings_ = std::make_unique<Entries>(cells_.size() - n, kNoReading);
    readings_->insert(readings_->begin() + column, carried.begin(), carried.end());
    // The cells put in may split a group reading of this line.
    DropSplitReading(column, n);
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

std::vector<ReadingSpan> CFLine::Readings() const
{
    std::vector<ReadingSpan> spans;
    if (!readings_)
        return spans;
    const Entries& entries = *readings_;
    const auto n = static_cast<std::uint32_t>(entries.size());
    for (std::uint32_t k = 0; k < n;) {
        if (entries[k] == kNoReading) {
            ++k;
            continue;
        }
        const std::uint32_t begin = k;
        while (++k < n && (entries[k] & kContinues)) {}
        spans.push_back({begin, k, entries[begin] & kIdMask});
    }
    return spans;
}

std::optional<ReadingSpan> CFLine::ReadingAt(std::uint32_t column) const
{
    if (!readings_ || column >= readings_->size() || (*readings_)[column] == kNoReading)
        return std::nullopt;
    const Entries& entries = *readings_;
    std::uint32_t begin = column;
    while (entries[begin] & kContinues)
        --begin;
    std::uint32_t end = column + 1;
    while (end < entries.size() && (entries[end] & kContinues))
        ++end;
    return ReadingSpan{begin, end, entries[begin] & kIdMask};
}

std::optional<ReadingSpan> CFLine::ReadingAcross(std::uint32_t column) const
{
    if (!readings_ || column >= readings_->size() || !((*readings_)[column] & kContinues))
        return std::nullopt;
    return ReadingAt(column);
}

void CFLine::SetReading(std::uint32_t from, std::uint32_t to, ReadingId reading)
{
    if (to > cells_.size())
        ThrowDocumentError(kErrPosition);
    if (from >= to || (!readings_ && reading == kNoReading))
        return;
    if (!readings_)
        readings_ = std::make_unique<Entries>(cells_.size(), kNoReading);
    Entries& entries = *readings_;
    // The readings overlapping [from, to) go whole, with their cells
    // outside it.
    std::uint32_t begin = from;
    while (entries[begin] & kContinues)
        --begin;
    std::uint32_t end = to;
    while (end < entries.size() && (entries[end] & kContinues))
        ++end;
    std::fill(entries.begin() + begin, entries.begin() + end, kNoReading);
    if (reading == kNoReading || reading > kIdMask) {
        ReleaseIfEmpty();
        return;
    }
    entries[from] = reading;
    std::fill(entries.begin() + from + 1, entries.begin() + to, reading | kContinues);
}

void CFLine::ReadingsInserted(std::uint32_t column, std::uint32_t n)
{
    if (!readings_ || n == 0)
        return;
    Entries& entries = *readings_;
    entries.insert(entries.begin() + column, n, kNoReading);
    if (DropSplitReading(column, n))
        ReleaseIfEmpty();
}

void CFLine::ReadingsErased(std::uint32_t from, std::uint32_t to)
{
    if (!readings_)
        return;
    Entries& entries = *readings_;
    // A group reading erased in part goes whole: the part before the
    // erased cells, and the part after them.
    bool dropped = false;
    if (from < entries.size() && (entries[from] & kContinues))
        dropped = DropReadingAt(from);
    if (to < entries.size() && (entries[to] & kContinues))
        dropped = DropReadingAt(to) || dropped;
    const bool erasedSome = std::any_of(entries.begin() + from, entries.begin() + to,
                                        [](std::uint32_t e) { return e != kNoReading; });
    entries.erase(entries.begin() + from, entries.begin() + to);
    if (dropped || erasedSome)
        ReleaseIfEmpty();
}

bool CFLine::DropSplitReading(std::uint32_t column, std::uint32_t n)
{
    Entries& entries = *readings_;
    std::uint32_t k = column + n;
    if (k >= entries.size() || !(entries[k] & kContinues))
        return false;
    // The part after the inserted cells, then the part before them (a
    // continued reading always has a cell before it).
    while (k < entries.size() && (entries[k] & kContinues))
        entries[k++] = kNoReading;
    DropReadingAt(column - 1);
    return true;
}

bool CFLine::DropReadingAt(std::uint32_t column)
{
    Entries& entries = *readings_;
    if (entries[column] == kNoReading)
        return false;
    std::uint32_t begin = column;
    while (entries[begin] & kContinues)
        --begin;
    std::uint32_t end = column + 1;
    while (end < entries.size() && (entries[end] & kContinues))
        ++end;
    std::fill(entries.begin() + begin, entries.begin() + end, kNoReading);
    return true;
}

void CFLine::ReleaseIfEmpty()
{
    if (readings_
        && std::all_of(readings_->begin(), readings_->end(), [](std::uint32_t e) { return e == kNoReading; }))
        readings_.reset();
}

} // namespace velmora
