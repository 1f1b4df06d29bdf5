#pragma once

#include "platform/Geometry.h"

#include <QRect>

namespace velmora {

// The platform's rectangles (right and bottom just outside) and Qt's.
inline Rect ToRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

inline QRect ToQRect(const Rect& rect)
{
    return {rect.left, rect.top, rect.width(), rect.height()};
}

} // namespace velmora
