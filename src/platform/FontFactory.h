#pragma once

#include "platform/Font.h"
#include "platform/FontAttributes.h"

#include <memory>

namespace velmora {

class FontFactory {
public:
    virtual ~FontFactory() = default;
    // A font for the attributes, or null when none can be created. A missing
    // face may be replaced by a substitute.
    virtual std::unique_ptr<Font> createFont(const FontAttributes& attributes) = 0;
};

} // namespace velmora
