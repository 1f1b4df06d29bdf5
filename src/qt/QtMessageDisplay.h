#pragma once

#include "platform/MessageDisplay.h"

namespace velmora {

// Modal QMessageBoxes with an OK button and no icon. The text is shown as
// plain text (line breaks kept); the owner, when it is a QtWidgetWindow, is
// the box's parent.
class QtMessageDisplay : public MessageDisplay {
public:
    void showMessage(Window* owner, std::string_view text, std::string_view caption) override;
};

} // namespace velmora
