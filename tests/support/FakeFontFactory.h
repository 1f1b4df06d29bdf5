#pragma once

#include "platform/FontFactory.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

// Makes FakeFonts carrying exactly the attributes asked for, records every
// request, and counts the fonts still alive. It can be told to fail: every
// request, or those for one face name.
class FakeFontFactory : public FontFactory {
public:
    std::unique_ptr<Font> createFont(const FontAttributes& attributes) override;

    // Every request, failed ones included, in order.
    const std::vector<FontAttributes>& requests() const { return requests_; }
    // Fonts created by this factory that have not been destroyed yet.
    int liveFonts() const { return *live_; }

    void setFailing(bool failing) { failing_ = failing; }
    // Requests for this face name (exact match) fail; empty clears it.
    void setFailingFace(std::string face) { failingFace_ = std::move(face); }

private:
    std::vector<FontAttributes> requests_;
    std::shared_ptr<int> live_ = std::make_shared<int>(0);
    bool failing_ = false;
    std::string failingFace_;
};

} // namespace velmora
