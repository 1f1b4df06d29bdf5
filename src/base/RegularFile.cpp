#include "base/RegularFile.h"

#include <cerrno>
#include <system_error>

// Opening without blocking and asking the open file what it is has no
// portable C++ form; the system calls for it stay in this file.
#if !defined(__unix__) && !defined(__APPLE__)
#error "RegularFile needs the POSIX file interface"
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

FileLoadResult SystemFailure(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return FileLoadResult::Failure(FileLoadResult::Reason::Missing, "no such file");
    FileLoadResult result =
        FileLoadResult::Failure(FileLoadResult::Reason::CannotRead, std::generic_category().message(error));
    result.systemError = result.detail;
    return result;
}

FileLoadResult TooLarge(std::uint64_t maxSize)
{
    return FileLoadResult::Failure(FileLoadResult::Reason::TooLarge,
                                   "larger than " + std::to_string(maxSize) + " bytes", 0, maxSize);
}

} // namespace

RegularFile::~RegularFile()
{
    close();
}

FileLoadResult RegularFile::open(const std::filesystem::path& path, std::uint64_t maxSize)
{
    close();
    maxSize_ = maxSize;
    consumed_ = 0;
    status_ = FileLoadResult::Success();
    // O_NONBLOCK: opening a pipe without a writer returns at once instead of
    // waiting; the check below then refuses it.
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return SystemFailure(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemFailure(error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileLoadResult::Failure(FileLoadResult::Reason::NotRegular, "not a regular file");
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxSize) {
        ::close(fd);
        return TooLarge(maxSize);
    }
    // Reads of a regular file wait for the disk as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
    return FileLoadResult::Success();
}

std::size_t RegularFile::read(void* buffer, std::size_t capacity)
{
    if (!status_ || capacity == 0)
        return 0;
    // One byte more than the limit allows is enough to know it was passed.
    if (maxSize_ - consumed_ < capacity)
        capacity = static_cast<std::size_t>(maxSize_ - consumed_) + 1;
    if (fd_ < 0)
        return 0;
    ssize_t n;
    do
        n = ::read(fd_, buffer, capacity);
    while (n < 0 && errno == EINTR);
    if (n < 0) {
        status_ = SystemFailure(errno);
        return 0;
    }
    const auto got = static_cast<std::size_t>(n);
    consumed_ += got;
    if (consumed_ > maxSize_) {
        status_ = TooLarge(maxSize_);
        return 0;
    }
    return got;
}

void RegularFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    size_ = 0;
}

FileLoadResult RegularFile::ReadAll(const std::filesystem::path& path, std::uint64_t maxSize,
                                    std::string& bytes)
{
    bytes.clear();
    RegularFile file;
    if (FileLoadResult opened = file.open(path, maxSize); !opened)
        return opened;
    // The size is a hint only: the file may change while it is read.
    bytes.resize(static_cast<std::size_t>(file.size()) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2 + 4096);
        const std::size_t got = file.read(bytes.data() + used, bytes.size() - used);
        if (got == 0)
            break;
        used += got;
    }
    bytes.resize(used);
    if (!file.status()) {
        bytes.clear();
        return file.status();
    }
    return FileLoadResult::Success();
}

} // namespace velmora
