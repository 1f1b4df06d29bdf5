#pragma once

#include <string>
#include <system_error>

namespace velmora {

// What became of writing a file: every writer (documents, HTML and ATF
// exports, word data, settings, recovery copies) reports its outcome as
// one of these, so that the user learns why a save failed (a full disk, a
// read-only folder) in the same words whichever file it was (FailureText).
struct [[nodiscard]] FileWriteResult {
    enum class Reason {
        Ok,
        BadName,      // no file name, or a loop of symbolic links
        NotRegular,   // the target is a folder, a device or a pipe
        CannotWrite,  // the system refused to create, write or sync it (error)
        Refused,      // an in-place overwrite was refused because its text could not be kept safe first
        CannotEncode, // the content has something the file's format cannot express
    };

    Reason reason = Reason::Ok;
    // The system's error number for CannotWrite (ENOSPC, EACCES, EROFS …).
    int error = 0;

    bool ok() const { return reason == Reason::Ok; }
    explicit operator bool() const { return ok(); }

    // The system's own words for error ("No space left on device").
    std::string systemError() const
    {
        return error != 0 ? std::generic_category().message(error) : std::string();
    }

    static FileWriteResult Success() { return {}; }
    static FileWriteResult Failure(Reason reason, int error = 0)
    {
        FileWriteResult result;
        result.reason = reason;
        result.error = error;
        return result;
    }
};

} // namespace velmora
