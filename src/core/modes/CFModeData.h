#pragma once

#include "core/dictionary/CFWordSign.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFLine.h"
#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoList.h"
#include "core/document/Position.h"
#include "core/document/ReadingSpan.h"
#include "core/modes/KeyModifiers.h"
#include "core/view/ScrollOffsets.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class CFScrollBar;
class CFSignFont;
class CFWordDictionary;
class Window;
struct PlatformServices;

// The editing state of one editor: its document, the transliteration being
// typed, the candidate on show, cursor, selection and undo history, the
// settings that decide how keys are read and the modifiers of the key being
// handled. Shared by the editor, the mode controller and the three modes;
// the modes read and write its fields directly, and edit through the
// editing commands (CFEditCommands) that the editor's menu commands use too.
class CFModeData {
public:
    // The most lines the main editor's document may hold.
    static constexpr std::int32_t kMainLineLimit = 60000;

    // lineLimit 0 is taken as 1. window may be null (no owner for messages,
    // no pointer, nothing to draw in); scrollBar may be null (no scrolling).
    CFModeData(Window* window, CFWordDictionary* dictionary, std::int32_t lineLimit,
               boost::shared_ptr<CFScrollBar> scrollBar, CFSignFont& signFont, PlatformServices& services);
    CFModeData(const CFModeData&) = delete;
    CFModeData& operator=(const CFModeData&) = delete;

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
    // The reading the accepted candidate was typed as (du₃), which normal
    // mode gives its signs when it inserts them.
    ReadingId acceptedReading = kNoReading;
    // The transliteration of a lookup that found nothing, for the status
    // bar; emptied by the next key or click.
    std::vector<std::uint32_t> missedLookup;
    // How many characters at the start of the pending text the candidate on
    // show stands for (du₃ of du₃ma); what follows stays pending when the
    // candidate is accepted.
    std::uint32_t convertedLength = 0;
    // Why the last key or text was refused (translated), for the status
    // bar; emptied by the next key or click.
    std::string notice;
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
    // The typed character with which it did so instead (0: none).
    std::uint32_t firstCharacter = 0;
    // The modifiers of the key being handled, set by the controller's
    // RouteKey before the key reaches a mode.
    KeyModifiers modifiers;

    CFSignFont* signFont;
    PlatformServices& services;
};

} // namespace velmora
