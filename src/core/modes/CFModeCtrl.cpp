#include "core/modes/CFModeCtrl.h"

#include "base/Utf8Codec.h"
#include "core/document/CFUndoList.h"
#include "core/modes/CFModeData.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"

#include <optional>

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

int CFModeCtrl::RouteText(std::span<const std::uint32_t> text, KeyModifiers modifiers)
{
    data_->modifiers = modifiers;
    data_->missedLookup.clear();
    data_->notice.clear();
    std::optional<CFUndoList::Step> step;
    if (text.size() > 1)
        step.emplace(*data_->undoList);
    for (const std::uint32_t c : text) {
        if (currentId_ == kSignSelectionModeId) {
            Follow(selSign_.Accept());
            // Refused (the line has no room for it), and said so.
            if (currentId_ == kSignSelectionModeId)
                break;
        }
        Follow(current_->OnText(c));
    }
    return currentId_;
}

bool CFModeCtrl::ClaimsKey(std::uint32_t vk, const KeyModifiers& modifiers) const
{
    if (currentId_ == kNormalModeId)
        return false;
    if (modifiers.ctrl)
        return vk == 'Z' && !modifiers.shift;
    switch (vk) {
    case vk::Space:
    case vk::Return:
    case vk::Escape:
    case vk::Back:
    case vk::Shift:
        return true;
    case vk::Up:
    case vk::Down:
    case vk::Prior:
    case vk::Next:
        return currentId_ == kSignSelectionModeId;
    default:
        return currentId_ == kInputModeId
            && ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || vk == vk::Oem3 || vk == vk::OemMinus
                || vk == vk::Oem7);
    }
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
