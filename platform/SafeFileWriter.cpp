#include "platform/SafeFileWriter.h"

#include <chrono>
#include <cstring>
#include <system_error>

// Forcing data to disk has no portable C++ form; these are the only system
// calls of the core and they stay in this file.
#if defined(__unix__) || defined(__APPLE__)
#define VELMORA_POSIX_FILES 1
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <io.h>
#endif

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;

std::FILE* OpenFile(const fs::path& path, const char* mode)
{
#if defined(_WIN32)
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

bool SyncFile(std::FILE* file)
{
#if defined(VELMORA_POSIX_FILES)
    const int fd = ::fileno(file);
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
#elif defined(_WIN32)
    return ::_commit(::_fileno(file)) == 0;
#else
    (void)file;
    return true;
#endif
}

// Makes the rename itself durable. Best effort: once the rename is done the
// new content is in place, so a failure here is not reported.
void SyncDirectory([[maybe_unused]] const fs::path& directory)
{
#if defined(VELMORA_POSIX_FILES)
    const fs::path dir = directory.empty() ? fs::path(".") : directory;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
#endif
}

// The target whose content is to be replaced: a symbolic link is followed
// to the file it names.
fs::path ResolveTarget(const fs::path& target)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            return resolved;
    }
    return target;
}

// Creates a new file next to target under a name nobody uses; the "x" mode
// fails rather than open an existing file.
std::FILE* CreateTemporary(const fs::path& target, const void* salt, fs::path& created)
{
    const auto stamp = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(salt));
    for (std::uint64_t attempt = 0; attempt < 16; ++attempt) {
        std::uint64_t key = stamp ^ (address << 16) ^ (attempt * 0x9E3779B97F4A7C15ull);
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(key));
        fs::path name(".");
        name += target.filename();
        name += suffix;
        const fs::path candidate = target.parent_path() / name;
        if (std::FILE* file = OpenFile(candidate, "wbx")) {
            created = candidate;
            return file;
        }
        std::error_code ec;
        if (!fs::exists(candidate, ec))
            return nullptr; // the folder is missing or not writable
    }
    return nullptr;
}

} // namespace

SafeFileWriter::SafeFileWriter(const fs::path& target)
    : target_(ResolveTarget(target))
    , buffer_(kBufferSize)
{
    if (target_.filename().empty())
        return;
    std::error_code ec;
    const auto existing = fs::status(target_, ec);
    const bool exists = fs::exists(existing);
    if (exists) {
        // Refuse a target that may not be written, as opening it for
        // writing would; append mode changes nothing in it.
        std::FILE* probe = OpenFile(target_, "ab");
        if (probe == nullptr)
            return;
        std::fclose(probe);
    }
    file_ = CreateTemporary(target_, this, temporary_);
    if (file_ == nullptr)
        return;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    // The replacement keeps the access rights of the file it replaces.
    if (exists)
        fs::permissions(temporary_, existing.permissions(), ec);
}

SafeFileWriter::~SafeFileWriter()
{
    discard();
}

void SafeFileWriter::write(const void* data, std::size_t size)
{
    if (!isOpen())
        return;
    if (used_ + size > buffer_.size()) {
        flushBuffer();
        if (size >= buffer_.size()) {
            if (std::fwrite(data, 1, size, file_) != size)
                failed_ = true;
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
}

void SafeFileWriter::flushBuffer()
{
    if (used_ != 0 && isOpen() && std::fwrite(buffer_.data(), 1, used_, file_) != used_)
        failed_ = true;
    used_ = 0;
}

bool SafeFileWriter::commit()
{
    if (!isOpen()) {
        discard();
        return false;
    }
    flushBuffer();
    if (failed_ || std::fflush(file_) != 0 || !SyncFile(file_))
        failed_ = true;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !closed) {
        discard();
        return false;
    }
    std::error_code ec;
    fs::rename(temporary_, target_, ec);
    if (ec) {
        discard();
        return false;
    }
    temporary_.clear();
    SyncDirectory(target_.parent_path());
    return true;
}

void SafeFileWriter::discard()
{
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
        temporary_.clear();
    }
    failed_ = true;
    used_ = 0;
}

} // namespace velmora
