#include "core/document/CFUndoList.h"

#include "core/document/CCursor.h"
#include "core/document/EditListener.h"
#include "core/document/RangeEdit.h"

#include <boost/make_shared.hpp>

#include <utility>

namespace velmora {

CFUndoList::CFUndoList(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor)
    : window_(window)
    , document_(document)
    , cursor_(std::move(cursor))
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
    // its oldest step.
    auto command = boost::make_shared<CFUndoCommand>(window_, document_, cursor_, kind, first, second);
    if (stepDepth_ > 0 && stepStarted_) {
        done_.back().push_back(std::move(command));
        return;
    }
    // A new step: what was undone can no longer be redone.
    undone_.clear();
    if (done_.size() >= kMaxCommands)
        done_.pop_front();
    done_.emplace_back();
    done_.back().push_back(std::move(command));
    stepStarted_ = stepDepth_ > 0;
}

Position CFUndoList::ReplaceRange(Position start, Position end, const CFDocument& text)
{
    const Step step(*this);
    if (start != end) {
        // Recorded before the deletion, so that the command keeps the text.
        RecordUndo(kDeletion, start, end);
        EraseRange(document_, start, end);
    }
    if (IsEmptyText(text)) {
        if (listener_ != nullptr && start != end)
            listener_->TextReplaced(document_, start, end, text);
        return start;
    }
    const Position after = InsertText(document_, start, text);
    RecordUndo(kInsertion, start, after);
    if (listener_ != nullptr)
        listener_->TextReplaced(document_, start, end, text);
    return after;
}

void CFUndoList::BeginStep()
{
    if (stepDepth_++ == 0)
        stepStarted_ = false;
}

void CFUndoList::EndStep()
{
    if (stepDepth_ > 0 && --stepDepth_ == 0)
        stepStarted_ = false;
}

void CFUndoList::Undo()
{
    if (done_.empty())
        return;
    // A step still being recorded ends here.
    stepStarted_ = false;
    Commands step = std::move(done_.back());
    done_.pop_back();
    for (auto command = step.rbegin(); command != step.rend(); ++command) {
        (*command)->Undo();
        Tell(**command, true);
    }
    undone_.push_back(std::move(step));
}

void CFUndoList::Redo()
{
    if (undone_.empty())
        return;
    stepStarted_ = false;
    Commands step = std::move(undone_.back());
    undone_.pop_back();
    for (const auto& command : step) {
        command->Redo();
        Tell(*command, false);
    }
    done_.push_back(std::move(step));
}

void CFUndoList::Tell(const CFUndoCommand& command, bool undone)
{
    if (listener_ == nullptr || (command.kind() != kInsertion && command.kind() != kDeletion))
        return;
    const CFSelectedText& range = command.selection();
    // Undoing an insertion and redoing a deletion remove the range; the
    // other two put the command's text back at its start.
    if ((command.kind() == kInsertion) == undone)
        listener_->TextReplaced(document_, range.start(), range.end(), CFDocument());
    else
        listener_->TextReplaced(document_, range.start(), range.start(), range.buffer());
}

void CFUndoList::Clear()
{
    done_.clear();
    undone_.clear();
    stepStarted_ = false;
}

} // namespace velmora
