#include "core/files/CrashRecovery.h"

#include "base/Process.h"
#include "base/RegularFile.h"
#include "base/SafeFileWriter.h"
#include "core/document/CFDocument.h"
#include "core/files/DocumentFiles.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "VELMORA RECOVERY 1\r\n";
constexpr std::string_view kBootTag = "boot ";
constexpr std::string_view kFileTag = "file ";
constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kSuffix = ".vrc";
// The header is read from the first bytes of a copy; it is never longer.
constexpr std::size_t kMaxHeader = 16384;

fs::path CopyOf(const fs::path& folder, long processId)
{
    return folder / (std::string(kPrefix) + std::to_string(processId) + std::string(kSuffix));
}

// What the header of a copy says.
struct Header {
    std::string bootId;
    fs::path originalFile;
    std::size_t size = 0; // bytes of the header
};

// Takes "tag value\r\n" from the front of text.
bool TakeLine(std::string_view& text, std::string_view tag, std::string_view& value)
{
    const auto end = text.find("\r\n");
    if (end == std::string_view::npos || !text.starts_with(tag))
        return false;
    value = text.substr(tag.size(), end - tag.size());
    text.remove_prefix(end + 2);
    return true;
}

bool ParseHeader(std::string_view bytes, Header& header)
{
    std::string_view rest = bytes;
    if (!rest.starts_with(kMagic))
        return false;
    rest.remove_prefix(kMagic.size());
    std::string_view boot;
    std::string_view length;
    if (!TakeLine(rest, kBootTag, boot) || !TakeLine(rest, kFileTag, length))
        return false;
    std::size_t size = 0;
    const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), size);
    if (error != std::errc() || end != length.data() + length.size() || rest.size() < size + 2
        || rest.substr(size, 2) != "\r\n")
        return false;
    header.bootId = boot;
    header.originalFile = fs::path(std::string(rest.substr(0, size)));
    header.size = bytes.size() - rest.size() + size + 2;
    return true;
}

// Opens a copy and reads its header; start receives what was read of the
// text after it.
FileLoadResult OpenCopy(const fs::path& copy, RegularFile& file, Header& header, std::string& start)
{
    const std::uint64_t limit = MaxTextFileBytes(1000, kTextFileLineLimit) + kMaxHeader;
    if (FileLoadResult opened = file.open(copy, limit); !opened)
        return opened;
    start.resize(kMaxHeader);
    std::size_t used = 0;
    while (used < start.size()) {
        const std::size_t got = file.read(start.data() + used, start.size() - used);
        if (got == 0)
            break;
        used += got;
    }
    start.resize(used);
    if (!file.status())
        return file.status();
    if (!ParseHeader(start, header))
        return FileLoadResult::Failure(FileLoadResult::Reason::Syntax, "not a recovery copy", 1);
    start.erase(0, header.size);
    return FileLoadResult::Success();
}

} // namespace

CrashRecovery::CrashRecovery(fs::path folder, long processId)
    : folder_(std::move(folder))
    , own_(CopyOf(folder_, processId))
    , processId_(processId)
{
}

CrashRecovery::CrashRecovery(fs::path folder) : CrashRecovery(std::move(folder), CurrentProcessId())
{
}

void CrashRecovery::Update(const CFDocument& document, bool modified, const fs::path& originalFile,
                           Clock::time_point now)
{
    if (!modified) {
        if (written_)
            Remove();
        return;
    }
    if (written_ && document.Revision() == writtenRevision_ && originalFile == writtenFile_)
        return;
    const Clock::duration interval = std::max<Clock::duration>(kMinInterval, lastDuration_ * 10);
    if (lastWrite_ != Clock::time_point{} && now - lastWrite_ < interval)
        return;
    const auto start = Clock::now();
    // A copy that cannot be written is tried again after the interval.
    Write(document, originalFile);
    lastDuration_ = Clock::now() - start;
    lastWrite_ = now;
}

bool CrashRecovery::Write(const CFDocument& document, const fs::path& originalFile)
{
    std::error_code ec;
    fs::create_directories(folder_, ec);
    SafeFileWriter out(own_);
    if (!out.isOpen())
        return false;
    const std::string& name = originalFile.native();
    std::string header(kMagic);
    header += kBootTag;
    header += BootId();
    header += "\r\n";
    header += kFileTag;
    header += std::to_string(name.size());
    header += "\r\n";
    header += name;
    header += "\r\n";
    out.write(header);
    WriteTextFileBytes(out, document);
    if (!out.commit())
        return false;
    written_ = true;
    writtenRevision_ = document.Revision();
    writtenFile_ = originalFile;
    return true;
}

void CrashRecovery::Remove()
{
    std::error_code ec;
    fs::remove(own_, ec);
    written_ = false;
}

std::vector<CrashRecovery::LeftOver> CrashRecovery::FindLeftOvers() const
{
    struct Found {
        LeftOver leftOver;
        fs::file_time_type time;
    };
    std::vector<Found> found;
    const std::string bootId = BootId();
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix))
            continue;
        const std::string_view digits =
            std::string_view(name).substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        long pid = 0;
        const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
        if (error != std::errc() || stop != digits.data() + digits.size())
            continue;
        RegularFile file;
        Header header;
        std::string start;
        if (!OpenCopy(it->path(), file, header, start))
            continue;
        // Ours (an earlier program had this process's id), one from before
        // the system was started again, or one whose program has ended.
        const bool leftOver =
            pid == processId_ || (!bootId.empty() && header.bootId != bootId) || ProcessHasEnded(pid);
        if (!leftOver)
            continue;
        std::error_code timeError;
        found.push_back({{it->path(), header.originalFile}, fs::last_write_time(it->path(), timeError)});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.time > b.time; });
    std::vector<LeftOver> result;
    for (auto& f : found)
        result.push_back(std::move(f.leftOver));
    return result;
}

FileLoadResult CrashRecovery::Read(const fs::path& copy, CFDocument& document, fs::path& originalFile)
{
    RegularFile file;
    Header header;
    std::string start;
    if (FileLoadResult opened = OpenCopy(copy, file, header, start); !opened)
        return opened;
    FileLoadResult read = ReadTextFile(file, start, document);
    if (read)
        originalFile = header.originalFile;
    return read;
}

} // namespace velmora
