#pragma once

#include "base/FileWriteResult.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Replaces a file without ever leaving it half written. The new content goes
// into a temporary file in the target's folder; commit() forces it to disk
// and renames it over the target in one step. Until then the target is
// untouched.
//
// The temporary file has no name while it is written (O_TMPFILE), so a
// writer that dies, even killed outright, leaves nothing behind; it gets a
// short name of its own (".velmora-PID-N.tmp", whatever the length of the
// target's name) only for the instant between being complete and being
// renamed. Where the file system cannot make unnamed files, the temporary
// file is named like that from the start and removed by a writer that is
// destroyed without a successful commit(); a writer that was killed leaves
// it for the next writer in that folder to remove (RemoveStaleTemporaries).
//
// A folder that takes no new entries (no right to create files in it) but
// holds a writable target: the new content is gathered in memory and then
// written over the old file in place, after room for it has been reserved,
// with every write checked and forced to disk. This is the one case in
// which a crash during the save can leave the target damaged; a caller
// that can keep the new content safe elsewhere first (the editor's recovery
// copy) says so with setInPlaceGuard.
//
// Writes are buffered; the first failure is remembered, with the system's
// reason, and makes commit() fail with it, so callers write everything and
// check only the result of commit().
class SafeFileWriter {
public:
    // Prepares the replacement of target. Fails (isOpen() false) when the
    // folder does not exist, when target exists but is not a regular file or
    // cannot be written (a read-only file, a folder), or when neither a
    // temporary file nor the target can be written. A symbolic link as
    // target is followed, also when the file it names does not exist yet:
    // that file is written and the link stays.
    explicit SafeFileWriter(const std::filesystem::path& target);
    ~SafeFileWriter();

    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // True while the writer is ready and every write so far succeeded.
    bool isOpen() const { return mode_ != Mode::Closed && result_.ok(); }
    // Why the writer is not open: the first failure, or Ok.
    const FileWriteResult& failure() const { return result_; }

    void write(const void* data, std::size_t size);
    void write(std::string_view text) { write(text.data(), text.size()); }
    void put(std::uint8_t byte)
    {
        if (used_ == buffer_.size())
            flushBuffer();
        buffer_[used_++] = byte;
    }

    // Writes out the buffer, forces the data to disk and puts the new file
    // in the target's place. Fails with the first reason when any of this,
    // or any earlier write, failed; the target is then unchanged and no
    // temporary file is left. Only the first call can succeed.
    FileWriteResult commit();

    // Asked by commit() just before the target is overwritten in place, and
    // only then: false leaves the target untouched and fails the commit.
    void setInPlaceGuard(std::function<bool()> guard) { inPlaceGuard_ = std::move(guard); }
    // Whether commit() will overwrite the target in place.
    bool inPlace() const { return mode_ == Mode::InPlace; }

    // The file that commit() replaces (the target with links resolved).
    const std::filesystem::path& target() const { return target_; }

    // Removes the temporary files that writers of processes no longer
    // running left in folder. Done by every writer for its own folder.
    static void RemoveStaleTemporaries(const std::filesystem::path& folder);

private:
    enum class Mode { Closed, Unnamed, Named, InPlace };

    void flushBuffer();
    bool writeOut(const void* data, std::size_t size);
    bool commitInPlace();
    void discard();
    // Remembers the first failure; later ones are consequences of it.
    void fail(FileWriteResult::Reason reason, int error = 0);
    void failWithErrno() { fail(FileWriteResult::Reason::CannotWrite, errno); }

    std::filesystem::path target_;
    std::filesystem::path temporary_; // Named: the temporary file's name
    Mode mode_ = Mode::Closed;
    int fd_ = -1;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    std::string inPlace_; // InPlace: the whole new content
    FileWriteResult result_;
    std::function<bool()> inPlaceGuard_;
};

} // namespace velmora
