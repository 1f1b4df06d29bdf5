#pragma once

#include <cstdint>

namespace velmora {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR: red in the low byte, blue in the third.
using ColorRef = std::uint32_t;
inline constexpr ColorRef kBlack = 0x000000;
inline constexpr ColorRef kWhite = 0xFFFFFF;
inline constexpr ColorRef kBlue = 0xFF0000;
inline constexpr ColorRef kGray = 0x808080;

constexpr ColorRef Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}

} // namespace velmora
