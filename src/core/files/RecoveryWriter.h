#pragma once

#include "base/LockedFile.h"
#include "core/document/CFDocument.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

namespace velmora {

// Writes one program's recovery copy on a thread of its own, so that the
// thread that edits never waits for the disk.
//
// The owner hands over a whole text now and then (Reset: at open, new,
// import, restore) and a small record for every edit; handing over costs a
// copy of the record and a lock, never a write. The writer keeps its own
// copy of the text, which it brings up to date with every record, appends
// the records to the copy file and forces them to the disk (group commit:
// what arrived meanwhile goes with the next sync, at most one sync each
// kSyncInterval). When the records outgrow the snapshot they follow, it
// writes a new copy from its own text (compaction) and puts it in the old
// one's place. The copy file stays locked (LockedFile) as long as the
// writer has it, which marks it as a running program's.
//
// A copy that cannot be written (no room, no permission) makes healthy()
// false; the writer tries again every kRetryInterval with a whole new copy
// until it succeeds.
class RecoveryWriter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kSyncInterval = std::chrono::milliseconds(250);
    static constexpr Clock::duration kRetryInterval = std::chrono::seconds(2);
    // Records are written anew as a snapshot once they take this many bytes
    // and more than the snapshot does.
    static constexpr std::uint64_t kMinCompaction = std::uint64_t{4} << 20;

    // copy: the file of the copy, in a folder made private when missing.
    explicit RecoveryWriter(std::filesystem::path copy, std::uint32_t maxLineLength = 1000,
                            std::uint32_t lineLimit = 60000);
    // Writes what was handed over, then stops; the copy stays unless
    // Remove was called.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // A new base: the whole text, its file, and whether it equals the file.
    void Reset(CFDocument text, std::filesystem::path file, bool clean);
    // An edit record (recovery::EditRecord).
    void Edit(std::string record);
    // The document's file changed (Save As).
    void Name(std::filesystem::path file);
    // The text equals its file now (saved).
    void Clean();
    // The copy goes (the window closed); a later Reset starts a new one.
    void Remove();

    // Waits until everything handed over so far is on the disk; false when
    // it could not be written.
    bool Flush();
    // False while the copy cannot be written.
    bool healthy() const { return healthy_.load(); }
    // True when the writer lost track of the text (a record did not fit
    // its copy of it) and needs a Reset.
    bool needsReset() const { return needsReset_.load(); }
    const std::filesystem::path& copyPath() const { return copy_; }
    // Syncs made so far (for measurements).
    std::uint64_t syncCount() const { return syncs_.load(); }

private:
    struct Item {
        enum class Kind { Reset, Edit, Name, Clean, Remove } kind;
        CFDocument text;
        std::string bytes;
        std::filesystem::path file;
        bool clean = false;
    };

    void Push(Item item);
    void Run();
    void Apply(Item& item);
    // Writes what is pending; false on failure.
    bool WriteOut();
    bool WriteFresh();

    const std::filesystem::path copy_;
    const std::uint32_t maxLineLength_;
    const std::uint32_t lineLimit_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable written_;
    std::deque<Item> queue_;
    std::uint64_t handed_ = 0; // items handed over
    std::uint64_t done_ = 0;   // items dealt with (written or failed)
    bool lastOk_ = true;
    bool stop_ = false;

    // The writer thread's own state.
    CFDocument text_;
    std::filesystem::path file_;
    bool clean_ = true;
    bool haveText_ = false;
    bool fresh_ = false; // the copy must be written anew
    std::string pending_;
    std::uint64_t journalBytes_ = 0;
    std::uint64_t snapshotBytes_ = 0;
    LockedFile out_;
    Clock::time_point lastSync_{};

    std::atomic<bool> healthy_{true};
    std::atomic<bool> needsReset_{false};
    std::atomic<std::uint64_t> syncs_{0};
    std::thread thread_;
};

} // namespace velmora
