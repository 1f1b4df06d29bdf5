#pragma once

#include "platform/KeyboardState.h"

namespace velmora {

// Modifier state set by the test; all released and Caps Lock off at start.
class ScriptedKeyboard : public KeyboardState {
public:
    ScriptedKeyboard(bool shift = false, bool ctrl = false, bool capsLock = false);

    bool shiftHeld() const override { return shift_; }
    bool ctrlHeld() const override { return ctrl_; }
    bool capsLockOn() const override { return capsLock_; }

    void setShift(bool held) { shift_ = held; }
    void setCtrl(bool held) { ctrl_ = held; }
    void setCapsLock(bool on) { capsLock_ = on; }
    void releaseAll();

private:
    bool shift_;
    bool ctrl_;
    bool capsLock_;
};

} // namespace velmora
