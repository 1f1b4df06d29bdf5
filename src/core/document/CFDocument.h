#pragma once

#include "core/document/CFLine.h"

#include <cstdint>
#include <vector>

namespace velmora {

class CFWordSign;

// The text an editor edits: an ordered list of lines of cells, and the
// readings of the signs that were made from a transliteration (kept by the
// lines, see CFLine). Always holds at least one line. Bad positions raise the uint32 codes of DocumentError.
// The document enforces neither the line length nor a line count; the
// operations that add text do.
class CFDocument {
public:
    CFDocument();
    CFDocument(const CFDocument&) = default;
    CFDocument(CFDocument&&) noexcept = default;
    // Assigning replaces the whole text, which is a change like any other:
    // the revision moves past those of both documents.
    CFDocument& operator=(const CFDocument& other);
    CFDocument& operator=(CFDocument&& other) noexcept;

    std::uint32_t LineCount() const { return static_cast<std::uint32_t>(lines_.size()); }
    std::uint32_t LineLength(std::uint32_t line) const;
    std::uint32_t CellAt(std::uint32_t line, std::uint32_t column) const;
    const CFLine& Line(std::uint32_t line) const;

    // Inserts an empty line before index; index == LineCount appends.
    void InsertLine(std::uint32_t index);
    // Removes a line; removing the only line leaves one empty line.
    void EraseLine(std::uint32_t index);
    // Inserts count empty lines before index, in one move of the lines below.
    void InsertLines(std::uint32_t index, std::uint32_t count);
    // Removes lines [from, to) in one move; leaves one empty line when all go.
    void EraseLines(std::uint32_t from, std::uint32_t to);
    // Back to exactly one empty line, spare capacity released.
    void Clear();

    void InsertCell(std::uint32_t line, std::uint32_t column, std::uint32_t cell);
    void EraseCell(std::uint32_t line, std::uint32_t column);
    void EraseCells(std::uint32_t line, std::uint32_t from, std::uint32_t to);
    // Appends cells [from, to) of line src to the end of line dst. Here and
    // in CopyCells the readings that lie wholly inside the cells go with
    // them.
    void AppendCells(std::uint32_t dst, std::uint32_t src, std::uint32_t from, std::uint32_t to);
    // Inserts a copy of cells [from, to) of srcLine of srcDoc before column
    // pos of dstLine of dstDoc. The documents may be the same one.
    static void CopyCells(CFDocument& dstDoc, std::uint32_t dstLine, std::uint32_t pos,
                          const CFDocument& srcDoc, std::uint32_t srcLine, std::uint32_t from,
                          std::uint32_t to);
    // The same from a line of no document (a word field's text).
    static void CopyCells(CFDocument& dstDoc, std::uint32_t dstLine, std::uint32_t pos, const CFLine& source,
                          std::uint32_t from, std::uint32_t to);
    std::uint32_t InsertCells(std::uint32_t n, std::uint32_t line, std::uint32_t column,
                              const std::uint32_t* cells);
    std::uint32_t InsertSignWord(std::uint32_t line, std::uint32_t column, const CFWordSign& word);

    // Gives cells [from, to) of a line the reading they were made from
    // (CFLine::SetReading); kNoReading drops the readings there.
    void SetReading(std::uint32_t line, std::uint32_t from, std::uint32_t to, ReadingId reading);
    // Whether any line knows a reading.
    bool HasReadings() const;

    // Grows with every change of the text (it may also grow when an
    // operation turns out to change nothing), so that the owner can tell
    // whether the text changed since it was saved.
    std::uint64_t Revision() const { return revision_; }

    // Maximum number of cells a line may hold, enforced by the operations
    // that add text.
    std::uint32_t maxLineLength = 1000;

    // Equal lines, readings included.
    friend bool operator==(const CFDocument& a, const CFDocument& b) { return a.lines_ == b.lines_; }

private:
    std::vector<CFLine> lines_;
    std::uint64_t revision_ = 0;
};

} // namespace velmora
