#pragma once

#include "core/document/CFSelectedText.h"
#include "core/document/Position.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>

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
};

} // namespace velmora
