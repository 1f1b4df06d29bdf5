#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

// UTF-16, as text is measured, drawn and put on the clipboard: a code point
// from U+10000 up is a surrogate pair, every other one a single unit.

constexpr bool IsHighSurrogate(char16_t unit)
{
    return (unit & 0xFC00) == 0xD800;
}

constexpr bool IsLowSurrogate(char16_t unit)
{
    return (unit & 0xFC00) == 0xDC00;
}

// The code point of a high and a low surrogate.
constexpr std::uint32_t CombineSurrogates(char16_t high, char16_t low)
{
    return 0x10000 + ((std::uint32_t(high) & 0x3FF) << 10) + (std::uint32_t(low) & 0x3FF);
}

// The units of one code point; count is 1 or 2. Values above 0x10FFFF keep
// only their low 20 bits' pair, as a cell never holds one.
struct Utf16Encoded {
    std::array<char16_t, 2> units{};
    std::uint32_t count = 0;
};

constexpr Utf16Encoded EncodeUtf16(std::uint32_t c)
{
    if (c < 0x10000)
        return {{static_cast<char16_t>(c), 0}, 1};
    const std::uint32_t v = c - 0x10000;
    return {
        {static_cast<char16_t>(0xD800 + ((v >> 10) & 0x3FF)), static_cast<char16_t>(0xDC00 + (v & 0x3FF))},
        2};
}

inline void AppendUtf16(std::u16string& out, std::uint32_t c)
{
    const Utf16Encoded e = EncodeUtf16(c);
    out.append(e.units.data(), e.count);
}

} // namespace velmora
