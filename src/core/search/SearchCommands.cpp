#include "core/search/SearchCommands.h"

#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoCommand.h"
#include "core/document/CFUndoList.h"
#include "core/document/RangeEdit.h"
#include "core/search/DocumentSearch.h"
#include "core/search/SearchTarget.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/Window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

namespace {

// Shows a hit, or tells the user about a miss.
bool Conclude(SearchTarget& target, std::optional<Position> hit, std::uint32_t length, Window* owner,
              MessageDisplay& messages, const char* missText)
{
    if (!hit) {
        messages.showMessage(owner, Tr(missText), Tr(texts::kSearchFinishedCaption));
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
    return Conclude(target, hit, word.Length(), owner, messages, texts::kSearchedToEnd);
}

bool FindNext(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    std::optional<Position> hit;
    if (const auto start = NextStart(target.document, target.cursor.position()))
        hit = ScanForward(target.document, word.Cells(), *start);
    return Conclude(target, hit, word.Length(), owner, messages, texts::kSearchedToEnd);
}

bool FindPrevious(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    std::optional<Position> hit;
    if (const auto start = PreviousStart(target.document, target.cursor.position()))
        hit = ScanBackward(target.document, word.Cells(), *start);
    return Conclude(target, hit, word.Length(), owner, messages, texts::kSearchedToBeginning);
}

bool ReplaceNext(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                 MessageDisplay& messages)
{
    const auto hit = ScanForward(target.document, word.Cells(), target.cursor.position());
    if (!hit)
        return Conclude(target, hit, 0, owner, messages, texts::kSearchedToEnd);

    const std::uint32_t m = word.Length();
    const std::uint32_t r = replacement.Length();
    const std::uint64_t newLength = std::uint64_t(target.document.LineLength(hit->line)) - m + r;
    if (newLength > target.document.maxLineLength) {
        messages.showMessage(owner, Tr(texts::kReplacementTooLong), Tr(texts::kErrorCaption));
        return false;
    }

    // One undo step, like the user's own edits, so that Undo takes the
    // whole replacement back before any earlier edit.
    // A replacement typed as transliteration brings the readings of its signs.
    target.undo.ReplaceRange(*hit, Position{hit->line, hit->column + m}, TextOfLine(replacement));
    return Conclude(target, hit, r, owner, messages, texts::kSearchedToEnd);
}

std::uint32_t ReplaceAll(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                         MessageDisplay& messages)
{
    CFDocument& document = target.document;
    const auto find = word.Cells();
    const auto put = replacement.Cells();
    // The occurrences of each line, left to right, each scan going on after
    // the occurrence before; checked whole before anything changes.
    std::vector<std::vector<std::uint32_t>> found(document.LineCount());
    std::uint32_t count = 0;
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    if (!find.empty()) {
        for (std::uint32_t line = 0; line < document.LineCount(); ++line) {
            const std::uint32_t n = document.LineLength(line);
            for (std::uint32_t p = 0; p < n;) {
                if (!MatchesAt(document, find, line, p)) {
                    ++p;
                    continue;
                }
                found[line].push_back(p);
                p += static_cast<std::uint32_t>(find.size());
            }
            if (found[line].empty())
                continue;
            const std::int64_t length = std::int64_t(n)
                + std::int64_t(found[line].size()) * (std::int64_t(put.size()) - std::int64_t(find.size()));
            if (length > std::int64_t(document.maxLineLength)) {
                messages.showMessage(owner, Tr(texts::kReplacementTooLong), Tr(texts::kErrorCaption));
                return 0;
            }
            if (count == 0)
                first = line;
            last = line;
            count += static_cast<std::uint32_t>(found[line].size());
        }
    }

    if (count > 0) {
        // The lines from the first to the last that change, replaced as one
        // text in one undo step.
        CFDocument text;
        text.InsertLines(1, last - first);
        // The text between the occurrences keeps its readings, and the
        // replacement brings its own.
        for (std::uint32_t line = first; line <= last; ++line) {
            const CFLine& source = document.Line(line);
            const std::uint32_t row = line - first;
            const auto append = [&](const CFLine& from, std::uint32_t begin, std::uint32_t end) {
                CFDocument::CopyCells(text, row, text.LineLength(row), from, begin, end);
            };
            std::uint32_t from = 0;
            for (const std::uint32_t p : found[line]) {
                append(source, from, p);
                append(replacement, 0, replacement.Length());
                from = p + static_cast<std::uint32_t>(find.size());
            }
            append(source, from, source.Length());
        }
        target.undo.ReplaceRange({first, 0}, {last, document.LineLength(last)}, text);
        const Position cursor = target.cursor.position();
        target.cursor.setPosition({cursor.line, std::min(cursor.column, document.LineLength(cursor.line))});
        target.selection.Reset();
        const auto fonts = target.signFont.Fonts();
        target.scrollBar.ScrollToCursor(document, *fonts, target.cursor.line, target.cursor.column);
        if (target.window)
            target.window->invalidate();
    }
    messages.showMessage(owner, Fill(Tr(texts::kReplacedCount), std::to_string(count)),
                         Tr(texts::kConfirmCaption));
    if (owner)
        owner->setFocus();
    return count;
}

} // namespace velmora
