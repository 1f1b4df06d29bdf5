#pragma once

#include "platform/SaveChangesQuestion.h"

namespace velmora {

// The question about changed text as a QMessageBox with the buttons
// "保存" (save, the default), "保存しない" (don't save) and "キャンセル"
// (cancel, also Escape and closing the box). The owner, when it is a
// QtWidgetWindow, is the box's parent.
class QtSaveChangesQuestion : public SaveChangesQuestion {
public:
    SaveChangesAnswer askSaveChanges(Window* owner, std::string_view text, std::string_view caption) override;
};

} // namespace velmora
