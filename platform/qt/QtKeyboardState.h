#pragma once

#include "platform/KeyboardState.h"

#include <optional>

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
//
// While a key is handled, the Shift state the key translation chose for it
// can stand in for the physical one (ShiftOverride).
class QtKeyboardState : public KeyboardState {
public:
    // readX11LockBit: take Caps Lock from the X11 modifier state of the
    // events (true when the application runs on the xcb platform).
    QtKeyboardState();
    explicit QtKeyboardState(bool readX11LockBit);

    void update(const QKeyEvent& event);

    // Reports shift instead of the physical state until cleared (nullopt).
    void setShiftOverride(std::optional<bool> shift) { shiftOverride_ = shift; }

    bool shiftHeld() const override { return shiftOverride_.value_or(shift_); }
    bool ctrlHeld() const override { return ctrl_; }
    bool capsLockOn() const override { return capsLock_; }

    // Sets the Shift override for its lifetime.
    class ShiftOverride {
    public:
        ShiftOverride(QtKeyboardState& state, bool shift);
        ~ShiftOverride();
        ShiftOverride(const ShiftOverride&) = delete;
        ShiftOverride& operator=(const ShiftOverride&) = delete;

    private:
        QtKeyboardState& state_;
        std::optional<bool> previous_;
    };

private:
    bool readX11LockBit_;
    bool shift_ = false;
    bool ctrl_ = false;
    bool capsLock_ = false;
    std::optional<bool> shiftOverride_;
};

} // namespace velmora
