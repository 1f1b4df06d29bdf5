#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

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

// Appends the UTF-8 bytes of c to out (nothing above 0x10FFFF).
inline void AppendUtf8(std::string& out, std::uint32_t c)
{
    const Utf8Encoded e = EncodeUtf8(c);
    out.append(reinterpret_cast<const char*>(e.bytes.data()), e.count);
}

// The UTF-8 text of a sequence of code points (cells, a u32string).
template <class CodePoints>
std::string Utf8Of(const CodePoints& codePoints)
{
    std::string out;
    for (const auto c : codePoints)
        AppendUtf8(out, static_cast<std::uint32_t>(c));
    return out;
}

// One code point read by DecodeUtf8Sequence; length 0 when the bytes do not
// begin with a well-formed sequence.
struct Utf8Decoded {
    std::uint32_t codePoint = 0;
    std::uint32_t length = 0;
};

// Strictly decodes the sequence at the start of bytes[0, size), size > 0:
// a stray or missing continuation byte, an overlong form, a surrogate or a
// value above 0x10FFFF is ill-formed. (The document reader is more lenient:
// it reads back the surrogates EncodeUtf8 writes.)
constexpr Utf8Decoded DecodeUtf8Sequence(const unsigned char* bytes, std::size_t size)
{
    const unsigned char b0 = bytes[0];
    if (b0 < 0x80)
        return {b0, 1};
    std::uint32_t length = 0;
    std::uint32_t c = 0;
    std::uint32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, c = b0 & 0x1Fu, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, c = b0 & 0x0Fu, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, c = b0 & 0x07u, minimum = 0x10000;
    } else {
        return {};
    }
    if (size < length)
        return {};
    for (std::uint32_t k = 1; k < length; ++k) {
        const unsigned char b = bytes[k];
        if ((b & 0xC0) != 0x80)
            return {};
        c = (c << 6) | (b & 0x3Fu);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {};
    return {c, length};
}

} // namespace velmora
