#pragma once

#include <QString>

#include <string_view>

namespace velmora {

// A UTF-8 text of the core (a message, a name, a path) as Qt shows it.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace velmora
