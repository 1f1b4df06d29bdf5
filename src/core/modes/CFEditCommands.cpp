#include "core/modes/CFEditCommands.h"

#include "core/atf/AtfConverter.h"
#include "core/atf/KeptLatinReport.h"
#include "core/dictionary/SignNames.h"
#include "core/document/CCursor.h"
#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoList.h"
#include "core/document/LineClipboard.h"
#include "core/document/ReadingTable.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFScrollBar.h"
#include "platform/Clipboard.h"
#include "platform/MessageDisplay.h"
#include "platform/PlatformServices.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

namespace {

constexpr std::uint32_t kSpace = 0x20;

const CFEditCommands::Refusal kDeleteRefusal{nullptr, texts::kLineTooLongToDelete};
const CFEditCommands::Refusal kConvertRefusal{nullptr, texts::kLineTooLongToConvert};

// Cuneiform that was in the text already comes out of a conversion as it
// was, its signs in their order, among the signs converted (which have
// readings of their own). The readings it had, in source cells [from, to),
// are carried over to the converted cells from column at on: every sign
// without a new reading is matched to the next equal sign of the source,
// and a reading goes over when all its cells were matched, side by side.
void CarryReadings(const CFLine& source, std::uint32_t from, std::uint32_t to, CFLine& converted,
                   std::uint32_t at)
{
    if (!source.HasReadings())
        return;
    const auto in = source.Cells();
    const auto out = converted.Cells();
    // Where each source cell went, or none.
    std::vector<std::optional<std::uint32_t>> placed(to - from);
    std::uint32_t next = from;
    for (std::uint32_t q = at; q < out.size() && next < to; ++q) {
        if (!SignNames::IsSign(out[q]) || converted.ReadingAt(q))
            continue;
        while (next < to && in[next] != out[q])
            ++next;
        if (next < to)
            placed[next++ - from] = q;
    }
    for (const ReadingSpan& span : source.Readings()) {
        if (span.begin < from || span.end > to || !placed[span.begin - from])
            continue;
        const std::uint32_t q = *placed[span.begin - from];
        bool together = true;
        for (std::uint32_t k = span.begin; k < span.end && together; ++k)
            together = placed[k - from] == q + (k - span.begin);
        if (together)
            converted.SetReading(q, q + (span.end - span.begin), span.reading);
    }
}

// A text of one line break.
CFDocument LineBreak()
{
    CFDocument text;
    text.InsertLine(1);
    return text;
}

} // namespace

const CFEditCommands::Refusal CFEditCommands::kSilent{};
const CFEditCommands::Refusal CFEditCommands::kInputRefusal{texts::kTooManyLinesToInput,
                                                            texts::kLineTooLongToInput};
const CFEditCommands::Refusal CFEditCommands::kPasteRefusal{texts::kTooManyLinesToPaste,
                                                            texts::kLineTooLongToPaste};

CFDocument& CFEditCommands::document() const
{
    return data_.document;
}

Position CFEditCommands::cursor() const
{
    return data_.cursor->position();
}

bool CFEditCommands::HasSelection() const
{
    const CFSelectedText& s = *data_.selection;
    return s.active() && s.start() != s.end();
}

std::uint32_t CFEditCommands::LongestLine() const
{
    return LongestLine(document());
}

std::uint32_t CFEditCommands::LongestLine(const CFDocument& document)
{
    return std::max<std::uint32_t>(document.maxLineLength, 1) - 1;
}

std::uint32_t CFEditCommands::PageRows() const
{
    if (!data_.scrollBar || !data_.scrollBar->HasVertical())
        return 1;
    return static_cast<std::uint32_t>(data_.scrollBar->Vertical().PageStep());
}

void CFEditCommands::Refuse(const char* text) const
{
    if (text)
        data_.services.messages.showMessage(data_.window, Tr(text), Tr(texts::kErrorCaption));
}

// Moving.

void CFEditCommands::MoveTo(Position p, bool extend)
{
    CFSelectedText& selection = *data_.selection;
    if (extend) {
        if (!selection.active()) {
            const Position from = cursor();
            selection.Extend(from.line, from.column);
        }
        data_.cursor->setPosition(p);
        selection.Extend(p.line, p.column);
    } else {
        data_.cursor->setPosition(p);
        selection.Reset();
    }
}

void CFEditCommands::MoveLeft(bool extend)
{
    Position c = cursor();
    if (c.column > 0)
        --c.column;
    else if (c.line > 0)
        c = {c.line - 1, document().LineLength(c.line - 1)};
    MoveTo(c, extend);
}

void CFEditCommands::MoveRight(bool extend)
{
    Position c = cursor();
    if (c.column < document().LineLength(c.line))
        ++c.column;
    else if (c.line + 1 < document().LineCount())
        c = {c.line + 1, 0};
    MoveTo(c, extend);
}

