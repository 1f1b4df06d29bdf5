#pragma once

#include <cstdint>

namespace velmora {

class CFLine;
class MessageDisplay;
class Window;
struct SearchTarget;

// The search commands. A hit becomes the selection of the main editor, the
// cursor moves to its start, the view scrolls to it, the editor repaints and
// the focus goes back to the asking window (owner). A miss changes nothing
// and tells the user, in a message box owned by the asking window, that the
// scan reached the end (or, backwards, the beginning) of the document.
// Each returns true on a hit.

// Scans from the first cell of the document.
bool FindFromTop(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Scans from one cell after the cursor.
bool FindNext(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Scans backwards from one cell before the cursor.
bool FindPrevious(SearchTarget& target, const CFLine& word, Window* owner, MessageDisplay& messages);
// Replaces the first occurrence at or after the cursor and selects the
// replacement. The replacement is one undo step, and refused with a message
// when the line would grow beyond the document's line length limit.
bool ReplaceNext(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                 MessageDisplay& messages);
// Replaces every occurrence, scanning each line from its start and going on
// after each replaced occurrence, as one undo step, and tells the user how
// many it replaced ("3 個置換しました。", caption "確認"; an empty word has no
// occurrences). Refused with a message, changing nothing, when any line
// would grow beyond the document's line length limit. The cursor stays on
// its line, the selection is reset, the editor repaints and the focus goes
// back to owner. Returns the number replaced (0 when refused).
std::uint32_t ReplaceAll(SearchTarget& target, const CFLine& word, const CFLine& replacement, Window* owner,
                         MessageDisplay& messages);

// Selects cells [start, start + length) of the line, puts the cursor at start
// and scrolls there.
void ShowMatch(SearchTarget& target, std::uint32_t line, std::uint32_t start, std::uint32_t length);

} // namespace velmora
