#include "core/modes/CFModeCtrl.h"

#include "base/Utf8Codec.h"
#include "core/modes/CFModeData.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"

namespace velmora {

CFModeCtrl::CFModeCtrl(CFSignFont* signFont, boost::shared_ptr<CFModeData> data)
    : data_(data)
    , current_(&normal_)
    , normal_(signFont, data)
    , input_(signFont, data)
    , selSign_(signFont, data)
{
}

void CFModeCtrl::SetMode(int id)
{
    if (id == currentId_ && !forceSwitch_)
        return;
    CFMode* mode = nullptr;
    switch (id) {
    case kNormalModeId:
        mode = &normal_;
        break;
    case kInputModeId:
        mode = &input_;
        break;
    case kSignSelectionModeId:
        mode = &selSign_;
        break;
    default:
        // Checked before anything changes, so that the id and the mode
        // object never disagree.
        throw BadModeId;
    }
    currentId_ = id;
    current_ = mode;
    forceSwitch_ = false;
}

void CFModeCtrl::Follow(int next)
{
    const int previous = currentId_;
    if (next == previous)
        return;
    SetMode(next);
    current_->OnEnter(previous);
}

int CFModeCtrl::RouteKey(std::uint32_t vk, KeyModifiers modifiers)
{
    data_->modifiers = modifiers;
    data_->missedLookup.clear();
    data_->notice.clear();
    Follow(current_->OnKeyDown(vk));
    return currentId_;
}

int CFModeCtrl::RouteMouse(std::uint32_t flags)
{
    data_->missedLookup.clear();
    data_->notice.clear();
    Follow(current_->OnMouse(flags));
    return currentId_;
}

int CFModeCtrl::ChooseCandidate(std::int32_t index)
{
    if (currentId_ == kSignSelectionModeId)
        Follow(selSign_.Choose(index));
    return currentId_;
}

std::string CFModeCtrl::LookupStatus() const
{
    if (!data_->notice.empty())
        return data_->notice;
    if (currentId_ == kSignSelectionModeId)
        return selSign_.StatusText();
    if (data_->missedLookup.empty())
        return {};
    std::string typed;
    for (const std::uint32_t c : data_->missedLookup)
        AppendUtf8(typed, c);
    return Fill(Tr(texts::kNoSignFor), typed);
}

} // namespace velmora
