#include "base/SafeFileWriter.h"

#include "base/Process.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <system_error>

// Unnamed files, forcing data to disk and reserving room have no portable
// C++ form; the system calls for them stay in this file.
#if !defined(__unix__) && !defined(__APPLE__)
#error "SafeFileWriter needs the POSIX file interface"
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;
constexpr std::string_view kTemporaryPrefix = ".velmora-";
constexpr std::string_view kTemporarySuffix = ".tmp";
// How many symbolic links are followed before giving up on a loop.
constexpr int kMaxLinks = 40;

bool SyncFile(int fd)
{
    int result;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// Makes a rename durable. Best effort: once the rename is done the new
// content is in place, so a failure here is not reported.
void SyncDirectory(const fs::path& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

fs::path FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The file that target stands for: symbolic links are followed to the
// file they name, whether or not it exists. False for a loop of links.
bool ResolveTarget(fs::path target, fs::path& resolved)
{
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) {
            resolved = target;
            return true;
        }
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return false;
        target = next.is_absolute() ? next : FolderOf(target) / next;
    }
    return false;
}

// ".velmora-PID-KEY.tmp": short whatever the target's name, and telling
// which process made it.
fs::path TemporaryName(const fs::path& folder)
{
    static std::atomic<std::uint64_t> counter{0};
    const auto stamp =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t key = stamp ^ (++counter * 0x9E3779B97F4A7C15ull);
    char name[64];
    std::snprintf(name, sizeof name, ".velmora-%ld-%016llx.tmp", CurrentProcessId(),
                  static_cast<unsigned long long>(key));
    return folder / name;
}

// Creates a new named temporary file in folder; -1 with errno set when the
// folder takes no new file.
int CreateNamed(const fs::path& folder, fs::path& created)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = TemporaryName(folder);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = candidate;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file open as fd a temporary name in folder.
bool NameUnnamed(int fd, const fs::path& folder, fs::path& named)
{
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self, AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            named = candidate;
            return true;
        }
        if (errno == EEXIST)
            continue;
#if defined(AT_EMPTY_PATH)
        // Without /proc; allowed to privileged processes only.
        if (::linkat(fd, "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH) == 0) {
            named = candidate;
            return true;
        }
        if (errno == EEXIST)
            continue;
#endif
        return false;
    }
    return false;
}

// Creates the unnamed temporary file; -1 with errno set on failure
// (EOPNOTSUPP when the system or file system cannot make one).
int CreateUnnamed([[maybe_unused]] const fs::path& folder)
{
#if defined(O_TMPFILE)
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Kernels without O_TMPFILE take it for O_DIRECTORY and say EISDIR;
    // file systems without it say EOPNOTSUPP.
    if (fd < 0 && (errno == EISDIR || errno == EINVAL))
        errno = EOPNOTSUPP;
    return fd;
#else
    errno = EOPNOTSUPP;
    return -1;
#endif
}

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

SafeFileWriter::SafeFileWriter(const fs::path& target) : buffer_(kBufferSize)
{
    if (!ResolveTarget(target, target_) || target_.filename().empty()) {
        fail(FileWriteResult::Reason::BadName);
        return;
    }
    const fs::path folder = FolderOf(target_);

    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        failWithErrno();
        return;
    }
    // The target must be a file that may be written, as opening it for
    // writing would require; a folder, a device or a pipe is refused.
    int targetFd = -1;
    if (exists) {
        if (!S_ISREG(existing.st_mode)) {
            fail(FileWriteResult::Reason::NotRegular);
            return;
        }
        targetFd = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (targetFd < 0) {
            failWithErrno();
            return;
        }
    }

    RemoveStaleTemporaries(folder);
    int fd = CreateUnnamed(folder);
    if (fd >= 0) {
        mode_ = Mode::Unnamed;
    } else if (errno == EOPNOTSUPP) {
        fd = CreateNamed(folder, temporary_);
        if (fd >= 0)
            mode_ = Mode::Named;
    }
    if (fd < 0) {
        const int error = errno;
        // A folder that takes no new entries: write the existing file in
        // place, the only way left to save into it.
        if (targetFd >= 0 && (error == EACCES || error == EPERM)) {
            fd_ = targetFd;
            mode_ = Mode::InPlace;
            return;
        }
        if (targetFd >= 0)
            ::close(targetFd);
        fail(FileWriteResult::Reason::CannotWrite, error);
        return;
    }
    if (targetFd >= 0)
        ::close(targetFd);
    // The replacement keeps the access rights of the file it replaces.
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 07777);
    fd_ = fd;
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
            if (!writeOut(data, size))
                failWithErrno();
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, data, size);
    used_ += size;
}

bool SafeFileWriter::writeOut(const void* data, std::size_t size)
{
    if (mode_ != Mode::InPlace)
        return WriteAll(fd_, data, size);
    try {
        inPlace_.append(static_cast<const char*>(data), size);
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return false;
    }
    return true;
}

void SafeFileWriter::flushBuffer()
{
    if (used_ != 0 && isOpen() && !writeOut(buffer_.data(), used_))
        failWithErrno();
    used_ = 0;
}

FileWriteResult SafeFileWriter::commit()
{
    if (mode_ == Mode::Closed && result_.ok())
        fail(FileWriteResult::Reason::CannotWrite, EBADF); // committed before
    if (!isOpen()) {
        discard();
        return result_;
    }
    flushBuffer();
    if (mode_ == Mode::InPlace) {
        if (result_.ok() && inPlaceGuard_ && !inPlaceGuard_())
            fail(FileWriteResult::Reason::Refused);
        if (result_.ok() && !commitInPlace())
            failWithErrno();
        discard();
        return result_;
    }
    const fs::path folder = FolderOf(target_);
    if (result_.ok() && !SyncFile(fd_))
        failWithErrno();
    if (result_.ok() && mode_ == Mode::Unnamed && !NameUnnamed(fd_, folder, temporary_))
        failWithErrno();
    if (!result_.ok()) {
        discard();
        return result_;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        failWithErrno();
        discard();
        return result_;
    }
    temporary_.clear();
    mode_ = Mode::Closed;
    SyncDirectory(folder);
    return FileWriteResult::Success();
}

bool SafeFileWriter::commitInPlace()
{
    const auto size = static_cast<off_t>(inPlace_.size());
#if defined(__linux__) && defined(FALLOC_FL_KEEP_SIZE)
    // Room first, without changing the file: a full disk is found out
    // before a byte of the old content is overwritten.
    if (size > 0 && ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        return false;
#endif
    std::size_t done = 0;
    while (done < inPlace_.size()) {
        const ssize_t n =
            ::pwrite(fd_, inPlace_.data() + done, inPlace_.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd_, size) != 0 || !SyncFile(fd_))
        return false;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

void SafeFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    inPlace_.clear();
    inPlace_.shrink_to_fit();
    used_ = 0;
    mode_ = Mode::Closed;
}

void SafeFileWriter::fail(FileWriteResult::Reason reason, int error)
{
    if (result_.ok())
        result_ = FileWriteResult::Failure(reason, error);
}

void SafeFileWriter::RemoveStaleTemporaries(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
            continue;
        // ".velmora-PID-KEY.tmp": only a file of a process that has ended.
        const char* digits = name.c_str() + kTemporaryPrefix.size();
        char* stop = nullptr;
        const long pid = std::strtol(digits, &stop, 10);
        if (stop == digits || *stop != '-' || pid == CurrentProcessId())
            continue;
        if (ProcessHasEnded(pid))
            ::unlink(it->path().c_str());
    }
}

} // namespace velmora
