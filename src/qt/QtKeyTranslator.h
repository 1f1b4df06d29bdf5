#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <Qt>

class QKeyEvent;

namespace velmora {

// Turns a Qt key press into the virtual-key code the editing modes read and
// the Shift state to report while it is handled.
//
// - Letters: 'A'..'Z' with the physical Shift.
// - Space, Enter (both), Backspace, Delete, Escape, Tab, the arrows, Home,
//   End, Page Up, Page Down, Shift, Control and Caps Lock: their own codes,
//   with the physical Shift.
// - A printable character of the Japanese keyboard table (digits, the
//   punctuation keys 0xBA-0xC0 and 0xDB-0xDE, and "!"..")" on Shift+1..9):
//   the key and Shift state that make the modes' table give that same
//   character, whatever the user's layout. The modes treat Shift as inverted
//   while Caps Lock is on, so the reported Shift is the needed one inverted
//   when Caps Lock is on. Thus "-" is the macron key 0xBD, "^" the circumflex
//   key 0xDE and "@" the apostrophe key 0xC0 on every layout.
// - With Ctrl held the key itself is taken (Ctrl+C is 0x43).
// - Everything else (function keys, Insert, Alt combinations,
//   characters the table lacks such as "_" or "é") gives nothing.
class QtKeyTranslator {
public:
    struct Key {
        std::uint32_t virtualKey = 0;
        bool shift = false;
        friend bool operator==(const Key&, const Key&) = default;
    };

    static std::optional<Key> translate(const QKeyEvent& event, bool capsLockOn);
    static std::optional<Key> translate(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                                        bool capsLockOn);

    // The key and Shift state (before Caps Lock) that type ch in the table.
    static std::optional<Key> keyForCharacter(char16_t ch);
};

} // namespace velmora
