#pragma once

namespace velmora {

// Modifier state at the time a key is handled.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual bool shiftHeld() const = 0;
    virtual bool ctrlHeld() const = 0;
    virtual bool capsLockOn() const = 0;
};

} // namespace velmora
