#pragma once

#include "platform/FontAttributes.h"

#include <optional>

namespace velmora {

class Window;

// The modal font dialog.
class FontDialog {
public:
    virtual ~FontDialog() = default;
    // Shows the dialog starting from initial; the attributes of the font the
    // user confirmed, or nothing when the dialog was cancelled. owner may be
    // null.
    virtual std::optional<FontAttributes> chooseFont(Window* owner, const FontAttributes& initial) = 0;
};

} // namespace velmora
