#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// What a candidate window shows while candidates are on show: the rows of
// the key's candidates that are in view, which of them is current, and where
// the view stands in the whole list. Made by sign selection mode; a window
// only draws it and tells the mode which row was clicked.
struct CandidateList {
    // One candidate.
    struct Row {
        // The reading it stands for, with its index (du, du₂, du₃), UTF-8.
        std::string reading;
        // Its signs (code points).
        std::vector<std::uint32_t> signs;
        // The names of its signs (KAK, ŠA PI), UTF-8.
        std::string names;
    };

    // Candidates of the key; 0 when no candidates are on show.
    std::int32_t count = 0;
    // Position of the current candidate in the key's list.
    std::int32_t current = 0;
    // Position of the first row in view; rows holds the candidates from
    // there on, at most the rows a view holds.
    std::int32_t first = 0;
    std::vector<Row> rows;

    bool empty() const { return rows.empty(); }
};

} // namespace velmora
