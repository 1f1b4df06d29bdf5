#pragma once

#include "platform/SaveChangesQuestion.h"

#include <deque>
#include <string>
#include <vector>

namespace velmora {

// Answers the question about changed text from a queue and records every
// question. A question with no answer queued is answered Cancel.
class ScriptedSaveQuestion : public SaveChangesQuestion {
public:
    struct Question {
        Window* owner = nullptr;
        std::string text;
        std::string caption;
    };

    SaveChangesAnswer askSaveChanges(Window* owner, std::string_view text, std::string_view caption) override;

    void answer(SaveChangesAnswer answer) { answers_.push_back(answer); }
    const std::vector<Question>& questions() const { return questions_; }

private:
    std::deque<SaveChangesAnswer> answers_;
    std::vector<Question> questions_;
};

} // namespace velmora
