#pragma once

#include <cstdint>

namespace velmora {

class CFLine;
class MessageDisplay;
class Window;
struct SearchTarget;

// What a search command found.
struct SearchResult {
    bool found = false;
    // The scan ran past the end of the document (backwards: its beginning)
    // and found the match on from the other end.
    bool wrapped = false;

    explicit operator bool() const { return found; }
};

// The search commands. A hit becomes the selection of the main editor, the
// cursor moves to its start, the view scrolls to show it with some text
// around it, the editor repaints and the focus goes back to the asking
// window (owner). Find Next, Find Previous and Replace wrap around the
// document, as editors do, and say so in their result. A word that occurs
// nowhere changes nothing and is told in a message box owned by the asking
// window.

// Scans from the first cell of the document.
SearchResult FindFromTop(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Scans from one cell after the cursor to the end, then from the top.
SearchResult FindNext(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Scans backwards from one cell before the cursor to the beginning, then
// from the end.
SearchResult FindPrevious(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Replaces the first occurrence at or after the cursor (wrapping around as
// Find Next does) and selects the replacement. The replacement is one undo
// step, and refused with a message when the line would grow beyond the
// document's line length limit.
SearchResult ReplaceNext(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                         MessageDisplay& messages);
// Replaces every occurrence, scanning each line from its start and going on
// after each replaced occurrence, as one undo step, and tells the user how
// many it replaced ("3 個置換しました。", caption "Velmora"; an empty word has no
// occurrences). Refused with a message, changing nothing, when any line
// would grow beyond the document's line length limit. The cursor stays on
// its line, the selection is reset, the editor repaints and the focus goes
// back to owner. Returns the number replaced (0 when refused).
std::uint32_t ReplaceAll(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                         MessageDisplay& messages);

// Selects cells [start, start + length) of the line, puts the cursor at start
// and scrolls them into view with some of the text around them.
void ShowMatch(SearchTarget& target, std::uint32_t line, std::uint32_t start, std::uint32_t length);

} // namespace velmora
