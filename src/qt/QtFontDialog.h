#pragma once

#include "platform/FontDialog.h"

namespace velmora {

class QtFontFactory;

// The font dialog as a QFontDialog (Qt's own, the same on every platform),
// titled "Font". It starts from the QFont the factory makes of the initial
// attributes; a confirmed choice comes back as QtFont::describe gives it.
class QtFontDialog : public FontDialog {
public:
    explicit QtFontDialog(QtFontFactory& fonts);

    std::optional<FontAttributes> chooseFont(Window* owner, const FontAttributes& initial) override;

private:
    QtFontFactory& fonts_;
};

} // namespace velmora
