#pragma once

#include "core/document/Position.h"
#include "core/document/ReadingSpan.h"

#include <span>

namespace velmora {

class CFDocument;

// Told of every edit an undo list makes to its document, undo and redo
// included, right after it was made: [start, end) of the document as it
// was has been replaced by text (its lines joined by line breaks).
// document is the edited document as it is now. The readings of text's
// signs came in with it.
class EditListener {
public:
    virtual void TextReplaced(const CFDocument& document, Position start, Position end,
                              const CFDocument& text) = 0;
    // Readings were given back to signs already there (Undo putting back a
    // group reading that the edit it takes back had broken), right after
    // the text around them was told.
    virtual void ReadingsSet(const CFDocument& document, std::span<const PlacedReading> readings) = 0;

protected:
    ~EditListener() = default;
};

} // namespace velmora
