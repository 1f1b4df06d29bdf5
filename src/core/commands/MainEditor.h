#pragma once

#include "core/commands/MainMenu.h"
#include "core/commands/SignInformation.h"
#include "core/document/Position.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

class CFDocument;
class EditListener;

// The main window's editor as the menu commands and the status bar use it.
// The editor widget implements it.
class MainEditor {
public:
    virtual ~MainEditor() = default;

    // The edited document, which the file commands load into and save.
    virtual CFDocument& Document() = 0;

    // "New File": the document goes back to one empty line; the selection,
    // pending input and undo history go with the old text; the cursor goes
    // to (0, 0) and the view scrolls there.
    virtual void NewDocument() = 0;
    // The document's text was replaced as a whole (a file was loaded into
    // it): forget everything that refers to the old text (selection,
    // pending transliteration or candidates, undo history) and put the
    // cursor at (0, 0). ResetView follows.
    virtual void DocumentReplaced() = 0;
    // Cursor to (0, 0) and the view scrolled there, for instance after the
    // sign font changed.
    virtual void ResetView() = 0;
    // The fonts changed size (zoom): the view is laid out again and scrolled
    // so that the cursor stays in sight, where it was.
    virtual void FontsChanged() = 0;

    // The editing commands of the Edit menu: the same commands as the
    // editor's keys. Cut, copy and delete work on the selection, paste at
    // the cursor.
    virtual void CutLine() = 0;
    virtual void CopyLine() = 0;
    virtual void PasteLine() = 0;
    virtual void DeleteLine() = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void SelectAll() = 0;
    // "Convert Transliteration": the selection, or the cursor's line, from
    // transliteration to cuneiform in place, as one undoable step.
    virtual void ConvertTransliteration() = 0;
    // A sign chosen in the Sign List: in place of the selection when there
    // is one, else at the cursor, as one undoable step. False when the line
    // would grow too long (the user is told).
    virtual bool InsertSign(std::uint32_t sign) = 0;
    // Whether nothing is in the editor yet: the document is one empty line
    // and no transliteration or candidate is pending (the first-start hint
    // shows while it is).
    virtual bool IsBlank() const = 0;
    // Whether Undo and Redo have a step to take back or make again.
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    // Whether an Edit command can act now, for the Edit menu to grey out
    // the others while it is open: here Undo and Redo when they have a step,
    // the rest always; an editor that knows its selection, clipboard and
    // pending input says more.
    virtual bool CanRun(CommandId id) const
    {
        if (id == CommandId::Undo)
            return CanUndo();
        if (id == CommandId::Redo)
            return CanRedo();
        return true;
    }
    // Switches between "Alphabet" and "Sign" ("Sign Input" of the Setting
    // menu, a click on the status bar's setting), as Ctrl+Space does.
    virtual void ToggleSignInput() = 0;
    // A transliteration or a choice of candidates is pending: commands that
    // would change the document or the selection wait until it is
    // committed or dropped.
    virtual bool InputPending() const { return false; }

    // What the status bar shows: whether letters type Latin text
    // ("Alphabet") rather than start a transliteration ("Sign"), and the
    // cursor.
    virtual bool AlphabetMode() const = 0;
    virtual Position CursorPosition() const = 0;
    // What the status bar says about the transliteration being looked up:
    // the candidate on show and its place ("du₃ 3/9"), a lookup that found
    // nothing ("no sign for xyz"), or nothing (empty).
    virtual std::string LookupStatus() const = 0;
    // The sign the status bar and "Sign Information" tell about: the one
    // selected when the selection holds exactly one cell, else the one
    // before the cursor; nothing when that is no cuneiform sign.
    virtual std::optional<SignInformation> CurrentSign() const = 0;

    // Gives the keyboard focus to the editor.
    virtual void FocusEditor() = 0;

    // From now on tells listener of every edit of the document made through
    // its undo list (null stops). An editor that cannot leaves it: edits it
    // does not report are found by the document's revision instead.
    virtual void SetEditListener(EditListener* listener) { (void)listener; }
};

} // namespace velmora
