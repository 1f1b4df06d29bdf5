#pragma once

#include <cstdint>

namespace velmora {

// A reading as the ReadingTable keeps it; 0 is no reading.
using ReadingId = std::uint32_t;
inline constexpr ReadingId kNoReading = 0;

// The reading that cells [begin, end) of a line were made from: du₃ for one
// sign, a₄ or |A.AN| for a candidate of several signs (a group reading),
// {d} for a determinative. A line's spans are sorted, never overlap and
// never are empty.
struct ReadingSpan {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    ReadingId reading = kNoReading;

    friend bool operator==(const ReadingSpan&, const ReadingSpan&) = default;
};

// A reading span and the line it lies on.
struct PlacedReading {
    std::uint32_t line = 0;
    ReadingSpan span;

    friend bool operator==(const PlacedReading&, const PlacedReading&) = default;
};

} // namespace velmora
