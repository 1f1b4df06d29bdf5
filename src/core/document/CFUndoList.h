#pragma once

#include "core/document/CFUndoCommand.h"
#include "core/document/Position.h"

#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace velmora {

class CCursor;
class CFDocument;
class EditListener;
class Window;

// The bounded edit history of one editor. Edits are recorded as commands
// and grouped into steps, one step for each thing the user did: a typed
// character, a paste, a Replace, a Replace All, a converted selection. Undo
// takes back the newest step, Redo makes the newest undone step again; a
// new step forgets what was undone. At most 256 steps can be undone.
//
// A command that opens a Step (or calls ReplaceRange, which opens its own)
// has everything it records in between undone and redone together:
//
//     CFUndoList::Step step(undoList);
//     undoList.ReplaceRange(start, end, converted);
//     ... more records ...
//
// Records made outside a Step are a step each. When the whole document is
// replaced the owner calls Clear, since the commands describe text that is
// gone.
class CFUndoList {
public:
    // The most steps held; recording one more drops the oldest.
    static constexpr std::size_t kMaxCommands = 256;

    CFUndoList(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor);

    // Records an edit of the given kind (kInsertion after inserting,
    // kDeletion before deleting) between two positions, earlier first.
    void RecordUndo(std::uint32_t kind, std::uint32_t firstLine, std::uint32_t firstColumn,
                    std::uint32_t secondLine, std::uint32_t secondColumn);
    void RecordUndo(std::uint32_t kind, Position first, Position second);

    // Replaces [start, end) by text (its lines joined by line breaks) and
    // records it: a deletion when the range is not empty, an insertion when
    // the text is not, both in one step. No limit is checked. Returns the
    // position just after the inserted text.
    Position ReplaceRange(Position start, Position end, const CFDocument& text);

    // Groups the records made during its lifetime into one step. Steps
    // nest: only the outermost one counts.
    class Step {
    public:
        explicit Step(CFUndoList& list) : list_(list) { list_.BeginStep(); }
        ~Step() { list_.EndStep(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        CFUndoList& list_;
    };
    void BeginStep();
    void EndStep();

    // Takes back the newest step, its commands newest first, and keeps it
    // for Redo. A command that no longer fits the document throws its error
    // code; its step is dropped, so it cannot block the steps before it.
    void Undo();
    // Makes the newest undone step again, its commands oldest first.
    void Redo();

    // Forgets every step, undone ones included.
    void Clear();
    // From now on tells listener of every edit made through this list
    // (ReplaceRange, Undo, Redo); null stops.
    void setEditListener(EditListener* listener) { listener_ = listener; }
    // Steps that Undo can take back, and that Redo can make again.
    std::size_t count() const { return done_.size(); }
    std::size_t redoCount() const { return undone_.size(); }

private:
    using Commands = std::vector<boost::shared_ptr<CFUndoCommand>>;

    // Tells the listener what undoing (or redoing) command just did.
    void Tell(const CFUndoCommand& command, bool undone);

    std::deque<Commands> done_;
    std::vector<Commands> undone_;
    Window* window_;
    CFDocument& document_;
    boost::shared_ptr<CCursor> cursor_;
    EditListener* listener_ = nullptr;
    // Open Steps, and whether the outermost one has recorded anything yet.
    int stepDepth_ = 0;
    bool stepStarted_ = false;
};

} // namespace velmora
