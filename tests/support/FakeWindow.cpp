#include "tests/support/FakeWindow.h"

namespace velmora {

FakeWindow::FakeWindow(Rect client) : client_(client)
{
}

std::unique_ptr<Surface> FakeWindow::createSurface()
{
    ++surfacesCreated_;
    return std::make_unique<FakeSurface>(recording_, client_);
}

} // namespace velmora
