#pragma once

#include "base/FileLoadResult.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace velmora {

// A file opened for reading only when it is a regular file no larger than
// the reader accepts. Opening never blocks: a pipe without a writer, a
// device or a folder is refused before a byte is read, and so is a file
// larger than the limit, so a wrong name in the settings cannot hang the
// program or fill its memory. A file that grows past the limit while it is
// read is refused as well.
class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Opens path. On failure the result says why (Missing, NotRegular,
    // TooLarge, CannotRead) and nothing is open.
    FileLoadResult open(const std::filesystem::path& path, std::uint64_t maxSize);
    // Up to capacity bytes; 0 at the end of the file or after a failure,
    // which status() then reports.
    std::size_t read(void* buffer, std::size_t capacity);
    // Ok, or why reading stopped early.
    const FileLoadResult& status() const { return status_; }
    // The file's size when it was opened.
    std::uint64_t size() const { return size_; }
    void close();

    // The whole content of the file at path (see open).
    static FileLoadResult ReadAll(const std::filesystem::path& path, std::uint64_t maxSize,
                                  std::string& bytes);

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t maxSize_ = 0;
    std::uint64_t consumed_ = 0;
    FileLoadResult status_;
};

} // namespace velmora
