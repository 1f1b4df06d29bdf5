#pragma once

namespace velmora {

// The keyboard's modifier state as the platform follows it. The front end
// reads Caps Lock from it to translate keys; the editing modes never poll it:
// they read the modifiers that came with the key (KeyModifiers).
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual bool shiftHeld() const = 0;
    virtual bool ctrlHeld() const = 0;
    virtual bool capsLockOn() const = 0;
};

} // namespace velmora
