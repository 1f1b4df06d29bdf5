#include "core/files/TextFileDecoder.h"

#include "base/Utf8Codec.h"
#include "core/document/CFDocument.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace velmora {

namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;

// Decodes the sequence at p, of which avail bytes are at hand. Returns its
// length (2 to 4) with the code point in cp; 0 when the bytes at hand are
// a correct start but the sequence goes on beyond them; -1 when they are
// not UTF-8. Surrogates pass (see the class comment).
inline int DecodeSequence(const std::uint8_t* p, std::size_t avail, std::uint32_t& cp)
{
    const Utf8Decoded d = DecodeUtf8Sequence(p, avail, Utf8Surrogates::Accept);
    if (d.length == 0)
        return d.truncated ? 0 : -1;
    cp = d.codePoint;
    return static_cast<int>(d.length);
}

// The code point of a four-byte sequence whose bytes (lead in the low byte)
// have already been checked for their forms.
inline std::uint32_t DecodeFour(std::uint32_t w)
{
    return ((w & 0x07u) << 18) | ((w & 0x3F00u) << 4) | ((w & 0x3F0000u) >> 10) | ((w & 0x3F000000u) >> 24);
}

// Whether one of the eight bytes of w is the ASCII byte b.
inline bool HasByte(std::uint64_t w, std::uint8_t b)
{
    const std::uint64_t x = w ^ (0x0101010101010101ull * b);
    return ((x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull) != 0;
}

} // namespace

TextFileDecoder::TextFileDecoder(CFDocument& target, std::uint32_t maxLineLength, std::uint32_t lineLimit)
    : target_(target)
    , maxLineLength_(maxLineLength)
    , lineLimit_(lineLimit)
    , cells_(maxLineLength)
{
}

bool TextFileDecoder::fail(FileLoadResult::Reason reason, const char* detail)
{
    std::uint64_t limit = 0;
    if (reason == FileLoadResult::Reason::LineTooLong)
        limit = maxLineLength_;
    else if (reason == FileLoadResult::Reason::TooManyLines)
        limit = lineLimit_;
    const std::uint32_t line = reason == FileLoadResult::Reason::TooManyLines ? 0 : lines_ + 1;
    result_ = FileLoadResult::Failure(reason, detail, line, limit);
    return false;
}

bool TextFileDecoder::endLine()
{
    // The line after this one makes lines_ + 2.
    if (lines_ + 2 > lineLimit_)
        return fail(FileLoadResult::Reason::TooManyLines, "too many lines");
    appendLine();
    ++lines_;
    return true;
}

void TextFileDecoder::appendLine()
{
    // The target starts with one empty line: the first line goes there.
    if (lines_ > 0)
        target_.InsertLine(lines_);
    target_.InsertCells(used_, lines_, 0, cells_.data());
    used_ = 0;
}

const std::uint8_t* TextFileDecoder::completePending(const std::uint8_t* p, const std::uint8_t* end)
{
    while (pendingSize_ < 4 && p < end) {
        pending_[pendingSize_++] = *p++;
        std::uint32_t cp = 0;
        const int length = DecodeSequence(pending_, pendingSize_, cp);
        if (length < 0) {
            fail(FileLoadResult::Reason::NotUtf8, "not UTF-8");
            return nullptr;
        }
        if (length > 0) {
            pendingSize_ = 0;
            if (used_ == maxLineLength_) {
                fail(FileLoadResult::Reason::LineTooLong, "line too long");
                return nullptr;
            }
            cells_[used_++] = cp;
            return p;
        }
    }
    return p;
}

const std::uint8_t* TextFileDecoder::decodeFrom(const std::uint8_t* p, const std::uint8_t* end)
{
    std::uint32_t* const cells = cells_.data();
    std::uint32_t used = used_;
    const std::uint32_t max = maxLineLength_;
    while (p < end) {
        // Runs of the common cases eight bytes at a time: two signs of four
        // bytes, or eight ASCII characters that end no line. Anything else,
        // and the last bytes of the line's room, go the general way below.
        if constexpr (std::endian::native == std::endian::little) {
            while (end - p >= 8 && max - used >= 8) {
                std::uint64_t w;
                std::memcpy(&w, p, 8);
                if ((w & 0xC0C0C0F8C0C0C0F8ull) == 0x808080F0808080F0ull) {
                    const std::uint32_t a = DecodeFour(static_cast<std::uint32_t>(w));
                    const std::uint32_t b = DecodeFour(static_cast<std::uint32_t>(w >> 32));
                    if (a - 0x10000 > 0xFFFFF || b - 0x10000 > 0xFFFFF)
                        break;
                    cells[used] = a;
                    cells[used + 1] = b;
                    used += 2;
                    p += 8;
                } else if ((w & 0x8080808080808080ull) == 0 && !HasByte(w, kCr) && !HasByte(w, kLf)) {
                    for (int i = 0; i < 8; ++i)
                        cells[used + i] = p[i];
                    used += 8;
                    p += 8;
                } else {
                    break;
                }
            }
            if (p == end)
                break;
        }
        const std::uint8_t b = *p;
        std::uint32_t cp;
        if (b < 0x80) {
            if (b == kCr || b == kLf) {
                used_ = used;
                if (!endLine())
                    return nullptr;
                used = 0;
                ++p;
                if (b == kCr) {
                    if (p == end)
                        afterCr_ = true;
                    else if (*p == kLf)
                        ++p;
                }
                continue;
            }
            cp = b;
            ++p;
        } else {
            const int length = DecodeSequence(p, static_cast<std::size_t>(end - p), cp);
            if (length <= 0) {
                used_ = used;
                if (length < 0) {
                    fail(FileLoadResult::Reason::NotUtf8, "not UTF-8");
                    return nullptr;
                }
                // Cut off by the end of this piece: finished with the next.
                pendingSize_ = static_cast<std::uint32_t>(end - p);
                std::copy(p, end, pending_);
                return end;
            }
            p += length;
        }
        if (used == max) {
            used_ = used;
            fail(FileLoadResult::Reason::LineTooLong, "line too long");
            return nullptr;
        }
        cells[used++] = cp;
    }
    used_ = used;
    return p;
}

bool TextFileDecoder::feed(const std::uint8_t* data, std::size_t size)
{
    if (!result_)
        return false;
    const std::uint8_t* p = data;
    const std::uint8_t* const end = data + size;
    if (p == end)
        return true;
    if (afterCr_) {
        afterCr_ = false;
        if (*p == kLf)
            ++p;
    }
    if (pendingSize_ > 0) {
        p = completePending(p, end);
        if (p == nullptr)
            return false;
    }
    return decodeFrom(p, end) != nullptr;
}

FileLoadResult TextFileDecoder::finish()
{
    if (!result_)
        return result_;
    if (pendingSize_ > 0) {
        fail(FileLoadResult::Reason::NotUtf8, "a sequence cut off by the end of the file");
        return result_;
    }
    appendLine();
    return result_;
}

FileLoadResult TextFileDecoder::Decode(std::string_view bytes, CFDocument& target,
                                       std::uint32_t maxLineLength, std::uint32_t lineLimit)
{
    TextFileDecoder decoder(target, maxLineLength, lineLimit);
    decoder.feed(bytes);
    return decoder.finish();
}

} // namespace velmora
