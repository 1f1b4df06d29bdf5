#include "document/CFUndoList.h"

#include "document/CCursor.h"

#include <boost/make_shared.hpp>

#include <utility>

namespace velmora {

CFUndoList::CFUndoList(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor)
    : window_(window), document_(document), cursor_(std::move(cursor))
{
}

void CFUndoList::RecordUndo(std::uint32_t kind, std::uint32_t firstLine, std::uint32_t firstColumn,
                            std::uint32_t secondLine, std::uint32_t secondColumn)
{
    RecordUndo(kind, Position{firstLine, firstColumn}, Position{secondLine, secondColumn});
}

void CFUndoList::RecordUndo(std::uint32_t kind, Position first, Position second)
{
    // Made first: if the range does not fit the document, the list keeps
    // its oldest command.
    auto command = boost::make_shared<CFUndoCommand>(window_, document_, cursor_, kind, first, second);
    if (commands_.size() >= kMaxCommands)
        commands_.pop_front();
    commands_.push_back(std::move(command));
}

void CFUndoList::Undo()
{
    if (commands_.empty())
        return;
    const auto command = std::move(commands_.back());
    commands_.pop_back();
    command->Undo();
}

} // namespace velmora
