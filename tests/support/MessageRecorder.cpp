#include "tests/support/MessageRecorder.h"

namespace velmora {

void MessageRecorder::showMessage(Window* owner, std::string_view text, std::string_view caption)
{
    messages_.push_back({owner, std::string(text), std::string(caption)});
}

} // namespace velmora
