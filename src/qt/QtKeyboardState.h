#pragma once

#include "platform/KeyboardState.h"

class QKeyEvent;

namespace velmora {

// Shift, Ctrl and Caps Lock as the key events of the application show them.
// Every key press and release an editor receives goes through update().
//
// Qt has no portable query of Caps Lock, so it is followed: a Caps Lock press
// toggles it, and every event that types a cased letter corrects it (an
// upper-case letter without Shift, or a lower-case one with Shift, means
// Caps Lock is on). On X11 the lock bit of the event's native modifier state
// is read as well, which is exact from the first key on.
class QtKeyboardState : public KeyboardState {
public:
    // readX11LockBit: take Caps Lock from the X11 modifier state of the
    // events (true when the application runs on the xcb platform).
    QtKeyboardState();
    explicit QtKeyboardState(bool readX11LockBit);

    void update(const QKeyEvent& event);

    bool shiftHeld() const override { return shift_; }
    bool ctrlHeld() const override { return ctrl_; }
    bool capsLockOn() const override { return capsLock_; }

private:
    bool readX11LockBit_;
    bool shift_ = false;
    bool ctrl_ = false;
    bool capsLock_ = false;
};

} // namespace velmora
