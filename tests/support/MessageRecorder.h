#pragma once

#include "platform/MessageDisplay.h"

#include <string>
#include <vector>

namespace velmora {

// Records every message instead of showing it.
class MessageRecorder : public MessageDisplay {
public:
    struct Message {
        Window* owner = nullptr;
        std::string text;
        std::string caption;
        friend bool operator==(const Message&, const Message&) = default;
    };

    void showMessage(Window* owner, std::string_view text, std::string_view caption) override;

    const std::vector<Message>& messages() const { return messages_; }
    bool empty() const { return messages_.empty(); }
    void clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
};

} // namespace velmora
