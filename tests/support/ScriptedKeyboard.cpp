#include "tests/support/ScriptedKeyboard.h"

namespace velmora {

ScriptedKeyboard::ScriptedKeyboard(bool shift, bool ctrl, bool capsLock)
    : shift_(shift)
    , ctrl_(ctrl)
    , capsLock_(capsLock)
{
}

void ScriptedKeyboard::releaseAll()
{
    shift_ = false;
    ctrl_ = false;
    capsLock_ = false;
}

} // namespace velmora
