#include "tests/support/ScriptedSaveQuestion.h"

namespace velmora {

SaveChangesAnswer ScriptedSaveQuestion::askSaveChanges(Window* owner, std::string_view text,
                                                       std::string_view caption)
{
    questions_.push_back({owner, std::string(text), std::string(caption)});
    if (answers_.empty())
        return SaveChangesAnswer::Cancel;
    const SaveChangesAnswer next = answers_.front();
    answers_.pop_front();
    return next;
}

} // namespace velmora
