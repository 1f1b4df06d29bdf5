#pragma once

#include "core/document/Position.h"

#include <string>

namespace velmora {

// The three texts of the main window's status bar: the input kind of the
// main editor, its cursor line and its cursor column, both counted from 1
// as in every editor and in the messages that name a line.
struct StatusBarTexts {
    std::string mode;
    std::string line;
    std::string column;

    // Before the first editor event: "Alphabet", "line: 1", "column: 1", in
    // the interface language.
    static StatusBarTexts Initial();
    // After an editor event: "Alphabet" or "Sign", "line: N", "column: N"
    // (the cursor's zero-based position plus one).
    // A lookup status of the editor ("du₃ 3/9", "no sign for xyz") takes
    // the place of the setting while there is one.
    static StatusBarTexts For(bool alphabetMode, Position cursor, std::string lookupStatus = {});

    friend bool operator==(const StatusBarTexts&, const StatusBarTexts&) = default;
};

// Right edges of the first two parts of the status bar in pixels; the third
// part takes the rest. The first part grows for a longer lookup status.
inline constexpr int kStatusModeRight = 80;
inline constexpr int kStatusLineRight = 160;

} // namespace velmora
