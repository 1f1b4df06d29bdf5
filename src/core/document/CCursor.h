#pragma once

#include "core/document/Position.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <utility>

namespace velmora {

class CFDocument;
class CFScrollBar;

// The text cursor of an editor: the insertion point and the caret's blink
// state. Shared by the editing state, the undo list and its commands; the
// modes read and write its fields directly.
class CCursor {
public:
    CCursor(CFDocument& document, boost::shared_ptr<CFScrollBar> scrollBar)
        : document(document)
        , scrollBar(std::move(scrollBar))
    {
    }

    Position position() const { return {line, column}; }
    void setPosition(Position p)
    {
        line = p.line;
        column = p.column;
    }

    std::uint32_t line = 0;
    // 0 .. length of the line; the gap before that cell.
    std::uint32_t column = 0;
    // The edited document; not owned.
    CFDocument& document;
    // Scroll state of the editor, used to turn the cursor into window
    // coordinates. May be null where nothing is drawn.
    boost::shared_ptr<CFScrollBar> scrollBar;
    // The caret is drawn only while this is set (focus and blink timer).
    bool caretVisible = false;
};

} // namespace velmora
