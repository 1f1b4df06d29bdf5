#pragma once

#include "document/CFUndoCommand.h"
#include "document/Position.h"

#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <cstdint>
#include <list>

namespace velmora {

class CCursor;
class CFDocument;
class Window;

// The bounded edit history of one editor, oldest first. Edits are taken back
// one at a time, newest first; there is no redo. When the whole document is
// replaced the owner calls Clear, since the commands describe text that is
// gone.
class CFUndoList {
public:
    // The most commands held; recording one more drops the oldest.
    static constexpr std::size_t kMaxCommands = 256;

    CFUndoList(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor);

    // Records an edit of the given kind (kInsertion after inserting,
    // kDeletion before deleting) between two positions, earlier first.
    void RecordUndo(std::uint32_t kind, std::uint32_t firstLine, std::uint32_t firstColumn,
                    std::uint32_t secondLine, std::uint32_t secondColumn);
    void RecordUndo(std::uint32_t kind, Position first, Position second);

    // Takes back the newest command, if any, and removes it. A command that
    // no longer fits the document is removed all the same and its error code
    // thrown, so it cannot block the commands before it.
    void Undo();

    void Clear() { commands_.clear(); }
    std::size_t count() const { return commands_.size(); }

private:
    std::list<boost::shared_ptr<CFUndoCommand>> commands_;
    Window* window_;
    CFDocument& document_;
    boost::shared_ptr<CCursor> cursor_;
};

} // namespace velmora
