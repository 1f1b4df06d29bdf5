#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace velmora {

// Replaces a file without ever leaving it half written. The new content goes
// into a temporary file in the target's folder; commit() flushes it to disk
// and renames it over the target in one step. Until then the target is
// untouched, and a writer destroyed without a successful commit() removes
// its temporary file, so an interrupted or failed save leaves the old file
// exactly as it was and no litter beside it.
//
// Writes are buffered; a failed write is remembered and makes commit()
// fail, so callers write everything and check only the result of commit().
class SafeFileWriter {
public:
    // Creates the temporary file for target. Fails (isOpen() false) when the
    // folder does not exist or cannot be written, or when target exists but
    // cannot be opened for writing (a read-only file, a folder). A symbolic
    // link as target is followed, so the file it names is replaced and the
    // link stays.
    explicit SafeFileWriter(const std::filesystem::path& target);
    ~SafeFileWriter();

    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // True while the temporary file is open and every write so far succeeded.
    bool isOpen() const { return file_ != nullptr && !failed_; }

    void write(const void* data, std::size_t size);
    void write(std::string_view text) { write(text.data(), text.size()); }
    void put(std::uint8_t byte)
    {
        if (used_ == buffer_.size())
            flushBuffer();
        buffer_[used_++] = byte;
    }

    // Writes out the buffer, forces the data to disk, closes the temporary
    // file and renames it over the target. Returns false when any of this,
    // or any earlier write, failed; the target is then unchanged and the
    // temporary file removed. Only the first call can succeed.
    bool commit();

    // The file that commit() replaces (the target with links resolved).
    const std::filesystem::path& target() const { return target_; }

private:
    void flushBuffer();
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

} // namespace velmora
