#pragma once

namespace velmora {

// The platform window an editor lives in, as the core sees it: the owner of
// message boxes and clipboard access. Its implementation belongs to the
// platform layer; core objects hold a non-owning pointer, which may be null
// where no window exists (selection buffers of undo commands, tests).
class Window {
public:
    virtual ~Window() = default;
};

} // namespace velmora
