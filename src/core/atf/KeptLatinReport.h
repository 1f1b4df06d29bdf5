#pragma once

#include "core/atf/AtfConverter.h"

#include <cstddef>
#include <span>
#include <string>

namespace velmora {

// How many readings a conversion listed at most by name in its message.
inline constexpr std::size_t kListedKeptLatin = 10;

// The message after a conversion left `total` readings in Latin: how many,
// then the first ten of `readings`, each with the line it stands on ("2 行目:
// qqq"; the line as the caller numbered it, from 1), then how many more.
// Empty when none was.
std::string KeptLatinReport(std::span<const AtfConverter::Unconverted> readings, std::size_t total);

} // namespace velmora
