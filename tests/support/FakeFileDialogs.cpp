#include "tests/support/FakeFileDialogs.h"

namespace velmora {

std::optional<std::filesystem::path> FakeFileDialogs::getOpenFileName(Window* owner,
                                                                      const FileDialogRequest& request)
{
    return answer(Kind::Open, owner, request);
}

std::optional<std::filesystem::path> FakeFileDialogs::getSaveFileName(Window* owner,
                                                                      const FileDialogRequest& request)
{
    return answer(Kind::Save, owner, request);
}

std::optional<std::filesystem::path> FakeFileDialogs::answer(Kind kind, Window* owner,
                                                             const FileDialogRequest& request)
{
    calls_.push_back({kind, owner, request});
    if (answers_.empty())
        return std::nullopt;
    auto next = answers_.front();
    answers_.pop_front();
    return next;
}

} // namespace velmora
