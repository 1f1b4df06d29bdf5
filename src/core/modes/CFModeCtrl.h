#pragma once

#include "core/modes/CFInputMode.h"
#include "core/modes/CFMode.h"
#include "core/modes/CFNormalMode.h"
#include "core/modes/CFSelSignMode.h"
#include "core/modes/KeyModifiers.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>
#include <span>
#include <string>

namespace velmora {

class CFModeData;
class CFSignFont;

// Owns the three modes of one editor, keeps one of them current and routes
// the editor's events to it. Starts in normal mode without calling OnEnter.
class CFModeCtrl {
public:
    // The exception type of the controller: thrown by SetMode for an id
    // that names no mode.
    enum { BadModeId = 0 };
    using Error = decltype(BadModeId);

    CFModeCtrl(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);
    CFModeCtrl(const CFModeCtrl&) = delete;
    CFModeCtrl& operator=(const CFModeCtrl&) = delete;

    // Makes the mode with the id current (0 normal, 1 input, 2 sign
    // selection) without calling its OnEnter. Nothing happens when it is
    // current already, unless the force switch is set; the switch is cleared
    // afterwards. Throws BadModeId for any other id and then changes nothing.
    void SetMode(int id);

    // Hands a key-down (virtual-key code) or a mouse press or drag (its key
    // flags) to the current mode. When the mode names another mode, that one
    // becomes current and its OnEnter is called with the id of the mode
    // before. Returns the id of the mode now current. The key's modifiers
    // are stored in the editing state first, for the modes to read.
    int RouteKey(std::uint32_t vk, KeyModifiers modifiers = {});
    int RouteMouse(std::uint32_t flags);
    // Whether the current mode claims a key before any shortcut acts: while
    // a transliteration or candidates are pending, the keys that edit them,
    // and Ctrl+Z, which takes back the last pending keystroke. Normal mode
    // claims none.
    bool ClaimsKey(std::uint32_t vk, const KeyModifiers& modifiers) const;
    // Hands typed text to the modes, a character at a time, each going to
    // the mode current then; a text of several characters (an input
    // method's commit) is one undo step. Typing on while a candidate is
    // shown accepts that candidate first, as input methods do.
    int RouteText(std::span<const std::uint32_t> text, KeyModifiers modifiers = {});
    // A candidate picked in a candidate window: in sign selection mode it is
    // accepted as Enter accepts the candidate on show (CFSelSignMode::Choose);
    // in any other mode nothing happens. The id of the mode now current.
    int ChooseCandidate(std::int32_t index);

    // What the status bar says about the transliteration: in sign selection
    // mode the candidate on show and its place ("du₃ 3/9"); after a lookup
    // that found nothing, until the next key or click, "no sign for xyz";
    // otherwise nothing (empty).
    std::string LookupStatus() const;

    CFMode& CurrentMode() { return *current_; }
    int CurrentModeId() const { return currentId_; }

    // When set, the next SetMode re-selects the mode even if it is current.
    bool forceSwitch() const { return forceSwitch_; }
    void setForceSwitch(bool force) { forceSwitch_ = force; }

    CFNormalMode& normalMode() { return normal_; }
    CFInputMode& inputMode() { return input_; }
    CFSelSignMode& selSignMode() { return selSign_; }

private:
    // Switches to next when it differs from the current id and enters it.
    void Follow(int next);

    boost::shared_ptr<CFModeData> data_;
    bool forceSwitch_ = false;
    int currentId_ = kNormalModeId;
    CFMode* current_;
    CFNormalMode normal_;
    CFInputMode input_;
    CFSelSignMode selSign_;
};

} // namespace velmora
