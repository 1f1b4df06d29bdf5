#pragma once

#include "core/document/CFDocument.h"
#include "core/document/Position.h"

#include <cstdint>

namespace velmora {

class Clipboard;
class Window;

// The selection of an editor: a normalised range of the edited document
// between an anchor and the latest extension point, and a buffer document
// into which a range can be copied and from which it can be put back.
// The undo list keeps private selections of its own for its commands.
//
// The range is changed only through Extend and Reset, so start <= end always
// holds. Positions are trusted to lie inside the document; an operation that
// finds one that does not throws kErrPosition before changing anything.
class CFSelectedText {
public:
    CFSelectedText(Window* window, CFDocument& document);

    // Sets the anchor on the first call after a reset; afterwards moves the
    // far end, keeping start <= end with the anchor at one of them.
    void Extend(std::uint32_t line, std::uint32_t column);
    // Empties the range and makes the selection inactive; the anchor stays.
    // The editor calls it when the whole document is replaced, since the old
    // range may lie beyond the new text.
    void Reset();
    // Removes the range from the document, joining its first and last line.
    // Neither the cursor nor the selection moves.
    void DeleteSelected();
    // Replaces the buffer by a copy of the range, one buffer line per line
    // of the range.
    void CopyToBuffer();
    // Inserts the buffer's text at (line, column), splitting the line;
    // returns the number of line breaks inserted.
    std::uint32_t InsertBuffer(std::uint32_t line, std::uint32_t column);

    // Puts the whole range on the clipboard as Unicode text, with the
    // readings of its signs beside it. False when nothing is selected; the
    // clipboard is then untouched.
    bool CopyToClipboard(Clipboard& clipboard);

    Window* window() const { return window_; }
    CFDocument& document() const { return document_; }
    const CFDocument& buffer() const { return buffer_; }
    bool active() const { return active_; }
    Position anchor() const { return anchor_; }
    Position start() const { return start_; }
    // start == end: nothing is selected.
    Position end() const { return end_; }

private:
    Window* window_;
    CFDocument& document_;
    CFDocument buffer_;
    bool active_ = false;
    Position anchor_;
    Position start_;
    Position end_;
};

} // namespace velmora
