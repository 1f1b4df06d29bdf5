#pragma once

namespace velmora {

// The modifier state that came with a key event: Shift and Ctrl held, Caps
// Lock on. The editor stores it in the editing state before it routes the
// key, and the modes read it from there.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool capsLock = false;

    friend bool operator==(const KeyModifiers&, const KeyModifiers&) = default;
};

} // namespace velmora
