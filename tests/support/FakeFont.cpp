#include "tests/support/FakeFont.h"

#include <utility>

namespace velmora {

FakeFont::FakeFont(FontAttributes attributes, std::shared_ptr<int> liveCounter)
    : attributes_(std::move(attributes))
    , liveCounter_(std::move(liveCounter))
{
    if (liveCounter_)
        ++*liveCounter_;
}

FakeFont::~FakeFont()
{
    if (liveCounter_)
        --*liveCounter_;
}

} // namespace velmora
