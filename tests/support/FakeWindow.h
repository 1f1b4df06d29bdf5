#pragma once

#include "platform/Window.h"
#include "tests/support/FakeSurface.h"

#include <memory>

namespace velmora {

// A window with a settable client area and pointer position. It counts
// repaint and focus requests; every surface it creates is a FakeSurface
// the size of the client area, recording into the window's one
// SurfaceRecording.
class FakeWindow : public Window {
public:
    explicit FakeWindow(Rect client = {0, 0, 800, 600});

    Rect clientRect() const override { return client_; }
    Point pointerPosition() const override { return pointer_; }
    void invalidate() override { ++invalidations_; }
    void setFocus() override { ++focusRequests_; }
    std::unique_ptr<Surface> createSurface() override;

    // Sets the client area to width x height with its corner at (0, 0).
    void setClientSize(int width, int height) { client_ = {0, 0, width, height}; }
    void setClientRect(const Rect& client) { client_ = client; }
    void setPointer(Point pointer) { pointer_ = pointer; }

    int invalidations() const { return invalidations_; }
    int focusRequests() const { return focusRequests_; }
    int surfacesCreated() const { return surfacesCreated_; }

    SurfaceRecording& recording() { return *recording_; }
    std::shared_ptr<SurfaceRecording> sharedRecording() const { return recording_; }

private:
    Rect client_;
    Point pointer_;
    int invalidations_ = 0;
    int focusRequests_ = 0;
    int surfacesCreated_ = 0;
    std::shared_ptr<SurfaceRecording> recording_ = std::make_shared<SurfaceRecording>();
};

} // namespace velmora
