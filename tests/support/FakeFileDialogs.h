#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

namespace velmora {

// File dialogs that answer from a queue instead of asking: each call takes
// the next answer (a path, or nothing for a cancelled dialog). A call with
// no answer queued is recorded and cancelled.
class FakeFileDialogs : public FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Call {
        Kind kind;
        Window* owner = nullptr;
        FileDialogRequest request;
    };

    std::optional<std::filesystem::path> getOpenFileName(Window* owner,
                                                         const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> getSaveFileName(Window* owner,
                                                         const FileDialogRequest& request) override;

    void choose(const std::filesystem::path& path) { answers_.push_back(path); }
    void cancel() { answers_.push_back(std::nullopt); }

    const std::vector<Call>& calls() const { return calls_; }
    // Answers not used yet.
    std::size_t pending() const { return answers_.size(); }

private:
    std::optional<std::filesystem::path> answer(Kind kind, Window* owner, const FileDialogRequest& request);

    std::deque<std::optional<std::filesystem::path>> answers_;
    std::vector<Call> calls_;
};

} // namespace velmora
