#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// UTF-8 as the document text file stores it. The codec is deliberately
// lenient so that every file loads and every document saves: it encodes
// surrogate values like any other three-byte value and decodes by the lead
// byte alone, without checking continuation bytes, overlong forms or the
// upper limit of Unicode.

// The bytes of one encoded code point; count is 0 to 4.
struct Utf8Encoded {
    std::array<std::uint8_t, 4> bytes{};
    std::uint32_t count = 0;
};

// One decoded code point and the number of bytes it took (1 to 4).
struct Utf8Decoded {
    std::uint32_t codePoint = 0;
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

// The number of bytes a sequence starting with lead byte b0 occupies:
// 2, 3 or 4 for a multi-byte lead, 1 for anything else (an ASCII byte, a
// stray continuation byte, 0xF8 to 0xFF).
constexpr std::uint32_t Utf8SequenceLength(std::uint8_t b0)
{
    if ((b0 & 0xE0) == 0xC0)
        return 2;
    if ((b0 & 0xF0) == 0xE0)
        return 3;
    if ((b0 & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Decodes the sequence that starts with b0. The form is chosen by b0 alone;
// of the following bytes only the low six bits are used, and bytes beyond
// the sequence's length are ignored. A byte that cannot start a sequence
// (0x80 to 0xBF, 0xF8 to 0xFF) decodes as 0 and counts as one byte.
// Overlong forms, surrogates and values up to 0x1FFFFF (leads 0xF5 to 0xF7)
// come out as they decode.
constexpr Utf8Decoded DecodeUtf8(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                 std::uint8_t b3)
{
    const std::uint32_t c1 = b1 & 0x3Fu;
    const std::uint32_t c2 = b2 & 0x3Fu;
    const std::uint32_t c3 = b3 & 0x3Fu;
    switch (Utf8SequenceLength(b0)) {
    case 2:
        return {((b0 & 0x1Fu) << 6) | c1, 2};
    case 3:
        return {((b0 & 0x0Fu) << 12) | (c1 << 6) | c2, 3};
    case 4:
        return {((b0 & 0x07u) << 18) | (c1 << 12) | (c2 << 6) | c3, 4};
    default:
        return {b0 <= 0x7F ? std::uint32_t{b0} : 0u, 1};
    }
}

} // namespace velmora
