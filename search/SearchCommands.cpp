#include "search/SearchCommands.h"

#include "document/CCursor.h"
#include "document/CFDocument.h"
#include "document/CFSelectedText.h"
#include "document/CFUndoCommand.h"
#include "document/CFUndoList.h"
#include "platform/MessageDisplay.h"
#include "platform/Window.h"
#include "search/DocumentSearch.h"
#include "search/SearchTarget.h"
#include "view/CFScrollBar.h"
#include "view/CFSignFont.h"

#include <optional>

namespace velmora {

namespace {

// Shows a hit, or tells the user about a miss.
bool Conclude(SearchTarget& target, std::optional<Position> hit, std::uint32_t length, Window* owner,
              MessageDisplay& messages, const char* missText)
{
    if (!hit) {
        messages.showMessage(owner, missText, kSearchFinishedCaption);
        return false;
    }
    ShowMatch(target, hit->line, hit->column, length);
    if (target.window)
        target.window->invalidate();
    if (owner)
        owner->setFocus();
    return true;
}

} // namespace

void ShowMatch(SearchTarget& target, std::uint32_t line, std::uint32_t start, std::uint32_t length)
{
    target.selection.Reset();
    target.selection.Extend(line, start);
    target.selection.Extend(line, start + length);
    target.cursor.setPosition({line, start});
    const auto fonts = target.signFont.Fonts();
    target.scrollBar.ScrollToCursor(target.document, *fonts, line, start);
}

bool FindFromTop(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    const auto hit = ScanForward(target.document, word.Cells(), {0, 0});
    return Conclude(target, hit, word.Length(), owner, messages, kSearchedToEnd);
}

bool FindNext(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    std::optional<Position> hit;
    if (const auto start = NextStart(target.document, target.cursor.position()))
        hit = ScanForward(target.document, word.Cells(), *start);
    return Conclude(target, hit, word.Length(), owner, messages, kSearchedToEnd);
}

bool FindPrevious(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    std::optional<Position> hit;
    if (const auto start = PreviousStart(target.document, target.cursor.position()))
        hit = ScanBackward(target.document, word.Cells(), *start);
    return Conclude(target, hit, word.Length(), owner, messages, kSearchedToBeginning);
}

bool ReplaceNext(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                 MessageDisplay& messages)
{
    const auto hit = ScanForward(target.document, word.Cells(), target.cursor.position());
    if (!hit)
        return Conclude(target, hit, 0, owner, messages, kSearchedToEnd);

    const std::uint32_t m = word.Length();
    const std::uint32_t r = replacement.Length();
    const std::uint64_t newLength = std::uint64_t(target.document.LineLength(hit->line)) - m + r;
    if (newLength > target.document.maxLineLength) {
        messages.showMessage(owner, kReplacementTooLong, "エラー");
        return false;
    }

    // Recorded like the user's own edits, so that Undo takes the
    // replacement back before any earlier edit, at the right positions.
    const Position end{hit->line, hit->column + m};
    if (m > 0)
        target.undo.RecordUndo(kDeletion, *hit, end);
    target.document.EraseCells(hit->line, hit->column, end.column);
    target.document.InsertCells(r, hit->line, hit->column, replacement.Cells().data());
    if (r > 0)
        target.undo.RecordUndo(kInsertion, *hit, Position{hit->line, hit->column + r});
    return Conclude(target, hit, r, owner, messages, kSearchedToEnd);
}

} // namespace velmora
