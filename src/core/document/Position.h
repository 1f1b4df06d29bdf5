#pragma once

#include <compare>
#include <cstdint>

namespace velmora {

// A place in a document: column c is the gap before cell c.
struct Position {
    std::uint32_t line = 0;
    std::uint32_t column = 0;

    friend auto operator<=>(const Position&, const Position&) = default;
    friend bool operator==(const Position&, const Position&) = default;
};

} // namespace velmora
