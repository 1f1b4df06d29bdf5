#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// UTF-8 as the document text file stores it. The encoder takes every value
// a cell can hold: surrogate values are encoded like any other three-byte
// value, so that every document saves (TextFileDecoder reads them back).

// The bytes of one encoded code point; count is 0 to 4.
struct Utf8Encoded {
    std::array<std::uint8_t, 4> bytes{};
    std::uint32_t count = 0;
};

// Encodes c in 1 to 4 bytes. Values above 0x10FFFF give no bytes at all
// (count 0), so they are left out of the text.
constexpr Utf8Encoded EncodeUtf8(std::uint32_t c)
{
    Utf8Encoded e;
    if (c <= 0x7F) {
        e.bytes[0] = static_cast<std::uint8_t>(c);
        e.count = 1;
    } else if (c <= 0x7FF) {
        e.bytes[0] = static_cast<std::uint8_t>(0xC0 | (c >> 6));
        e.bytes[1] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        e.count = 2;
    } else if (c <= 0xFFFF) {
        e.bytes[0] = static_cast<std::uint8_t>(0xE0 | (c >> 12));
        e.bytes[1] = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
        e.bytes[2] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        e.count = 3;
    } else if (c <= 0x10FFFF) {
        e.bytes[0] = static_cast<std::uint8_t>(0xF0 | (c >> 18));
        e.bytes[1] = static_cast<std::uint8_t>(0x80 | ((c >> 12) & 0x3F));
        e.bytes[2] = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
        e.bytes[3] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        e.count = 4;
    }
    return e;
}

} // namespace velmora
