#pragma once

#include "modes/CFMode.h"

#include <cstdint>
#include <optional>

namespace velmora {

// Mode 0: moves the cursor, selects, edits, runs the clipboard and undo
// shortcuts, types characters in the "Alphabet" setting and hands letters
// and digits over to input mode in the "Sign" setting. Entered from sign
// selection it inserts the accepted signs.
//
// An edit that leaves the cursor line at the document's maximum line length
// or beyond, and longer than the line was, is taken back at once, so typing
// keeps a line below the limit. Keys that change nothing never take anything
// back.
class CFNormalMode : public CFMode {
public:
    CFNormalMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);

    void OnEnter(int previous) override;
    int OnKeyDown(std::uint32_t vk) override;
    int OnMouse(std::uint32_t flags) override;
    void OnPaint(Surface& surface) override;

    // The character a key types in the "Alphabet" setting (the keycaps of a
    // Japanese keyboard), or 0 when it types none. shifted is Shift held,
    // inverted while Caps Lock is on.
    static std::uint32_t AlphabetCharacter(std::uint32_t vk, bool shifted);

private:
    // Arrow keys: moves the cursor and returns true; false for other keys.
    bool MoveCursor(std::uint32_t vk);
    // The edits of the keys. Each returns the length that the line taking
    // the edit had before it, or nothing when the document is unchanged.
    std::optional<std::uint32_t> TypeCharacter(std::uint32_t character);
    std::optional<std::uint32_t> DeleteBackwards();
    std::optional<std::uint32_t> SplitLine();
    std::optional<std::uint32_t> Cut();
    std::optional<std::uint32_t> Paste();
};

} // namespace velmora
