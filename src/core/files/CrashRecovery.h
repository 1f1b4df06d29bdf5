#pragma once

#include "base/FileLoadResult.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {

class CFDocument;

// Keeps a copy of a document with unsaved changes in a folder of the
// user's own (never beside the user's file), so that the text survives a
// crash, and finds the copies of programs that ended without removing
// theirs.
//
// Each running program has one copy, "recovery-PID.vrc": a short header
// (the system's boot id and the name of the document's file) followed by the
// document as its text file holds it. Copies are written safely
// (SafeFileWriter), so a crash while writing one leaves the previous one.
// A copy is left over when its program no longer runs: its process has
// ended, or the system was started again since.
class CrashRecovery {
public:
    using Clock = std::chrono::steady_clock;

    // Copies are written at most this often, and less often when writing
    // one takes long (ten times as long as the last write took).
    static constexpr Clock::duration kMinInterval = std::chrono::seconds(3);

    // processId names this program's copy.
    explicit CrashRecovery(std::filesystem::path folder, long processId);
    // The same for this process.
    explicit CrashRecovery(std::filesystem::path folder);
    CrashRecovery(const CrashRecovery&) = delete;
    CrashRecovery& operator=(const CrashRecovery&) = delete;

    // To be called regularly (every second): while the document has unsaved
    // changes newer than the copy, writes the copy, at most once every
    // kMinInterval; once there are none, removes it. originalFile is the
    // document's file (empty for a new document).
    void Update(const CFDocument& document, bool modified, const std::filesystem::path& originalFile,
                Clock::time_point now);
    // Writes the copy now. False when it could not be written.
    bool Write(const CFDocument& document, const std::filesystem::path& originalFile);
    // Removes this program's copy: the document was saved, or its changes
    // given up.
    void Remove();
    // Whether this program's copy exists.
    bool HasCopy() const { return written_; }
    const std::filesystem::path& CopyPath() const { return own_; }

    // A copy left over by a program that ended without removing it.
    struct LeftOver {
        std::filesystem::path copy;
        std::filesystem::path originalFile; // empty for a new document
    };
    // The left-over copies in the folder, the newest first. The copy of a
    // program that still runs is never among them.
    std::vector<LeftOver> FindLeftOvers() const;
    // Reads a copy's document; originalFile receives the name of its file.
    static FileLoadResult Read(const std::filesystem::path& copy, CFDocument& document,
                               std::filesystem::path& originalFile);

private:
    std::filesystem::path folder_;
    std::filesystem::path own_;
    long processId_;
    bool written_ = false;
    std::uint64_t writtenRevision_ = 0;
    std::filesystem::path writtenFile_;
    Clock::time_point lastWrite_{};
    Clock::duration lastDuration_{};
};

} // namespace velmora
