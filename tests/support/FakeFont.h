#pragma once

#include "platform/Font.h"

#include <memory>

namespace velmora {

// A font that is nothing but its attributes. When given a counter, it adds
// one to it while it lives, so tests can see that no font is left behind.
class FakeFont : public Font {
public:
    explicit FakeFont(FontAttributes attributes, std::shared_ptr<int> liveCounter = nullptr);
    ~FakeFont() override;
    FakeFont(const FakeFont&) = delete;
    FakeFont& operator=(const FakeFont&) = delete;

    FontAttributes attributes() const override { return attributes_; }

private:
    FontAttributes attributes_;
    std::shared_ptr<int> liveCounter_;
};

} // namespace velmora
