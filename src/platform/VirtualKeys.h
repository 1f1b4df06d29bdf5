#pragma once

#include <cstdint>

namespace velmora {

// Virtual-key codes the editing modes read. Letters and digits are their
// upper-case ASCII codes; punctuation keys are those of a Japanese keyboard.
namespace vk {
inline constexpr std::uint32_t Back = 0x08;
inline constexpr std::uint32_t Tab = 0x09;
inline constexpr std::uint32_t Return = 0x0D;
inline constexpr std::uint32_t Shift = 0x10;
inline constexpr std::uint32_t Control = 0x11;
inline constexpr std::uint32_t Capital = 0x14;
inline constexpr std::uint32_t Escape = 0x1B;
inline constexpr std::uint32_t Space = 0x20;
inline constexpr std::uint32_t Prior = 0x21; // Page Up
inline constexpr std::uint32_t Next = 0x22;  // Page Down
inline constexpr std::uint32_t End = 0x23;
inline constexpr std::uint32_t Home = 0x24;
inline constexpr std::uint32_t Left = 0x25;
inline constexpr std::uint32_t Up = 0x26;
inline constexpr std::uint32_t Right = 0x27;
inline constexpr std::uint32_t Down = 0x28;
inline constexpr std::uint32_t Delete = 0x2E;
inline constexpr std::uint32_t F1 = 0x70;
inline constexpr std::uint32_t F3 = 0x72;
inline constexpr std::uint32_t Oem1 = 0xBA;      // : *
inline constexpr std::uint32_t OemPlus = 0xBB;   // ; +
inline constexpr std::uint32_t OemComma = 0xBC;  // , <
inline constexpr std::uint32_t OemMinus = 0xBD;  // - =   (macron in the input mode)
inline constexpr std::uint32_t OemPeriod = 0xBE; // . >
inline constexpr std::uint32_t Oem2 = 0xBF;      // / ?
inline constexpr std::uint32_t Oem3 = 0xC0;      // @ `   (apostrophe in the input mode)
inline constexpr std::uint32_t Oem4 = 0xDB;      // [ {
inline constexpr std::uint32_t Oem5 = 0xDC;      // \ |
inline constexpr std::uint32_t Oem6 = 0xDD;      // ] }
inline constexpr std::uint32_t Oem7 = 0xDE;      // ^ ~   (circumflex in the input mode)
inline constexpr std::uint32_t Oem102 = 0xDF;    // \ |
} // namespace vk

} // namespace velmora
