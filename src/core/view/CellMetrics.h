#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velmora {

// What the layout has measured in one pair of editor fonts, so that nothing
// is measured twice: the width of the cell of each code point, the row
// height, the cell heights of the two fonts, and the prefix widths of the
// lines measured last. A font measures a code point the same way every time,
// so the values hold as long as the fonts live; a new pair of fonts comes with
// a new, empty CellMetrics.
class CellMetrics {
public:
    CellMetrics();
    ~CellMetrics();
    CellMetrics(const CellMetrics&) = delete;
    CellMetrics& operator=(const CellMetrics&) = delete;

    // The width of a cell measured before, or -1.
    int Width(std::uint32_t cell) const
    {
        const std::uint32_t page = cell >> kPageBits;
        if (page >= pages_.size() || !pages_[page])
            return -1;
        return (*pages_[page])[cell & kPageMask];
    }
    // Remembers a measured width; widths of values beyond the Unicode range
    // are not kept (they are measured afresh).
    void SetWidth(std::uint32_t cell, int width);

    // The cell height of the sign font (sign = true) or of the text font.
    std::optional<int> FontHeight(bool sign) const { return fontHeight_[sign ? 1 : 0]; }
    void SetFontHeight(bool sign, int height) { fontHeight_[sign ? 1 : 0] = height; }
    std::optional<int> lineHeight;

    // The prefix widths of a line kept for reuse: sums[i] is the width of
    // cells [0, i) of the line as it was measured, for i up to cells.size().
    struct LinePrefix {
        std::vector<std::uint32_t> cells;
        std::vector<int> sums{0};
    };
    // The kept line whose first n cells are those given, or null. A line
    // that is found becomes the most recently used.
    const LinePrefix* FindPrefix(std::span<const std::uint32_t> cells, std::uint32_t n);
    // Room to measure a line into, and how many of its leading cells (and
    // their sums) are already right: the most recently used line when it
    // begins like the given one (the same line after an edit further on),
    // otherwise the least recently used one, emptied. The caller completes
    // cells and sums for the whole line.
    LinePrefix& PrefixToRefill(std::span<const std::uint32_t> cells, std::uint32_t& valid);

private:
    static constexpr std::uint32_t kPageBits = 8;
    static constexpr std::uint32_t kPageMask = (1u << kPageBits) - 1;
    static constexpr std::uint32_t kCodeSpace = 0x110000;
    // Lines kept: the cursor line, the line clicked, the two ends of the
    // selection.
    static constexpr std::size_t kKeptLines = 4;
    using Page = std::array<int, std::size_t(1) << kPageBits>;

    void MakeMostRecent(std::size_t index);

    std::vector<std::unique_ptr<Page>> pages_;
    std::array<std::optional<int>, 2> fontHeight_;
    // Most recently used first.
    std::vector<LinePrefix> lines_;
};

} // namespace velmora
