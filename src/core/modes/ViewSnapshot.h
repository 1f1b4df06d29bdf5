#pragma once

#include "core/document/Position.h"
#include "core/view/ScrollOffsets.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

class CFModeData;

// What an editor shows, taken before an event, so that afterwards only the
// lines whose rows changed need painting again. While the view, the mode and
// the number of lines stay as they were, a key or a tick changes only the
// rows whose text changed, the rows of the cursor (caret, its colour, the
// pending transliteration or the candidate drawn there) and those of the
// selection.
class ViewSnapshot {
public:
    // Lines first to last of the document, both included.
    using LineRange = std::pair<std::uint32_t, std::uint32_t>;

    // rows: how many lines from the first one shown can show.
    ViewSnapshot(const CFModeData& data, int modeId, std::uint32_t rows);

    // The lines to paint again now: nothing when nothing changed, no value
    // when the whole view must be painted again.
    std::optional<std::vector<LineRange>> ChangedLines(const CFModeData& data, int modeId) const;

private:
    ScrollOffsets offsets_;
    int modeId_;
    std::uint64_t revision_;
    std::uint32_t lineCount_;
    Position cursor_;
    bool caretVisible_;
    bool alphabetMode_;
    std::vector<std::uint32_t> pending_;
    std::vector<std::uint32_t> candidates_;
    bool selectionActive_;
    Position selectionStart_;
    Position selectionEnd_;
    // The cells of the lines shown, one after the other, and where each
    // line's cells begin (with the end of the last one).
    std::vector<std::uint32_t> shownCells_;
    std::vector<std::size_t> shownStarts_;
};

} // namespace velmora
