#pragma once

#include "core/document/ReadingSpan.h"

#include <string>
#include <string_view>

namespace velmora {

// The texts of the readings signs were made from (du₃, {d}, KAK, |A.AN|,
// 3(diš)), each kept once for the whole program, so that a line stores a
// reading as a small number however often it occurs, and a reading moves
// between documents (the undo history, the clipboard, a word field) as that
// number. Texts are UTF-8 and never change once kept; the table only grows,
// by the few thousand readings texts use. Safe to use from several threads.
class ReadingTable {
public:
    // The id of a reading text, kept on first use; kNoReading for an empty
    // text.
    static ReadingId Intern(std::string_view utf8);
    static ReadingId Intern(std::u32string_view text);
    // The text of an id; empty for kNoReading and for an id never handed out.
    static const std::string& Text(ReadingId id);
};

} // namespace velmora
