#pragma once

#include <string_view>

namespace velmora {

class Window;

// Modal messages with an OK button. Texts are UTF-8.
class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    // owner may be null (no owner window).
    virtual void showMessage(Window* owner, std::string_view text, std::string_view caption) = 0;
};

} // namespace velmora
