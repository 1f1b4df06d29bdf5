#include "tests/support/FakeFontFactory.h"

#include "tests/support/FakeFont.h"

namespace velmora {

std::unique_ptr<Font> FakeFontFactory::createFont(const FontAttributes& attributes)
{
    requests_.push_back(attributes);
    if (failing_ || (!failingFace_.empty() && attributes.faceName == failingFace_))
        return nullptr;
    return std::make_unique<FakeFont>(attributes, live_);
}

} // namespace velmora
