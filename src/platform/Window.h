#pragma once

#include "platform/Geometry.h"

#include <memory>

namespace velmora {

class Surface;

// The platform window an editor lives in, as the core sees it: the owner of
// message boxes, the area it draws in, the pointer over it. Core objects hold
// a non-owning pointer, which may be null where no window exists (selection
// buffers of undo commands, tests).
class Window {
public:
    virtual ~Window() = default;

    // The client area; left and top are 0.
    virtual Rect clientRect() const = 0;
    // The mouse pointer in client coordinates.
    virtual Point pointerPosition() const = 0;
    // Schedules a repaint of the whole client area.
    virtual void invalidate() = 0;
    // Gives the keyboard focus to this window.
    virtual void setFocus() = 0;
    // A surface for measuring (and drawing) outside a paint cycle.
    virtual std::unique_ptr<Surface> createSurface() = 0;
};

} // namespace velmora
