#include "core/files/RecoveryWriter.h"

#include "base/Crc32.h"
#include "core/files/RecoveryFormat.h"

#include <system_error>
#include <utility>

namespace velmora {

namespace fs = std::filesystem;

namespace {

// Lines encoded at a time while a snapshot is written.
constexpr std::uint32_t kSnapshotLines = 2048;

} // namespace

RecoveryWriter::RecoveryWriter(fs::path copy, std::uint32_t maxLineLength, std::uint32_t lineLimit)
    : copy_(std::move(copy))
    , maxLineLength_(maxLineLength)
    , lineLimit_(lineLimit)
    , thread_([this] { Run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void RecoveryWriter::Push(Item item)
{
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(item));
        ++handed_;
    }
    wake_.notify_all();
}

void RecoveryWriter::Reset(CFDocument text, fs::path file, bool clean)
{
    needsReset_ = false;
    Push({Item::Kind::Reset, std::move(text), {}, std::move(file), clean});
}

void RecoveryWriter::Edit(std::string record)
{
    Push({Item::Kind::Edit, {}, std::move(record), {}, false});
}

void RecoveryWriter::Name(fs::path file)
{
    Push({Item::Kind::Name, {}, {}, std::move(file), false});
}

void RecoveryWriter::Clean()
{
    Push({Item::Kind::Clean, {}, {}, {}, true});
}

void RecoveryWriter::Remove()
{
    Push({Item::Kind::Remove, {}, {}, {}, false});
}

bool RecoveryWriter::Flush()
{
    std::unique_lock lock(mutex_);
    const std::uint64_t target = handed_;
    written_.wait(lock, [&] { return done_ >= target; });
    return lastOk_;
}

void RecoveryWriter::Apply(Item& item)
{
    switch (item.kind) {
    case Item::Kind::Reset:
        text_ = std::move(item.text);
        file_ = std::move(item.file);
        clean_ = item.clean;
        haveText_ = true;
        fresh_ = true;
        pending_.clear();
        break;
    case Item::Kind::Edit: {
        if (!haveText_)
            break;
        // The record's frame header is skipped: its payload is the edit.
        const std::string_view payload = std::string_view(item.bytes).substr(recovery::kFrameHeaderSize);
        if (!recovery::ApplyEdit(text_, payload, maxLineLength_, lineLimit_)) {
            // The owner's text and this copy of it went apart: nothing is
            // written until a new base comes.
            needsReset_ = true;
            haveText_ = false;
            pending_.clear();
            break;
        }
        clean_ = false;
        pending_ += item.bytes;
        break;
    }
    case Item::Kind::Name:
        file_ = std::move(item.file);
        if (haveText_)
            pending_ += recovery::NameRecord(file_);
        break;
    case Item::Kind::Clean:
        clean_ = true;
        if (haveText_)
            pending_ += recovery::CleanRecord();
        break;
    case Item::Kind::Remove:
        if (out_.isOpen()) {
            std::error_code ec;
            fs::remove(copy_, ec);
            out_.close();
        }
        haveText_ = false;
        fresh_ = false;
        pending_.clear();
        healthy_ = true;
        break;
    }
}

void RecoveryWriter::Run()
{
    std::unique_lock lock(mutex_);
    Clock::time_point retryAt{};
    for (;;) {
        const auto ready = [&] { return stop_ || !queue_.empty(); };
        const bool failing = !healthy_.load() && haveText_;
        if (failing)
            wake_.wait_until(lock, retryAt, ready);
        else
            wake_.wait(lock, ready);
        const bool retryDue = failing && Clock::now() >= retryAt;
        if (queue_.empty() && !retryDue) {
            if (stop_)
                break;
            continue;
        }
        // Group commit: what arrives before the next sync is due goes with
        // it, so a burst of keys costs one sync.
        if (!stop_ && lastSync_ != Clock::time_point{})
            wake_.wait_until(lock, lastSync_ + kSyncInterval, [&] { return stop_; });
        std::deque<Item> items;
        items.swap(queue_);
        const std::uint64_t upTo = done_ + items.size();
        lock.unlock();
        for (Item& item : items)
            Apply(item);
        items.clear();
        const bool ok = WriteOut();
        lock.lock();
        done_ = upTo;
        lastOk_ = ok;
        if (!ok)
            retryAt = Clock::now() + kRetryInterval;
        written_.notify_all();
        // On the way out a copy is tried once more, not again and again.
        if (stop_ && queue_.empty())
            break;
    }
    // Nobody waits for a writer that has stopped.
    done_ = handed_;
    written_.notify_all();
}

bool RecoveryWriter::WriteOut()
{
    if (!haveText_)
        return !needsReset_;
    bool ok = true;
    if (fresh_ || !out_.isOpen() || (journalBytes_ > kMinCompaction && journalBytes_ > snapshotBytes_)) {
        ok = WriteFresh();
    } else if (!pending_.empty()) {
        const std::uint64_t before = out_.size();
        ok = out_.append(pending_.data(), pending_.size()).ok() && out_.sync().ok();
        if (ok) {
            journalBytes_ += pending_.size();
            pending_.clear();
            ++syncs_;
        } else {
            // A record cut by a full disk is taken back; the whole copy is
            // written anew once there is room.
            (void)out_.truncate(before);
            fresh_ = true;
        }
    }
    lastSync_ = Clock::now();
    healthy_ = ok;
    return ok;
}

bool RecoveryWriter::WriteFresh()
{
    fresh_ = true;
    if (!MakePrivateFolder(copy_.parent_path()))
        return false;
    fs::path temporary = copy_;
    temporary += ".new";
    std::error_code ec;
    fs::remove(temporary, ec);
    LockedFile file;
    if (!file.create(temporary))
        return false;
    std::string head(recovery::kMagic);
    head += recovery::NameRecord(file_);
    const std::uint64_t snapshotAt = head.size();
    head.append(recovery::kFrameHeaderSize, '\0'); // the snapshot's header, written last
    bool ok = file.append(head.data(), head.size()).ok();
    // The snapshot is encoded and written a piece at a time, its checksum
    // and length gathered on the way.
    std::uint64_t length = 0;
    std::uint32_t crc = 0;
    std::string piece;
    const std::uint32_t lines = text_.LineCount();
    for (std::uint32_t from = 0; ok && from < lines; from += kSnapshotLines) {
        piece.clear();
        const std::uint32_t to = lines - from > kSnapshotLines ? from + kSnapshotLines : lines;
        recovery::AppendLines(piece, text_, from, to, from == 0);
        crc = Crc32Update(crc, piece.data(), piece.size());
        length += piece.size();
        ok = file.append(piece.data(), piece.size()).ok();
    }
    ok = ok && length <= 0xFFFFFFFFu;
    if (ok) {
        const std::string header =
            recovery::FrameHeader(recovery::RecordType::Snapshot, static_cast<std::uint32_t>(length), crc);
        ok = file.writeAt(snapshotAt, header.data(), header.size()).ok();
    }
    if (ok && clean_) {
        const std::string clean = recovery::CleanRecord();
        ok = file.append(clean.data(), clean.size()).ok();
    }
    ok = ok && file.sync().ok() && RenameDurably(temporary, copy_).ok();
    if (!ok) {
        file.close();
        fs::remove(temporary, ec);
        return false;
    }
    ++syncs_;
    // The old copy's lock goes only now that the new one holds its place.
    out_ = std::move(file);
    snapshotBytes_ = length;
    journalBytes_ = 0;
    pending_.clear();
    fresh_ = false;
    return true;
}

} // namespace velmora
