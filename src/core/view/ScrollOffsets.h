#pragma once

#include <cstdint>

namespace velmora {

// Where an editor's view stands: the first line shown (vertical position, in
// lines) and the x offset of the view (horizontal position, in pixels). A
// position counts only while its scroll bar is active; otherwise it is 0.
struct ScrollOffsets {
    bool verticalActive = false;
    int verticalPosition = 0;
    bool horizontalActive = false;
    int horizontalPosition = 0;

    // The first line shown.
    std::uint32_t top() const { return verticalActive ? static_cast<std::uint32_t>(verticalPosition) : 0; }
    // The x offset of the view in pixels.
    int left() const { return horizontalActive ? horizontalPosition : 0; }
};

} // namespace velmora
