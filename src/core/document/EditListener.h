#pragma once

#include "core/document/Position.h"

namespace velmora {

class CFDocument;

// Told of every edit an undo list makes to its document, undo and redo
// included, right after it was made: [start, end) of the document as it
// was has been replaced by text (its lines joined by line breaks).
// document is the edited document as it is now.
class EditListener {
public:
    virtual void TextReplaced(const CFDocument& document, Position start, Position end,
                              const CFDocument& text) = 0;

protected:
    ~EditListener() = default;
};

} // namespace velmora
