#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// What became of reading a file: every loader (documents, sign data,
// settings) reports its outcome as one of these, so that the user is told
// what happened in the same words whichever file it was (FailureText).
struct [[nodiscard]] FileLoadResult {
    enum class Reason {
        Ok,
        Missing,      // no file of that name (or a folder on the way is missing)
        NotRegular,   // a folder, a device, a pipe, a socket
        TooLarge,     // larger than the loader accepts (limit: bytes)
        CannotRead,   // the system refused to open or read it (systemError)
        NotUtf8,      // not valid UTF-8 (line: where the first bad byte is)
        LineTooLong,  // a line of more cells than allowed (line, limit: cells)
        TooManyLines, // more lines than allowed (limit: lines)
        Syntax,       // a line the format does not allow (line)
    };

    Reason reason = Reason::Ok;
    // 1-based line the reason refers to; 0 when none.
    std::uint32_t line = 0;
    // The limit that was passed (bytes, cells or lines by reason).
    std::uint64_t limit = 0;
    // The system's own words for CannotRead.
    std::string systemError;
    // A short English description for command-line tools and logs.
    std::string detail;

    bool ok() const { return reason == Reason::Ok; }
    explicit operator bool() const { return ok(); }

    static FileLoadResult Success() { return {}; }
    static FileLoadResult Failure(Reason reason, std::string detail, std::uint32_t line = 0,
                                  std::uint64_t limit = 0)
    {
        FileLoadResult result;
        result.reason = reason;
        result.detail = std::move(detail);
        result.line = line;
        result.limit = limit;
        return result;
    }
};

} // namespace velmora
