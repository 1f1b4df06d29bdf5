#pragma once

#include "core/document/ReadingSpan.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velmora {

class CFWordSign;

// One line of a document: a contiguous array of cells, each a code point.
// Also serves as the pending transliteration and the candidate buffer of an
// editor. A column beyond the end raises kErrPosition (1001).
//
// Beside its cells a line may know the readings its signs were made from
// (ReadingSpan). A cell's code point is all the line stores of it; the
// readings lie in a side array, one entry a cell, that a line without any
// does not have (it costs one null pointer). Every edit keeps them in step
// with the cells: cells inserted before a reading move it, cells erased
// take their readings with them, and a group reading (one reading of
// several signs) that an edit erases only in part, or splits by inserting
// between its signs, no longer describes what is left and is dropped.
class CFLine {
public:
    CFLine() = default;
    CFLine(const CFLine& other);
    CFLine& operator=(const CFLine& other);
    CFLine(CFLine&&) noexcept = default;
    CFLine& operator=(CFLine&&) noexcept = default;
    ~CFLine();

    std::uint32_t Length() const { return static_cast<std::uint32_t>(cells_.size()); }
    bool Empty() const { return cells_.empty(); }
    std::uint32_t CellAt(std::uint32_t column) const;

    void InsertCell(std::uint32_t column, std::uint32_t cell);
    // Inserts the first n cells of the sequence at column; returns n.
    std::uint32_t InsertCells(std::uint32_t n, std::uint32_t column, const std::uint32_t* cells);
    // Inserts every element of the word but its terminator; returns how many.
    std::uint32_t InsertSignWord(std::uint32_t column, const CFWordSign& word);
    // Inserts a copy of cells [from, to) of source before column, with the
    // readings that lie wholly inside them. source may be this line.
    void InsertFrom(std::uint32_t column, const CFLine& source, std::uint32_t from, std::uint32_t to);
    // Removes the cell at column; nothing happens on an empty line or at the end.
    void EraseCell(std::uint32_t column);
    // Removes cells [from, to); nothing when the line is empty or from >= to.
    void EraseCells(std::uint32_t from, std::uint32_t to);
    void Clear();

    std::span<const std::uint32_t> Cells() const { return cells_; }

    // The readings, in column order; empty for a line without any.
    std::vector<ReadingSpan> Readings() const;
    bool HasReadings() const { return readings_ != nullptr; }
    // The reading covering the cell at column, or nothing.
    std::optional<ReadingSpan> ReadingAt(std::uint32_t column) const;
    // The reading with cells on both sides of the gap before column (a
    // group reading text put in there would split), or nothing.
    std::optional<ReadingSpan> ReadingAcross(std::uint32_t column) const;
    // Gives cells [from, to) the reading, dropping the readings that overlap
    // them; kNoReading only drops them. Nothing happens when from >= to;
    // kErrPosition when to lies beyond the end.
    void SetReading(std::uint32_t from, std::uint32_t to, ReadingId reading);

    // Equal cells and equal readings.
    friend bool operator==(const CFLine& a, const CFLine& b);

private:
    // A cell's entry in the side array: the ReadingId of the reading it is
    // part of (kNoReading for none), with kContinues set on every cell of a
    // reading but its first.
    using Entries = std::vector<std::uint32_t>;
    static constexpr std::uint32_t kContinues = 0x80000000u;
    static constexpr std::uint32_t kIdMask = ~kContinues;

    // Keep the readings in step with n cells inserted at column (the cells
    // are in already), and with cells [from, to) erased (the cells are
    // gone already; the entries not yet).
    void ReadingsInserted(std::uint32_t column, std::uint32_t n);
    void ReadingsErased(std::uint32_t from, std::uint32_t to);
    // After n cells were inserted at column: drops the group reading they
    // split, if any, and returns whether there was one.
    bool DropSplitReading(std::uint32_t column, std::uint32_t n);
    // Drops the whole reading of which the cell at column is a part.
    // Returns whether there was one.
    bool DropReadingAt(std::uint32_t column);
    // Drops the side array once it holds no reading.
    void ReleaseIfEmpty();

    std::vector<std::uint32_t> cells_;
    std::unique_ptr<Entries> readings_;
};

} // namespace velmora
