#include "core/document/CFUndoCommand.h"

#include "core/document/CCursor.h"
#include "core/document/RangeEdit.h"

#include <boost/make_shared.hpp>

#include <utility>

namespace velmora {

CFUndoCommand::CFUndoCommand(Window* window, CFDocument& document, boost::shared_ptr<CCursor> cursor,
                             std::uint32_t kind, Position first, Position second)
    : selection_(boost::make_shared<CFSelectedText>(window, document))
    , cursor_(std::move(cursor))
    , kind_(kind)
    , first_(first)
    , second_(second)
{
    if (kind_ != kInsertion && kind_ != kDeletion)
        return;
    selection_->Reset();
    selection_->Extend(first_.line, first_.column);
    selection_->Extend(second_.line, second_.column);
    if (kind_ == kDeletion) {
        selection_->CopyToBuffer();
        broken_ = ReadingsBrokenBy(document, selection_->start(), selection_->end());
    }
}

void CFUndoCommand::Undo()
{
    switch (kind_) {
    case kInsertion:
        // Kept for Redo; the copy also checks the range before anything
        // is deleted.
        selection_->CopyToBuffer();
        selection_->DeleteSelected();
        break;
    case kDeletion:
        selection_->InsertBuffer(first_.line, first_.column);
        break;
    default:
        return;
    }
    for (const PlacedReading& r : broken_)
        selection_->document().SetReading(r.line, r.span.begin, r.span.end, r.span.reading);
    cursor_->setPosition(first_);
}

void CFUndoCommand::Redo()
{
    switch (kind_) {
    case kInsertion:
        selection_->InsertBuffer(first_.line, first_.column);
        cursor_->setPosition(selection_->end());
        break;
    case kDeletion:
        selection_->DeleteSelected();
        cursor_->setPosition(first_);
        break;
    default:
        break;
    }
}

} // namespace velmora