void CFEditCommands::MoveUp(bool extend)
{
    Position c = cursor();
    if (c.line > 0) {
        --c.line;
        c.column = std::min(c.column, document().LineLength(c.line));
    }
    MoveTo(c, extend);
}

void CFEditCommands::MoveDown(bool extend)
{
    Position c = cursor();
    if (c.line + 1 < document().LineCount()) {
        ++c.line;
        c.column = std::min(c.column, document().LineLength(c.line));
    }
    MoveTo(c, extend);
}

void CFEditCommands::MoveWordLeft(bool extend)
{
    Position c = cursor();
    if (c.column == 0) {
        MoveLeft(extend);
        return;
    }
    const auto cells = document().Line(c.line).Cells();
    while (c.column > 0 && cells[c.column - 1] == kSpace)
        --c.column;
    while (c.column > 0 && cells[c.column - 1] != kSpace)
        --c.column;
    MoveTo(c, extend);
}

void CFEditCommands::MoveWordRight(bool extend)
{
    Position c = cursor();
    const auto cells = document().Line(c.line).Cells();
    if (c.column >= cells.size()) {
        MoveRight(extend);
        return;
    }
    while (c.column < cells.size() && cells[c.column] != kSpace)
        ++c.column;
    while (c.column < cells.size() && cells[c.column] == kSpace)
        ++c.column;
    MoveTo(c, extend);
}

void CFEditCommands::MoveLineStart(bool extend)
{
    MoveTo({cursor().line, 0}, extend);
}

void CFEditCommands::MoveLineEnd(bool extend)
{
    const std::uint32_t line = cursor().line;
    MoveTo({line, document().LineLength(line)}, extend);
}

void CFEditCommands::MoveDocumentStart(bool extend)
{
    MoveTo({0, 0}, extend);
}

void CFEditCommands::MoveDocumentEnd(bool extend)
{
    const std::uint32_t last = document().LineCount() - 1;
    MoveTo({last, document().LineLength(last)}, extend);
}

void CFEditCommands::MovePageUp(bool extend)
{
    const std::uint32_t rows = PageRows();
    Position c = cursor();
    c.line = c.line > rows ? c.line - rows : 0;
    c.column = std::min(c.column, document().LineLength(c.line));
    if (data_.scrollBar && data_.scrollBar->HasVertical()) {
        CFScrollPart& view = data_.scrollBar->Vertical();
        view.SetPosition(std::max(view.Info().nMin, view.Position() - static_cast<int>(rows)));
    }
    MoveTo(c, extend);
}

void CFEditCommands::MovePageDown(bool extend)
{
    const std::uint32_t rows = PageRows();
    const std::uint32_t last = document().LineCount() - 1;
    Position c = cursor();
    c.line = last - c.line > rows ? c.line + rows : last;
    c.column = std::min(c.column, document().LineLength(c.line));
    if (data_.scrollBar && data_.scrollBar->HasVertical()) {
        CFScrollPart& view = data_.scrollBar->Vertical();
        const int pos = view.Position();
        view.SetPosition(std::max(pos, std::min(pos + static_cast<int>(rows), view.MaxPosition())));
    }
    MoveTo(c, extend);
}

void CFEditCommands::SelectAll()
{
    data_.selection->Reset();
    data_.cursor->setPosition({0, 0});
    MoveDocumentEnd(true);
}

void CFEditCommands::AnchorSelection()
{
    const Position c = cursor();
    data_.selection->Extend(c.line, c.column);
}

void CFEditCommands::Click(Position p, bool extend)
{
    if (!extend)
        data_.selection->Reset();
    else if (!data_.selection->active())
        AnchorSelection();
    data_.cursor->setPosition(p);
    data_.selection->Extend(p.line, p.column);
}

void CFEditCommands::SelectWord(Position p)
{
    const auto cells = document().Line(p.line).Cells();
    if (cells.empty()) {
        Click(p, false);
        return;
    }
    // Right of the line's end the last cell is the one pointed at.
    const std::uint32_t at = std::min<std::uint32_t>(p.column, static_cast<std::uint32_t>(cells.size()) - 1);
    const bool space = cells[at] == kSpace;
    std::uint32_t start = at;
    std::uint32_t end = at + 1;
    while (start > 0 && (cells[start - 1] == kSpace) == space)
        --start;
    while (end < cells.size() && (cells[end] == kSpace) == space)
        ++end;
    Click({p.line, start}, false);
    MoveTo({p.line, end}, true);
}

void CFEditCommands::SelectLine(std::uint32_t line)
{
    Click({line, 0}, false);
    MoveTo({line, document().LineLength(line)}, true);
}

// Editing.

