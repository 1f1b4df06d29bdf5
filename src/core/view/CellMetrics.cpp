#include "core/view/CellMetrics.h"

#include <algorithm>
#include <cstring>

namespace velmora {

CellMetrics::CellMetrics() = default;
CellMetrics::~CellMetrics() = default;

void CellMetrics::SetWidth(std::uint32_t cell, int width)
{
    if (cell >= kCodeSpace)
        return;
    const std::uint32_t page = cell >> kPageBits;
    if (page >= pages_.size())
        pages_.resize(page + 1);
    if (!pages_[page]) {
        pages_[page] = std::make_unique<Page>();
        pages_[page]->fill(-1);
    }
    (*pages_[page])[cell & kPageMask] = width;
}

void CellMetrics::MakeMostRecent(std::size_t index)
{
    std::rotate(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(index),
                lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

const CellMetrics::LinePrefix* CellMetrics::FindPrefix(std::span<const std::uint32_t> cells, std::uint32_t n)
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LinePrefix& line = lines_[i];
        if (line.cells.size() < n || cells.size() < n)
            continue;
        if (n > 0 && std::memcmp(line.cells.data(), cells.data(), n * sizeof(std::uint32_t)) != 0)
            continue;
        MakeMostRecent(i);
        return &lines_.front();
    }
    return nullptr;
}

CellMetrics::LinePrefix& CellMetrics::PrefixToRefill(std::span<const std::uint32_t> cells,
                                                     std::uint32_t& valid)
{
    valid = 0;
    if (!lines_.empty()) {
        const LinePrefix& recent = lines_.front();
        const std::size_t common = static_cast<std::size_t>(
            std::mismatch(recent.cells.begin(), recent.cells.end(), cells.begin(), cells.end()).first
            - recent.cells.begin());
        if (common > 0) {
            valid = static_cast<std::uint32_t>(common);
            return lines_.front();
        }
    }
    if (lines_.size() < kKeptLines)
        lines_.emplace_back();
    MakeMostRecent(lines_.size() - 1);
    LinePrefix& line = lines_.front();
    line.cells.clear();
    line.sums.assign(1, 0);
    return line;
}

} // namespace velmora
