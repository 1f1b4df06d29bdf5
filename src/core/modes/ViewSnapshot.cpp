#include "core/modes/ViewSnapshot.h"

#include "core/document/CCursor.h"
#include "core/document/CFSelectedText.h"
#include "core/modes/CFModeData.h"

#include <algorithm>

namespace velmora {

namespace {

std::vector<std::uint32_t> CellsOf(const CFLine& line)
{
    const auto cells = line.Cells();
    return {cells.begin(), cells.end()};
}

bool SameCells(const std::vector<std::uint32_t>& kept, const CFLine& line)
{
    const auto cells = line.Cells();
    return std::equal(kept.begin(), kept.end(), cells.begin(), cells.end());
}

} // namespace

ViewSnapshot::ViewSnapshot(const CFModeData& data, int modeId, std::uint32_t rows)
    : offsets_(data.Offsets())
    , modeId_(modeId)
    , revision_(data.document.Revision())
    , lineCount_(data.document.LineCount())
    , cursor_(data.cursor->position())
    , caretVisible_(data.cursor->caretVisible)
    , alphabetMode_(data.alphabetMode)
    , pending_(CellsOf(data.pending))
    , candidates_(CellsOf(data.candidates))
    , selectionActive_(data.selection->active())
    , selectionStart_(data.selection->start())
    , selectionEnd_(data.selection->end())
{
    const std::uint32_t top = offsets_.top();
    for (std::uint32_t line = top; line < lineCount_ && line - top < rows; ++line) {
        shownStarts_.push_back(shownCells_.size());
        const auto cells = data.document.Line(line).Cells();
        shownCells_.insert(shownCells_.end(), cells.begin(), cells.end());
    }
    shownStarts_.push_back(shownCells_.size());
}

std::optional<std::vector<ViewSnapshot::LineRange>> ViewSnapshot::ChangedLines(const CFModeData& data,
                                                                               int modeId) const
{
    const ScrollOffsets offsets = data.Offsets();
    if (offsets.top() != offsets_.top() || offsets.left() != offsets_.left() || modeId != modeId_
        || data.document.LineCount() != lineCount_)
        return std::nullopt;

    std::vector<LineRange> lines;
    if (data.document.Revision() != revision_) {
        for (std::size_t row = 0; row + 1 < shownStarts_.size(); ++row) {
            const auto line = static_cast<std::uint32_t>(offsets_.top() + row);
            const auto cells = data.document.Line(line).Cells();
            const auto begin = shownCells_.begin() + static_cast<std::ptrdiff_t>(shownStarts_[row]);
            const auto end = shownCells_.begin() + static_cast<std::ptrdiff_t>(shownStarts_[row + 1]);
            if (!std::equal(begin, end, cells.begin(), cells.end()))
                lines.emplace_back(line, line);
        }
    }
    const Position cursor = data.cursor->position();
    if (cursor != cursor_ || data.cursor->caretVisible != caretVisible_ || data.alphabetMode != alphabetMode_
        || !SameCells(pending_, data.pending) || !SameCells(candidates_, data.candidates)) {
        lines.emplace_back(cursor_.line, cursor_.line);
        lines.emplace_back(cursor.line, cursor.line);
    }
    const CFSelectedText& selection = *data.selection;
    if (selection.active() != selectionActive_ || selection.start() != selectionStart_
        || selection.end() != selectionEnd_) {
        if (selectionActive_)
            lines.emplace_back(selectionStart_.line, selectionEnd_.line);
        if (selection.active())
            lines.emplace_back(selection.start().line, selection.end().line);
    }
    return lines;
}

} // namespace velmora
