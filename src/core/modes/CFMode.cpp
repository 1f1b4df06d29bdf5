#include "core/modes/CFMode.h"

#include "core/modes/CFModeData.h"

#include <utility>

namespace velmora {

CFMode::CFMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data)
    : data_(std::move(data))
    , document_(&data_->document)
    , pending_(&data_->pending)
    , candidates_(&data_->candidates)
    , selection_(data_->selection)
    , cursor_(data_->cursor)
    , currentWord_(data_->currentWord)
    , keyWord_(data_->keyWord)
    , scrollBar_(data_->scrollBar)
    , signFont_(signFont)
    , dictionary_(data_->dictionary)
    , lineLimit_(data_->lineLimit)
    , window_(data_->window)
{
}

void CFMode::RetakeWords()
{
    currentWord_ = data_->currentWord;
    keyWord_ = data_->keyWord;
}

} // namespace velmora
