#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The program's one UTF-8 codec. The encoder takes every value a cell can
// hold: surrogate values are encoded like any other three-byte value, so
// that every document saves. The decoder is strict (no surrogates, as
// Unicode defines UTF-8) except where the caller accepts surrogates: the
// document reader does, so that it reads back what the encoder wrote.

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

// Appends the bytes of c (nothing for a value above 0x10FFFF).
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

// Whether the decoder takes the surrogate values U+D800 to U+DFFF.
enum class Utf8Surrogates { Reject, Accept };

// One code point read by DecodeUtf8Sequence. length is 0 when the bytes do
// not begin with a well-formed sequence; truncated is set as well when they
// are a well-formed start that the end of the bytes cuts off, so that a
// reader fed in pieces can wait for the rest.
struct Utf8Decoded {
    std::uint32_t codePoint = 0;
    std::uint32_t length = 0;
    bool truncated = false;
};

// Decodes the sequence at the start of bytes[0, size), size > 0: a stray or
// missing continuation byte, an overlong form, a value above 0x10FFFF or,
// unless accepted, a surrogate is ill-formed.
constexpr Utf8Decoded DecodeUtf8Sequence(const unsigned char* bytes, std::size_t size,
                                         Utf8Surrogates surrogates = Utf8Surrogates::Reject)
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
        return {}; // a continuation byte, or 0xF8 to 0xFF
    }
    const std::uint32_t have = size < length ? static_cast<std::uint32_t>(size) : length;
    for (std::uint32_t k = 1; k < have; ++k) {
        const unsigned char b = bytes[k];
        if ((b & 0xC0) != 0x80)
            return {};
        c = (c << 6) | (b & 0x3Fu);
    }
    if (have < length) {
        // A start is ill-formed already when every way it could go on is
        // overlong or beyond U+10FFFF (a lead 0xC0, 0xC1, 0xF5 to 0xF7, or
        // 0xE0 0x80).
        const std::uint32_t shift = 6u * (length - have);
        const bool possible = ((c + 1) << shift) - 1 >= minimum && (c << shift) <= 0x10FFFF;
        return {0, 0, possible};
    }
    if (c < minimum || c > 0x10FFFF)
        return {};
    if (surrogates == Utf8Surrogates::Reject && c >= 0xD800 && c <= 0xDFFF)
        return {};
    return {c, length};
}

// Strict decoding of a whole text into code points appended to out (a
// container of std::uint32_t or char32_t). False at the first ill-formed
// sequence; out then holds what came before it.
template <class CodePoints>
bool DecodeUtf8Into(std::string_view text, CodePoints& out)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Decoded d = DecodeUtf8Sequence(bytes + i, text.size() - i);
        if (d.length == 0)
            return false;
        out.push_back(static_cast<typename CodePoints::value_type>(d.codePoint));
        i += d.length;
    }
    return true;
}

// The code points of text, or nothing when it is not well-formed UTF-8.
inline std::optional<std::vector<std::uint32_t>> DecodeUtf8(std::string_view text)
{
    std::vector<std::uint32_t> codePoints;
    codePoints.reserve(text.size());
    if (!DecodeUtf8Into(text, codePoints))
        return std::nullopt;
    return codePoints;
}

// Lenient decoding for text that is shown, never stored (a file name in the
// title): every byte that begins no well-formed sequence becomes U+FFFD.
inline std::vector<std::uint32_t> DecodeUtf8Lenient(std::string_view text)
{
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::vector<std::uint32_t> codePoints;
    codePoints.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Decoded d = DecodeUtf8Sequence(bytes + i, text.size() - i);
        codePoints.push_back(d.length == 0 ? kReplacement : d.codePoint);
        i += d.length == 0 ? 1 : d.length;
    }
    return codePoints;
}

} // namespace velmora
