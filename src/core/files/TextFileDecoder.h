#pragma once

#include "base/FileLoadResult.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velmora {

class CFDocument;

// Turns the bytes of a document text file into lines of cells, piece by
// piece as they are read, checking as it goes:
//
// - the bytes must be well-formed UTF-8: no stray continuation bytes, no
//   sequence cut short, no overlong forms, nothing above U+10FFFF. The one
//   leniency is the three-byte form of a surrogate (U+D800 to U+DFFF), which
//   is how a document holding a lone half of a pair is saved: such files
//   open, and save back as they were.
// - LF, CR LF and a lone CR each end a line; a line end at the very end of
//   the file gives an empty last line. Every other code point, control
//   characters and a byte-order mark included, is a cell.
// - no line may hold more than maxLineLength cells, and there may be no
//   more than lineLimit lines.
//
// The first problem stops the decoding; result() says what it was and on
// which line (1-based). The target document receives the lines decoded so
// far, so callers decode into a document of their own and keep it only when
// finish() succeeds.
class TextFileDecoder {
public:
    // target must hold one empty line (a new or cleared document).
    TextFileDecoder(CFDocument& target, std::uint32_t maxLineLength, std::uint32_t lineLimit);

    // Decodes the next piece of the file. False once a problem was found.
    bool feed(const std::uint8_t* data, std::size_t size);
    bool feed(std::string_view bytes)
    {
        return feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    // After the last piece: ends the last line. A sequence cut off by the
    // end of the file is not UTF-8.
    FileLoadResult finish();

    const FileLoadResult& result() const { return result_; }

    // The whole of a file's bytes in one go.
    static FileLoadResult Decode(std::string_view bytes, CFDocument& target, std::uint32_t maxLineLength,
                                 std::uint32_t lineLimit);

private:
    const std::uint8_t* decodeFrom(const std::uint8_t* p, const std::uint8_t* end);
    const std::uint8_t* completePending(const std::uint8_t* p, const std::uint8_t* end);
    bool endLine();
    void appendLine();
    bool fail(FileLoadResult::Reason reason, const char* detail);

    CFDocument& target_;
    std::uint32_t maxLineLength_;
    std::uint32_t lineLimit_;
    // The cells of the line being read.
    std::vector<std::uint32_t> cells_;
    std::uint32_t used_ = 0;
    // Lines completed so far.
    std::uint32_t lines_ = 0;
    // A CR ended the last piece: an LF at the start of the next belongs to it.
    bool afterCr_ = false;
    // The start of a sequence that the last piece cut off.
    std::uint8_t pending_[4] = {};
    std::uint32_t pendingSize_ = 0;
    FileLoadResult result_;
};

} // namespace velmora
