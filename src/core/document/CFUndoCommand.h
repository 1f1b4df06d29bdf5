#pragma once

#include "core/document/CFSelectedText.h"
#include "core/document/Position.h"
#include "core/document/ReadingSpan.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <utility>
#include <vector>

namespace velmora {

class CCursor;
class Window;

// Kinds of recorded edit: the text between the two positions was inserted,
// or is about to be deleted.
inline constexpr std::uint32_t kInsertion = 1;
inline constexpr std::uint32_t kDeletion = 2;

// One recorded edit: its kind, the two positions the recorder passed
// (earlier first) and a selection of its own holding the normalised range
// and, for a deletion, a copy of the text taken when the command is made;
// an insertion copies its text when it is undone, so that it can be redone.
// A command of any other kind is kept but changes nothing when undone or
// redone.
//
// Readings go with the text: a deletion keeps those of the deleted text,
// and an undone insertion those of the inserted text, for Redo. A group
// reading that the edit broke (erased in part, or split by the inserted
// text) is kept too and put back by Undo.
class CFUndoCommand {
public:
    // Captures the range, and for a deletion its text, so a deletion must be
    // recorded before it is carried out.
    CFUndoCommand(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor, std::uint32_t kind,
                  Position first, Position second);

    // Takes the edit back and puts the cursor at the first position: an
    // insertion's range is deleted, a deletion's text is inserted again at
    // the first position. Valid while the document is in the state that
    // followed the recording; otherwise the document's error code is thrown
    // and nothing is changed.
    void Undo();
    // Makes the edit again after Undo and puts the cursor where the edit
    // left it: behind an inserted text, at the place of a deleted one.
    void Redo();

    // The readings the edit drops beyond its range (ReadingsBrokenBy), for
    // Undo to put back; a deletion takes them itself when it is made, an
    // insertion is told them by its recorder, which found them before
    // inserting.
    void SetBrokenReadings(std::vector<PlacedReading> readings) { broken_ = std::move(readings); }
    const std::vector<PlacedReading>& brokenReadings() const { return broken_; }

    std::uint32_t kind() const { return kind_; }
    Position first() const { return first_; }
    Position second() const { return second_; }
    const CFSelectedText& selection() const { return *selection_; }

private:
    boost::shared_ptr<CFSelectedText> selection_;
    boost::shared_ptr<CCursor> cursor_;
    std::uint32_t kind_;
    Position first_;
    Position second_;
    std::vector<PlacedReading> broken_;
};

} // namespace velmora
