#pragma once

#include "base/LockedFile.h"
#include "core/document/EditListener.h"
#include "core/files/RecoveryFormat.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class CFDocument;
class RecoveryWriter;

// Keeps a copy of the document in a folder of the user's own (never beside
// the user's file, private to the user), so that unsaved changes survive a
// crash, and finds the copies of programs that ended without removing theirs.
//
// The copy is a snapshot of the text followed by a record of every edit
// since (RecoveryFormat), written by a thread of its own (RecoveryWriter):
// the editing thread only encodes each edit, in proportion to the edit, and
// hands it over; the disk is at most about a second behind. The whole text
// is copied only when it is replaced as a whole (open, new, import,
// restore), or when an edit reached the document some other way than the
// undo list that reports to this object.
//
// Each running program locks its copy; a copy whose lock can be taken is
// left over, whatever became of its process. A copy whose text equals its
// file (saved, or opened and not changed since) holds nothing to recover
// and is removed when found.
class CrashRecovery : public EditListener {
public:
    explicit CrashRecovery(std::filesystem::path folder);
    ~CrashRecovery();
    CrashRecovery(const CrashRecovery&) = delete;
    CrashRecovery& operator=(const CrashRecovery&) = delete;

    // Edits reported by the main editor's undo list.
    void TextReplaced(const CFDocument& document, Position start, Position end,
                      const CFDocument& text) override;
    // Brings the copy up to date after a command and regularly: a new base
    // when the document was replaced (or changed unseen), its file's name,
    // and whether it equals its file. Cheap when nothing happened.
    void Update(const CFDocument& document, bool modified, const std::filesystem::path& originalFile);
    // Waits until the copy is on the disk as the document is now; false
    // when it could not be written.
    bool Flush();
    // False while the copy cannot be written: unsaved changes are then not
    // protected.
    bool Protected() const;
    // The window closed: the copy goes.
    void Remove();
    // Whether this program's copy holds changes not in the document's file.
    bool HasUnsavedCopy() const { return started_ && !clean_; }
    const std::filesystem::path& CopyPath() const;
    const std::filesystem::path& Folder() const { return folder_; }
    // Syncs of the copy so far (for measurements).
    std::uint64_t SyncCount() const;

    // A copy left over by a program that ended without removing it. It stays
    // locked (no other program offers it meanwhile) as long as this object
    // lives or until Release.
    struct LeftOver {
        std::filesystem::path copy;
        std::filesystem::path originalFile;
        // When it last changed (seconds since the epoch).
        std::int64_t modified = 0;
        // Unreadable: reported with problem, and kept.
        recovery::Content::State state = recovery::Content::State::Unreadable;
        std::string problem;
        LockedFile lock;
    };
    // The left-over copies in the folder, the newest first. Copies of
    // running programs are never among them; those holding nothing unsaved
    // are removed on the way.
    std::vector<LeftOver> FindLeftOvers() const;
    // One left-over copy, locked, waiting up to waitMilliseconds for another
    // program to let it go (a copy handed to a new program to restore).
    static std::optional<LeftOver> TakeLeftOver(const std::filesystem::path& copy, int waitMilliseconds);
    // What a left-over copy holds.
    static recovery::Content Read(const LeftOver& leftOver);
    // Removes a left-over copy for good.
    static void Discard(LeftOver& leftOver);

    // The largest copy read.
    static constexpr std::uint64_t kMaxCopyBytes = std::uint64_t{1} << 30;

private:
    std::filesystem::path folder_;
    std::unique_ptr<RecoveryWriter> writer_;
    bool started_ = false;
    std::uint64_t revision_ = 0;
    bool clean_ = true;
    std::filesystem::path file_;
};

} // namespace velmora
