#pragma once

#include "platform/FontAttributes.h"

namespace velmora {

// A font created by the platform. Destroying it releases it.
class Font {
public:
    virtual ~Font() = default;
    // The attributes of the font as the platform realised it.
    virtual FontAttributes attributes() const = 0;
};

} // namespace velmora
