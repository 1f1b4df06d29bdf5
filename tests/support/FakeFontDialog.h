#pragma once

#include "platform/FontDialog.h"

#include <optional>
#include <vector>

namespace velmora {

// A font dialog that records the font it was started from and answers with
// a preset choice (nothing: cancelled).
class FakeFontDialog : public FontDialog {
public:
    std::optional<FontAttributes> chooseFont(Window* owner, const FontAttributes& initial) override
    {
        owners.push_back(owner);
        initials.push_back(initial);
        return choice;
    }

    std::optional<FontAttributes> choice;
    std::vector<Window*> owners;
    std::vector<FontAttributes> initials;
};

} // namespace velmora