bool CFEditCommands::CheckReplace(Position start, Position end, const CFDocument& text,
                                  const Refusal& refusal)
{
    switch (CheckReplacement(document(), start, end, text, data_.lineLimit, LongestLine())) {
    case EditFit::Fits:
        return true;
    case EditFit::TooManyLines:
        Refuse(refusal.tooManyLines);
        return false;
    case EditFit::LineTooLong:
        Refuse(refusal.lineTooLong);
        return false;
    }
    return false;
}

bool CFEditCommands::Apply(Position start, Position end, const CFDocument& text, const Refusal& refusal)
{
    if (!CheckReplace(start, end, text, refusal))
        return false;
    data_.cursor->setPosition(data_.undoList->ReplaceRange(start, end, text));
    return true;
}

bool CFEditCommands::Replace(Position start, Position end, const CFDocument& text, const Refusal& refusal)
{
    if (!Apply(start, end, text, refusal))
        return false;
    // The selected text may have moved or gone.
    data_.selection->Reset();
    return true;
}

CFEditCommands::Range CFEditCommands::Target() const
{
    if (HasSelection())
        return {data_.selection->start(), data_.selection->end()};
    return {cursor(), cursor()};
}

bool CFEditCommands::TypeCell(std::uint32_t cell)
{
    const Range at = Target();
    if (Replace(at.start, at.end, TextOfCells({&cell, 1}), kSilent))
        return true;
    data_.notice = Tr(texts::kLineTooLongToInput);
    return false;
}

bool CFEditCommands::DeleteBackward()
{
    if (HasSelection())
        return DeleteSelection();
    // An empty selection (after a click or a lone Shift) is not deleted:
    // the key deletes a cell.
    data_.selection->Reset();
    const Position c = cursor();
    if (c.column > 0)
        return Apply({c.line, c.column - 1}, c, CFDocument{}, kSilent);
    if (c.line > 0)
        return Apply({c.line - 1, document().LineLength(c.line - 1)}, c, CFDocument{}, kSilent);
    return false;
}

bool CFEditCommands::DeleteForward()
{
    if (HasSelection())
        return DeleteSelection();
    data_.selection->Reset();
    const Position c = cursor();
    if (c.column < document().LineLength(c.line))
        return Apply(c, {c.line, c.column + 1}, CFDocument{}, kSilent);
    if (c.line + 1 < document().LineCount())
        return Apply(c, {c.line + 1, 0}, CFDocument{}, kSilent);
    return false;
}

bool CFEditCommands::SplitLine()
{
    data_.selection->Reset();
    const Position c = cursor();
    // In a one-line word field Enter is the field's own key (its window
    // acts on it), so only a document says why it cannot grow.
    if (data_.lineLimit > 1 && document().LineCount() >= static_cast<std::uint32_t>(data_.lineLimit)) {
        data_.services.messages.showMessage(
            data_.window, Fill(Tr(texts::kLineLimitReached), std::to_string(data_.lineLimit)),
            Tr(texts::kErrorCaption));
        return false;
    }
    return Apply(c, c, LineBreak(), kSilent);
}

bool CFEditCommands::InsertAtCursor(std::span<const std::uint32_t> cells, ReadingId reading)
{
    const Range at = Target();
    return Replace(at.start, at.end, TextOfCells(cells, reading), kInputRefusal);
}

bool CFEditCommands::CheckInsertAtCursor(std::span<const std::uint32_t> cells)
{
    const Range at = Target();
    return CheckReplace(at.start, at.end, TextOfCells(cells), kInputRefusal);
}

bool CFEditCommands::InsertOverSelection(std::span<const std::uint32_t> cells)
{
    if (!HasSelection())
        return InsertAtCursor(cells);
    return Replace(data_.selection->start(), data_.selection->end(), TextOfCells(cells), kInputRefusal);
}

bool CFEditCommands::CanConvertTransliteration() const
{
    // The letters of a transliteration: ASCII, and the accented and dotted
    // Latin letters (š, ḫ, ṣ, ṭ, ā, â).
    const auto latin = [](std::uint32_t c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || (c >= 0x00C0 && c <= 0x024F && c != 0x00D7 && c != 0x00F7) || (c >= 0x1E00 && c <= 0x1EFF);
    };
    Position start{cursor().line, 0};
    Position end{start.line, document().LineLength(start.line)};
    if (HasSelection()) {
        start = data_.selection->start();
        end = data_.selection->end();
    }
    for (std::uint32_t line = start.line; line <= end.line; ++line) {
        const auto cells = document().Line(line).Cells();
        const auto from = line == start.line ? start.column : 0;
        const auto to = line == end.line ? end.column : static_cast<std::uint32_t>(cells.size());
        if (std::any_of(cells.begin() + from, cells.begin() + to, latin))
            return true;
    }
    return false;
}

