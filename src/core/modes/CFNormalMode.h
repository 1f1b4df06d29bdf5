#pragma once

#include "core/modes/CFMode.h"
#include "core/modes/KeyModifiers.h"
#include "platform/Geometry.h"

#include <cstdint>

namespace velmora {

// Mode 0: moves the cursor, selects, edits, runs the clipboard, undo, redo
// and select-all shortcuts, types characters in the "Alphabet" setting and
// hands letters and digits over to input mode in the "Sign" setting. Entered
// from sign selection it inserts the accepted signs. Every key is carried
// out by the editing commands (CFEditCommands), so an edit that would make
// a line too long, or pass the editor's line limit, changes nothing.
class CFNormalMode : public CFMode {
public:
    CFNormalMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);

    void OnEnter(int previous) override;
    int OnKeyDown(std::uint32_t vk) override;
    // "Alphabet": the character goes in as typed. "Sign": a character that
    // begins a transliteration hands over to input mode; any other
    // (punctuation, other scripts) goes in as typed.
    int OnText(std::uint32_t character) override;
    // A press places the cursor and anchors a new selection there (with
    // Shift it extends the selection instead); a double click selects the
    // word, a triple click the line; a drag extends the selection, to the
    // cell at the edge when the pointer is outside the client area, and an
    // auto-scroll tick first scrolls a step towards the pointer (the flags
    // of MouseFlags.h).
    int OnMouse(std::uint32_t flags) override;
    void OnPaint(Surface& surface) override;

    // The character a key types in the "Alphabet" setting (the keycaps of a
    // Japanese keyboard), or 0 when it types none. shifted is Shift held,
    // inverted while Caps Lock is on.
    static std::uint32_t AlphabetCharacter(std::uint32_t vk, bool shifted);

private:
    // Arrows, Home, End, Page Up and Page Down: moves the cursor and returns
    // true; false for other keys.
    bool MoveCursor(std::uint32_t vk, const KeyModifiers& keys);
    // One line up or down, and one step left or right, towards a pointer
    // outside the client area.
    void ScrollTowards(Point pointer, const Rect& client);
};

} // namespace velmora
