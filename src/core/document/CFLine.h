#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

class CFWordSign;

// One line of a document: a contiguous array of cells, each a code point.
// Also serves as the pending transliteration and the candidate buffer of an
// editor. A column beyond the end raises kErrPosition (1001).
class CFLine {
public:
    std::uint32_t Length() const { return static_cast<std::uint32_t>(cells_.size()); }
    bool Empty() const { return cells_.empty(); }
    std::uint32_t CellAt(std::uint32_t column) const;

    void InsertCell(std::uint32_t column, std::uint32_t cell);
    // Inserts the first n cells of the sequence at column; returns n.
    std::uint32_t InsertCells(std::uint32_t n, std::uint32_t column, const std::uint32_t* cells);
    // Inserts every element of the word but its terminator; returns how many.
    std::uint32_t InsertSignWord(std::uint32_t column, const CFWordSign& word);
    // Removes the cell at column; nothing happens on an empty line or at the end.
    void EraseCell(std::uint32_t column);
    // Removes cells [from, to); nothing when the line is empty or from >= to.
    void EraseCells(std::uint32_t from, std::uint32_t to);
    void Clear();

    std::span<const std::uint32_t> Cells() const { return cells_; }

    friend bool operator==(const CFLine&, const CFLine&) = default;

private:
    friend class CFDocument;
    std::vector<std::uint32_t> cells_;
};

} // namespace velmora
