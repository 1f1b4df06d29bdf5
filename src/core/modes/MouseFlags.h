#pragma once

#include <cstdint>

namespace velmora::mouse {

// The flags of a mouse event as the modes receive them: the buttons and
// modifier keys held (the system's key-state bits), and what the event is.
// A press carries none of the event bits.
inline constexpr std::uint32_t kLeft = 0x0001;
inline constexpr std::uint32_t kRight = 0x0002;
inline constexpr std::uint32_t kShift = 0x0004;
inline constexpr std::uint32_t kControl = 0x0008;
inline constexpr std::uint32_t kMiddle = 0x0010;

// The pointer moved while the left button is held.
inline constexpr std::uint32_t kDrag = 0x0100;
// The second press of a double click, and the third press of a triple click.
inline constexpr std::uint32_t kDoubleClick = 0x0200;
inline constexpr std::uint32_t kTripleClick = 0x0400;
// A tick of the timer that runs while the button is held with the pointer
// outside the client area: the view scrolls a step towards the pointer and
// the selection follows, as a drag.
inline constexpr std::uint32_t kAutoScroll = 0x0800;

} // namespace velmora::mouse
