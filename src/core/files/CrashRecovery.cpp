#include "core/files/CrashRecovery.h"

#include "core/document/CFDocument.h"
#include "core/files/DocumentFiles.h"
#include "core/files/RecoveryWriter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <new>
#include <random>
#include <string_view>
#include <system_error>
#include <thread>

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kSuffix = ".vrc";
constexpr std::uint32_t kMaxLineLength = 1000;

// "recovery-<random>.vrc": a name no other program picks.
fs::path NewCopyName(const fs::path& folder)
{
    std::random_device device;
    std::mt19937_64 random((std::uint64_t{device()} << 32) ^ device()
                           ^ std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    char name[64];
    std::snprintf(name, sizeof name, "%.*s%016llx%.*s", int(kPrefix.size()), kPrefix.data(),
                  static_cast<unsigned long long>(random()), int(kSuffix.size()), kSuffix.data());
    return folder / name;
}

bool IsCopyName(const std::string& name)
{
    return name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix)
        && name.ends_with(kSuffix);
}

// Reads a locked copy whole; a copy too large or unreadable is reported.
recovery::Content ReadLocked(const LockedFile& file)
{
    recovery::Content content;
    const std::uint64_t size = file.size();
    if (size > CrashRecovery::kMaxCopyBytes) {
        content.problem = "larger than any copy";
        return content;
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        content.problem = "not enough memory to read it";
        return content;
    }
    const std::int64_t got = file.readAt(0, bytes.data(), bytes.size());
    if (got < 0) {
        content.problem = "cannot be read";
        return content;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return recovery::Parse(bytes, kMaxLineLength, kTextFileLineLimit);
}

} // namespace

CrashRecovery::CrashRecovery(fs::path folder)
    : folder_(std::move(folder))
    , writer_(std::make_unique<RecoveryWriter>(NewCopyName(folder_), kMaxLineLength, kTextFileLineLimit))
{
}

CrashRecovery::~CrashRecovery() = default;

void CrashRecovery::TextReplaced(const CFDocument& document, Position start, Position end,
                                 const CFDocument& text)
{
    if (!started_)
        return; // the next Update hands over the whole text
    writer_->Edit(recovery::EditRecord(start, end, text));
    revision_ = document.Revision();
    clean_ = false;
}

void CrashRecovery::Update(const CFDocument& document, bool modified, const fs::path& originalFile)
{
    if (!started_ || document.Revision() != revision_ || writer_->needsReset()) {
        writer_->Reset(document, originalFile, !modified);
        started_ = true;
        revision_ = document.Revision();
        clean_ = !modified;
        file_ = originalFile;
        return;
    }
    if (originalFile != file_) {
        writer_->Name(originalFile);
        file_ = originalFile;
    }
    if (!modified && !clean_)
        writer_->Clean();
    clean_ = !modified;
}

bool CrashRecovery::Flush()
{
    return writer_->Flush();
}

bool CrashRecovery::Protected() const
{
    return writer_->healthy();
}

void CrashRecovery::Remove()
{
    writer_->Remove();
    writer_->Flush();
    started_ = false;
}

std::uint64_t CrashRecovery::SyncCount() const
{
    return writer_->syncCount();
}

const fs::path& CrashRecovery::CopyPath() const
{
    return writer_->copyPath();
}

std::optional<CrashRecovery::LeftOver> CrashRecovery::TakeLeftOver(const fs::path& copy, int waitMilliseconds)
{
    LeftOver found;
    found.copy = copy;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        const LockedFile::Opened opened = found.lock.open(copy);
        if (opened == LockedFile::Opened::Busy && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            continue;
        }
        switch (opened) {
        case LockedFile::Opened::Busy:
            return std::nullopt; // a running program's
        case LockedFile::Opened::NotRegular:
            found.problem = "not a regular file";
            return found;
        case LockedFile::Opened::Failed:
            if (found.lock.error() == ENOENT)
                return std::nullopt;
            found.problem = SystemResult{found.lock.error()}.message();
            return found;
        case LockedFile::Opened::Locked:
            break;
        }
        break;
    }
    found.modified = found.lock.modifiedTime();
    recovery::Content content = ReadLocked(found.lock);
    found.state = content.state;
    found.problem = std::move(content.problem);
    found.originalFile = std::move(content.originalFile);
    if (content.state == recovery::Content::State::Complete && !content.unsaved) {
        // Saved or never changed: nothing to recover.
        Discard(found);
        return std::nullopt;
    }
    return found;
}

std::vector<CrashRecovery::LeftOver> CrashRecovery::FindLeftOvers() const
{
    std::vector<LeftOver> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        const std::string name = path.filename().string();
        if (path == CopyPath())
            continue;
        if (name.ends_with(".vrc.new")) {
            // A copy being replaced when its program ended: the copy it was
            // to replace is still there.
            if (LockedFile stale; stale.open(path) == LockedFile::Opened::Locked)
                fs::remove(path, ec);
            ec.clear();
            continue;
        }
        if (!IsCopyName(name))
            continue;
        if (auto leftOver = TakeLeftOver(path, 0))
            found.push_back(std::move(*leftOver));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const LeftOver& a, const LeftOver& b) { return a.modified > b.modified; });
    return found;
}

recovery::Content CrashRecovery::Read(const LeftOver& leftOver)
{
    if (!leftOver.lock.isOpen()) {
        recovery::Content content;
        content.problem = leftOver.problem;
        return content;
    }
    return ReadLocked(leftOver.lock);
}

void CrashRecovery::Discard(LeftOver& leftOver)
{
    std::error_code ec;
    fs::remove(leftOver.copy, ec);
    leftOver.lock.close();
}

} // namespace velmora
