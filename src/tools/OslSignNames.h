#pragma once

#include "tools/OslReader.h"

#include <cstdint>
#include <map>
#include <string>

namespace velmora {

// The names of the encoded cuneiform signs (U+12000 to U+1254F) as
// Assyriologists write them: the name of the sign list's sign, or else of
// its form, whose @ucun is that one sign (current ones before deprecated
// ones); for a sign the list does not name, its Unicode character name
// without "CUNEIFORM SIGN " (or "CUNEIFORM ").
class OslSignNames {
public:
    // Code point → name (UTF-8), for every encoded sign of the blocks.
    static std::map<std::uint32_t, std::string> Names(const OslReader::Result& list);
    // The names as the lines of a C++ initializer list ({0x12195, "KAK"},),
    // after the header comment.
    static std::string Include(const std::map<std::uint32_t, std::string>& names, const std::string& header);
};

} // namespace velmora
