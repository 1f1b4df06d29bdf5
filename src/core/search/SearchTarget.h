#pragma once

namespace velmora {

class CCursor;
class CFDocument;
class CFScrollBar;
class CFSelectedText;
class CFSignFont;
class CFUndoList;
class Window;

// The main editor as the search commands see it: its document, selection,
// cursor, scroll state, fonts, undo list and window.
struct SearchTarget {
    CFDocument& document;
    CFSelectedText& selection;
    CCursor& cursor;
    CFScrollBar& scrollBar;
    const CFSignFont& signFont;
    CFUndoList& undo;
    // Repainted after a hit; may be null.
    Window* window;
};

} // namespace velmora