bool CFEditCommands::ConvertTransliteration()
{
    Position start{cursor().line, 0};
    Position end{start.line, document().LineLength(start.line)};
    if (HasSelection()) {
        start = data_.selection->start();
        end = data_.selection->end();
    }
    const AtfConverter converter;
    CFDocument text;
    std::vector<AtfConverter::Unconverted> keptLatin;
    bool changed = false;
    for (std::uint32_t line = start.line; line <= end.line; ++line) {
        const CFLine& source = document().Line(line);
        const auto cells = source.Cells();
        const auto from = line == start.line ? start.column : 0;
        const auto to = line == end.line ? end.column : source.Length();
        // The spaces around the words stay where they are: they separate
        // the converted text from what is left and right of it.
        auto first = from;
        auto last = to;
        while (first < last && cells[first] == kSpace)
            ++first;
        while (last > first && cells[last - 1] == kSpace)
            --last;
        const AtfConverter::Cells words =
            converter.ConvertTransliteration(cells.subspan(first, last - first));
        CFLine converted;
        converted.InsertFrom(0, source, from, first);
        const std::uint32_t at = converted.Length();
        converted.InsertCells(static_cast<std::uint32_t>(words.cells.size()), at, words.cells.data());
        for (const AtfConverter::Reading& reading : words.readings)
            converted.SetReading(at + static_cast<std::uint32_t>(reading.begin),
                                 at + static_cast<std::uint32_t>(reading.end),
                                 ReadingTable::Intern(reading.text));
        CarryReadings(source, first, last, converted, at);
        converted.InsertFrom(converted.Length(), source, last, to);
        for (AtfConverter::Unconverted reading : words.unconverted) {
            reading.line = line + 1;
            keptLatin.push_back(std::move(reading));
        }
        const auto result = converted.Cells();
        changed =
            changed || !std::equal(result.begin(), result.end(), cells.begin() + from, cells.begin() + to);
        if (line > start.line)
            text.InsertLine(text.LineCount());
        CFDocument::CopyCells(text, text.LineCount() - 1, 0, converted, 0, converted.Length());
    }
    if (changed && !Replace(start, end, text, kConvertRefusal))
        return false;
    if (!keptLatin.empty()) {
        data_.services.messages.showMessage(data_.window, KeptLatinReport(keptLatin, keptLatin.size()),
                                            Tr(texts::kInformationCaption));
    }
    return changed;
}

// The clipboard and the selection.

bool CFEditCommands::Copy()
{
    if (!HasSelection())
        return false;
    return data_.selection->CopyToClipboard(data_.services.clipboard);
}

bool CFEditCommands::Cut()
{
    if (!HasSelection())
        return false;
    const Position start = data_.selection->start();
    const Position end = data_.selection->end();
    // Checked first: what goes onto the clipboard is what leaves the
    // document, or nothing at all.
    if (!CheckReplace(start, end, CFDocument{}, kDeleteRefusal))
        return false;
    Copy();
    return Replace(start, end, CFDocument{}, kDeleteRefusal);
}

bool CFEditCommands::Paste()
{
    Clipboard& clipboard = data_.services.clipboard;
    if (!clipboard.hasUnicodeText()) {
        data_.services.messages.showMessage(data_.window, Tr(texts::kNotUnicodeText),
                                            Tr(texts::kFailureCaption));
        return false;
    }
    const auto units = clipboard.unicodeText();
    if (!units)
        return false;
    CFDocument text = DecodeClipboardText(*units);
    if (IsEmptyText(text))
        return false;
    // Signs copied in the editor come back with their readings.
    if (const auto readings = clipboard.privateData())
        DecodeClipboardReadings(*readings, text);
    const Range at = Target();
    return Replace(at.start, at.end, text, kPasteRefusal);
}

bool CFEditCommands::DeleteSelection()
{
    if (!HasSelection())
        return false;
    return Replace(data_.selection->start(), data_.selection->end(), CFDocument{}, kDeleteRefusal);
}

bool CFEditCommands::Undo()
{
    if (data_.undoList->count() == 0)
        return false;
    // The selected range may no longer exist.
    data_.selection->Reset();
    data_.undoList->Undo();
    return true;
}

bool CFEditCommands::Redo()
{
    if (data_.undoList->redoCount() == 0)
        return false;
    data_.selection->Reset();
    data_.undoList->Redo();
    return true;
}

// The setting.

bool CFEditCommands::ToggleAlphabetMode()
{
    return SetAlphabetMode(!data_.alphabetMode);
}

bool CFEditCommands::SetAlphabetMode(bool alphabet)
{
    // The selection goes whether or not the setting may change, as it always
    // has with Ctrl+Space.
    data_.selection->Reset();
    if (data_.alphabetLock || data_.alphabetMode == alphabet)
        return false;
    data_.alphabetMode = alphabet;
    return true;
}

} // namespace velmora
