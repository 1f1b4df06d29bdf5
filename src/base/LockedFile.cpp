#include "base/LockedFile.h"

#include <cerrno>
#include <system_error>
#include <utility>

// Locks, private files and durable renames have no portable C++ form; the
// system calls for them stay in this file.
#if !defined(__unix__) && !defined(__APPLE__)
#error "LockedFile needs the POSIX file interface"
#endif
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// 0 when the lock was taken, else the error (EAGAIN/EWOULDBLOCK: held).
int TryLock(int fd)
{
#if defined(F_OFD_SETLK)
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return 0;
    if (errno != EINVAL)
        return errno == EACCES ? EAGAIN : errno;
#endif
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return 0;
    return errno;
}

SystemResult Failure()
{
    return SystemResult{errno != 0 ? errno : EIO};
}

} // namespace

std::string SystemResult::message() const
{
    return std::generic_category().message(error);
}

LockedFile::~LockedFile()
{
    close();
}

LockedFile::LockedFile(LockedFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)), error_(other.error_)
{
}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
    }
    return *this;
}

SystemResult LockedFile::create(const fs::path& path)
{
    close();
    int fd;
    do
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Failure();
    if (const int locked = TryLock(fd); locked != 0) {
        ::close(fd);
        ::unlink(path.c_str());
        return SystemResult{locked};
    }
    fd_ = fd;
    return {};
}

LockedFile::Opened LockedFile::open(const fs::path& path)
{
    close();
    error_ = 0;
    // O_NONBLOCK: a pipe without a writer must not hold up the caller.
    const int flags = O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    int fd;
    do
        fd = ::open(path.c_str(), O_RDWR | flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0 && (errno == EISDIR || errno == ELOOP || errno == ENXIO))
        return Opened::NotRegular;
    if (fd < 0) {
        error_ = errno;
        return Opened::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Opened::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (const int locked = TryLock(fd); locked != 0) {
        ::close(fd);
        if (locked == EAGAIN || locked == EWOULDBLOCK)
            return Opened::Busy;
        error_ = locked;
        return Opened::Failed;
    }
    fd_ = fd;
    return Opened::Locked;
}

SystemResult LockedFile::append(const void* data, std::size_t size)
{
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0)
        return Failure();
    return writeAt(static_cast<std::uint64_t>(end), data, size);
}

SystemResult LockedFile::writeAt(std::uint64_t offset, const void* data, std::size_t size)
{
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::pwrite(fd_, p, size, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Failure();
        }
        if (n == 0)
            return SystemResult{EIO};
        p += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
    return {};
}

SystemResult LockedFile::sync()
{
    int result;
    do
        result = ::fsync(fd_);
    while (result != 0 && errno == EINTR);
    return result == 0 ? SystemResult{} : Failure();
}

SystemResult LockedFile::truncate(std::uint64_t size)
{
    return ::ftruncate(fd_, static_cast<off_t>(size)) == 0 ? SystemResult{} : Failure();
}

std::uint64_t LockedFile::size() const
{
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        return 0;
    return static_cast<std::uint64_t>(info.st_size);
}

std::int64_t LockedFile::readAt(std::uint64_t offset, void* buffer, std::size_t capacity) const
{
    auto* p = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < capacity) {
        const ssize_t n = ::pread(fd_, p + done, capacity - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t LockedFile::modifiedTime() const
{
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        return 0;
    return static_cast<std::int64_t>(info.st_mtime);
}

void LockedFile::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

SystemResult MakePrivateFolder(const fs::path& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return SystemResult{ec.value()};
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return Failure();
    if (!S_ISDIR(info.st_mode))
        return SystemResult{ENOTDIR};
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return Failure();
    return {};
}

SystemResult RenameDurably(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return Failure();
    const fs::path folder = to.has_parent_path() ? to.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
    return {};
}

} // namespace velmora
