#include "core/search/SearchCommands.h"

#include "base/Utf8Codec.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoCommand.h"
#include "core/document/CFUndoList.h"
#include "core/document/RangeEdit.h"
#include "core/modes/CFEditCommands.h"
#include "core/search/DocumentSearch.h"
#include "core/search/SearchTarget.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "platform/MessageDisplay.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/Window.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

namespace {

// Whether replacing [start, end) by text keeps within the line length the
// editing commands allow.
bool Fits(const CFDocument& document, Position start, Position end, const CFDocument& text)
{
    return CheckReplacement(document, start, end, text, std::numeric_limits<std::int64_t>::max(),
                            CFEditCommands::LongestLine(document))
        == EditFit::Fits;
}

// The most cells of the word a message shows.
constexpr std::size_t kShownWordCells = 30;

// Where a scan found the word, and whether it went round the document's end.
struct Hit {
    std::optional<Position> at;
    bool wrapped = false;
};

// The word as the user typed it, for a message; a long one is cut short.
std::string WordText(const CFLine& word)
{
    const auto cells = word.Cells();
    std::string text = Utf8Of(cells.first(std::min(cells.size(), kShownWordCells)));
    if (cells.size() > kShownWordCells)
        text += "…";
    return text;
}

// Forward from `from` to the end of the document, then from its top over
// the lines not scanned yet. No `from`: the cursor stands at the very end.
Hit ForwardAround(const CFDocument& document, std::span<const std::uint32_t> word,
                  std::optional<Position> from)
{
    if (from) {
        if (const auto at = ScanForward(document, word, *from))
            return {at, false};
    }
    // A match on from's line at or after from would have been found.
    return {ScanForward(document, word, {0, 0}, from ? from->line : UINT32_MAX), true};
}

// Backward from `from` to the beginning, then from the document's end.
Hit BackwardAround(const CFDocument& document, std::span<const std::uint32_t> word,
                   std::optional<Position> from)
{
    if (from) {
        if (const auto at = ScanBackward(document, word, *from))
            return {at, false};
    }
    const std::uint32_t last = document.LineCount() - 1;
    return {ScanBackward(document, word, {last, document.LineLength(last)}, from ? from->line : 0), true};
}

// Shows a hit, or tells the user that the word occurs nowhere.
SearchResult Conclude(SearchTarget& target, const Hit& hit, const CFLine& word, std::uint32_t length,
                      Window* owner, MessageDisplay& messages)
{
    if (!hit.at) {
        messages.showMessage(owner, Fill(Tr(texts::kWordNotFound), WordText(word)),
                             Tr(texts::kSearchFinishedCaption));
        return {};
    }
    ShowMatch(target, hit.at->line, hit.at->column, length);
    if (target.window)
        target.window->invalidate();
    if (owner)
        owner->setFocus();
    return {true, hit.wrapped};
}

} // namespace

void ShowMatch(SearchTarget& target, std::uint32_t line, std::uint32_t start, std::uint32_t length)
{
    target.selection.Reset();
    target.selection.Extend(line, start);
    target.selection.Extend(line, start + length);
    target.cursor.setPosition({line, start});
    const auto fonts = target.signFont.Fonts();
    target.scrollBar.RevealRange(target.document, *fonts, line, start, start + length);
}

SearchResult FindFromTop(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    const Hit hit{ScanForward(target.document, word.Cells(), {0, 0})};
    return Conclude(target, hit, word, word.Length(), owner, messages);
}

SearchResult FindNext(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    const Hit hit =
        ForwardAround(target.document, word.Cells(), NextStart(target.document, target.cursor.position()));
    return Conclude(target, hit, word, word.Length(), owner, messages);
}

SearchResult FindPrevious(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages)
{
    const Hit hit = BackwardAround(target.document, word.Cells(),
                                   PreviousStart(target.document, target.cursor.position()));
    return Conclude(target, hit, word, word.Length(), owner, messages);
}

SearchResult ReplaceNext(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                         MessageDisplay& messages)
{
    const Hit hit = ForwardAround(target.document, word.Cells(), target.cursor.position());
    if (!hit.at)
        return Conclude(target, hit, word, 0, owner, messages);

    const Position at = *hit.at;
    const std::uint32_t m = word.Length();
    const std::uint32_t r = replacement.Length();
    // A replacement typed as transliteration brings the readings of its signs.
    const CFDocument text = TextOfLine(replacement);
    // The line-length guard of typing and pasting.
    if (!Fits(target.document, at, Position{at.line, at.column + m}, text)) {
        messages.showMessage(owner, Tr(texts::kReplacementTooLong), Tr(texts::kErrorCaption));
        return {};
    }

    // One undo step, like the user's own edits, so that Undo takes the
    // whole replacement back before any earlier edit.
    target.undo.ReplaceRange(at, Position{at.line, at.column + m}, text);
    return Conclude(target, hit, word, r, owner, messages);
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
            // The line-length guard of typing: a line may not grow beyond
            // the longest an edit leaves (one already longer may shrink).
            if (length > std::int64_t(CFEditCommands::LongestLine(document)) && length > std::int64_t(n)) {
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
                         Tr(texts::kInformationCaption));
    if (owner)
        owner->setFocus();
    return count;
}

} // namespace velmora
