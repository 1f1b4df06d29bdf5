#pragma once

#include "dictionary/CFWordSign.h"
#include "document/CCursor.h"
#include "document/CFDocument.h"
#include "document/CFLine.h"
#include "document/CFSelectedText.h"
#include "document/CFUndoList.h"
#include "document/Position.h"
#include "document/ScrollOffsets.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>

namespace velmora {

class CFScrollBar;
class CFSignFont;
class CFWordDictionary;
class Window;
struct PlatformServices;

// The editing state of one editor: its document, the transliteration being
// typed, the candidate on show, cursor, selection and undo history, and the
// settings that decide how keys are read. Shared by the editor, the mode
// controller and the three modes; the modes read and write its fields
// directly.
class CFModeData {
public:
    // The most lines the main editor's document may hold.
    static constexpr std::int32_t kMainLineLimit = 60000;

    // lineLimit 0 is taken as 1. window may be null (no owner for messages,
    // no pointer, nothing to draw in); scrollBar may be null (no scrolling).
    CFModeData(Window* window, CFWordDictionary* dictionary, std::int32_t lineLimit,
               boost::shared_ptr<CFScrollBar> scrollBar, CFSignFont& signFont,
               PlatformServices& services);
    CFModeData(const CFModeData&) = delete;
    CFModeData& operator=(const CFModeData&) = delete;

    // Records an edit for undo: kind kInsertion after inserting, kDeletion
    // before deleting, earlier position first.
    void RecordEdit(std::uint32_t kind, std::uint32_t firstLine, std::uint32_t firstColumn,
                    std::uint32_t secondLine, std::uint32_t secondColumn);

    // Deletes the selected range with an undo record made first, puts the
    // cursor at its start and resets the selection. It does not test for a
    // selection: with none it records an empty deletion at the range's start
    // ((0, 0) after a reset) and moves the cursor there. Always true.
    bool DeleteSelectionWithUndo();

    // Pastes the clipboard's text at the cursor and moves the cursor behind
    // it, with one insertion record when the cursor moved. Refused, with a
    // message, when the line count plus the line breaks of this editor's
    // latest copy reaches the line limit: false then.
    bool PasteWithUndo();

    // Takes the newest edit back when the cursor line holds maxLineLength
    // cells or more and more than lengthBeforeEdit, the length the line that
    // received the edit had before it. With the default 0 any line of the
    // limit's length counts. True when Undo was applied.
    bool ApplyLineLengthGuard(std::uint32_t lengthBeforeEdit = 0);

    // The whole document was replaced (new file, open): cursor to (0, 0),
    // selection reset, undo history dropped (its commands describe text that
    // is gone), pending transliteration and candidate emptied. The editor
    // should then put its controller back into normal mode (SetMode(0)).
    void DocumentReplaced();

    // Where the view stands; all 0 without a scroll bar.
    ScrollOffsets Offsets() const;

    // Declared first: the selection, cursor and undo list below refer to it.
    CFDocument document;
    // The transliteration typed in input mode.
    CFLine pending;
    // The signs of the candidate shown in sign selection mode.
    CFLine candidates;

    boost::shared_ptr<CFSelectedText> selection;
    boost::shared_ptr<CCursor> cursor;
    // The result of the last conversion, later the accepted candidate; null
    // until a conversion succeeds.
    WordPtr currentWord;
    // The lookup key, one object reused by every conversion.
    WordPtr keyWord;
    boost::shared_ptr<CFScrollBar> scrollBar;
    CFWordDictionary* dictionary;
    // The sign number typed as subscript digits (0 when none), written by
    // every successful conversion.
    std::uint32_t requestedNumber = 0;
    // The most lines the document may hold (at least 1).
    std::int32_t lineLimit;
    Window* window;
    boost::shared_ptr<CFUndoList> undoList;
    // True: typed characters go into the document ("Alphabet"); false: a
    // letter or digit starts a transliteration ("Sign").
    bool alphabetMode = true;
    // True: Ctrl+Space does not switch alphabetMode.
    bool alphabetLock = false;
    // The key with which normal mode handed over to input mode.
    std::int32_t firstKey = 0;
    // Cells input mode put into the document when it last returned to normal
    // mode (0 when it inserted nothing), so that normal mode can take back an
    // insertion that made the line too long. Normal mode clears it.
    std::uint32_t committedCells = 0;

    CFSignFont* signFont;
    PlatformServices& services;
};

} // namespace velmora
