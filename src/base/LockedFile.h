#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmora {

// The outcome of a system call on a file: 0 or the system's error number,
// with the system's own words for it.
struct [[nodiscard]] SystemResult {
    int error = 0;

    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
    std::string message() const;
};

// A file that its owner keeps locked while it has it open: an advisory lock
// (an open-file-description lock where the system has them, else flock) that
// the kernel releases when the file is closed or its process ends, however it
// ends. So a file whose lock can be taken belongs to no running program; a
// process id never decides it.
//
// Files are created private to the user (0600); nothing here follows a
// symbolic link or blocks on a pipe or device.
class LockedFile {
public:
    LockedFile() = default;
    ~LockedFile();
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // Creates path, which must not exist yet, for reading and writing, and
    // locks it.
    SystemResult create(const std::filesystem::path& path);

    enum class Opened {
        Locked,     // open and locked: no running program has it
        Busy,       // another open file (another program) holds the lock
        NotRegular, // a folder, a pipe, a device, a link: not opened
        Failed,     // the system refused (error() says why)
    };
    // Opens an existing regular file and takes its lock without waiting.
    Opened open(const std::filesystem::path& path);
    // The system's error of the last failed open().
    int error() const { return error_; }

    bool isOpen() const { return fd_ >= 0; }
    // Appends at the end of the file.
    SystemResult append(const void* data, std::size_t size);
    SystemResult writeAt(std::uint64_t offset, const void* data, std::size_t size);
    // Forces what was written to the disk.
    SystemResult sync();
    SystemResult truncate(std::uint64_t size);
    // The file's size now; 0 when it cannot be told.
    std::uint64_t size() const;
    // Up to capacity bytes from offset; fewer only at the end of the file.
    // -1 on failure.
    std::int64_t readAt(std::uint64_t offset, void* buffer, std::size_t capacity) const;
    // When the file was last changed (seconds since the epoch); 0 unknown.
    std::int64_t modifiedTime() const;
    // Closes the file, which releases the lock.
    void close();

private:
    int fd_ = -1;
    int error_ = 0;
};

// Creates folder (and those above it) when missing and makes it private to
// the user (0700): it holds copies of the user's texts.
SystemResult MakePrivateFolder(const std::filesystem::path& folder);

// Renames a file within a folder, replacing what had the new name, and
// makes the rename durable (the folder is synced).
SystemResult RenameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace velmora
