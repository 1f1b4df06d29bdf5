#include "qt/QtPlatform.h"

namespace velmora {

QtPlatform::QtPlatform(Settings& settings) : settings_(settings)
{
}

PlatformServices QtPlatform::services()
{
    return PlatformServices{fonts_, clipboard_, messages_, keyboard_, settings_};
}

} // namespace velmora
