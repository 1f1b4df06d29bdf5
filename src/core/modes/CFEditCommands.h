#pragma once

#include "core/document/CFDocument.h"
#include "core/document/Position.h"
#include "core/document/RangeEdit.h"
#include "core/document/ReadingSpan.h"

#include <cstdint>
#include <span>

namespace velmora {

class CFModeData;

// The editing commands of one editor, over its editing state: what its keys
// do and what the main window's Edit and Setting menus do, on one path.
//
// Every edit is checked before anything changes, against the editor's line
// limit and the longest line an edit may leave (a line holds at most
// maxLineLength - 1 cells through editing; a longer line read from a file
// may shrink but not grow), and is recorded as one undo step. A refused
// command changes nothing; a typed cell is refused with a word in the
// status bar, a line break or the deletion of one silently, everything else
// with a message. Typed, pasted and accepted text replaces the selection,
// in the same undo step.
//
// Cursor movements take extend (Shift held): the selection then reaches
// from where it began (from the cursor's old place when none was active) to
// the new place; without it the selection is reset.
//
// A light view of the editing state, made where it is needed:
// CFEditCommands(data).Paste().
class CFEditCommands {
public:
    // Messages for a refused edit: more lines than the editor may hold, or
    // a line too long. Null texts refuse silently.
    struct Refusal {
        const char* tooManyLines = nullptr;
        const char* lineTooLong = nullptr;
    };
    static const Refusal kSilent;
    static const Refusal kInputRefusal;
    static const Refusal kPasteRefusal;

    explicit CFEditCommands(CFModeData& data) : data_(data) {}

    // Cell by cell, over line ends.
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    // A line up or down, keeping the column where the line allows.
    void MoveUp(bool extend);
    void MoveDown(bool extend);
    // To the start of this or the previous space-separated word, and to the
    // start of the next one; over line ends as Left and Right.
    void MoveWordLeft(bool extend);
    void MoveWordRight(bool extend);
    void MoveLineStart(bool extend);
    void MoveLineEnd(bool extend);
    void MoveDocumentStart(bool extend);
    void MoveDocumentEnd(bool extend);
    // By the lines the view shows whole; the view scrolls as far, so that
    // the cursor keeps its place on the screen where the document allows.
    void MovePageUp(bool extend);
    void MovePageDown(bool extend);
    // The whole document, the cursor at its end.
    void SelectAll();
    // Anchors a selection at the cursor (the Shift key pressed by itself);
    // an active selection is extended to the cursor.
    void AnchorSelection();
    // A click at p: the cursor goes there and a new, empty selection is
    // anchored there; with extend (Shift held) the selection reaches from its
    // anchor, or from the cursor when none is active, to p instead.
    void Click(Position p, bool extend);
    // The word at p (the run of cells between spaces that holds the cell at
    // p, or the cell before p at a line's end), or the run of spaces there;
    // the cursor at its end.
    void SelectWord(Position p);
    // The cells of a line, the cursor at its end.
    void SelectLine(std::uint32_t line);

    // The edits of single keys; true when the document changed.
    // A typed cell in place of the selection, or at the cursor; refused,
    // and told in the status bar, when the line has no room for it.
    bool TypeCell(std::uint32_t cell);
    // The selection when it holds something, else the cell before the
    // cursor, or the line break before the line at its start.
    bool DeleteBackward();
    // The selection when it holds something, else the cell after the
    // cursor, or the line break after the line at its end.
    bool DeleteForward();
    // A line break at the cursor, unless the document holds as many lines as
    // the editor allows; a document then says why (a one-line word field,
    // whose Enter its window uses, stays silent).
    bool SplitLine();

    // Replaces [start, end) by a text (its lines joined by line breaks) as
    // one undo step, puts the cursor behind the inserted text and resets the
    // selection. Refused with the message of refusal when the document would
    // hold more lines than allowed or a line would grow too long. False when
    // refused.
    bool Replace(Position start, Position end, const CFDocument& text, const Refusal& refusal);
    // Whether that replacement would be taken; tells the user when not.
    bool CheckReplace(Position start, Position end, const CFDocument& text, const Refusal& refusal);
    // Cells put in place of the selection, or at the cursor: an accepted
    // candidate, with the reading it was typed as, or a committed
    // transliteration (no reading). Refused with
    // "行の最大文字数を超えるため入力できません。".
    bool InsertAtCursor(std::span<const std::uint32_t> cells, ReadingId reading = kNoReading);
    bool CheckInsertAtCursor(std::span<const std::uint32_t> cells);
    // Cells chosen from a list (the Sign List): in place of the selection
    // when it holds something, else at the cursor, as one undo step; the
    // cursor behind them. Refused as InsertAtCursor.
    bool InsertOverSelection(std::span<const std::uint32_t> cells);

    // Converts the transliteration in the selection, or in the cursor's
    // line without one, to cuneiform in place, as one undo step (ATF
    // conventions: readings separated by - . + :, words by spaces,
    // determinatives in braces, ASCII or Unicode letters and index digits).
    // Every converted sign keeps the reading it was made from. Cuneiform
    // already there stays, with its readings; a reading without a sign
    // stays in Latin, and how many did is told to the user. Refused with a message,
    // nothing changed, when a line would grow too long. False when the
    // document did not change.
    bool ConvertTransliteration();
    // Whether ConvertTransliteration has anything to work on: a Latin
    // letter in the selection, or in the cursor's line without one.
    bool CanConvertTransliteration() const;

    // The whole selection onto the clipboard; false when nothing is
    // selected.
    bool Copy();
    // Copy, then delete the selection; nothing happens when nothing is
    // selected or the deletion would be refused.
    bool Cut();
    // The clipboard's text in place of the selection, or at the cursor, the
    // cursor behind it. Refused
    // whole, with a message, when the document would hold more lines than
    // the editor allows or a line would grow too long.
    bool Paste();
    // Deletes the selection, leaving the cursor at its start. Nothing
    // happens when nothing is selected; refused with a message when joining
    // its first and last line would make the line too long.
    bool DeleteSelection();

    // Takes back the newest step, or makes the newest undone step again;
    // the selection is reset. False when there was none.
    bool Undo();
    bool Redo();

    // Switches between "Alphabet" and "Sign", or sets one of them, unless
    // the setting is locked. True when the setting changed.
    bool ToggleAlphabetMode();
    bool SetAlphabetMode(bool alphabet);

    // The longest line an edit may leave, of this editor's document or of
    // any (the one limit of typing, pasting and replacing).
    std::uint32_t LongestLine() const;
    static std::uint32_t LongestLine(const CFDocument& document);
    // Lines the view shows whole (at least 1): the step of PgUp and PgDn.
    std::uint32_t PageRows() const;

private:
    struct Range {
        Position start;
        Position end;
    };
    // What typed, pasted or accepted text replaces: the selection when it
    // holds something, else the empty range at the cursor.
    Range Target() const;
    CFDocument& document() const;
    Position cursor() const;
    // The cursor to p; the selection extended to it or reset.
    void MoveTo(Position p, bool extend);
    bool HasSelection() const;
    // The same replacement as Replace, without the selection reset.
    bool Apply(Position start, Position end, const CFDocument& text, const Refusal& refusal);
    void Refuse(const char* text) const;

    CFModeData& data_;
};

} // namespace velmora
