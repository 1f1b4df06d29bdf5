#pragma once

#include "core/document/CFDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

using Lines = std::vector<std::string>;

// A document of ASCII lines, one cell per character.
inline CFDocument MakeDocument(const Lines& lines)
{
    CFDocument d;
    for (std::uint32_t l = 0; l < lines.size(); ++l) {
        if (l > 0)
            d.InsertLine(l);
        for (char c : lines[l])
            d.InsertCell(l, d.LineLength(l), static_cast<unsigned char>(c));
    }
    return d;
}

// The lines of a document whose cells are all ASCII.
inline Lines TextOf(const CFDocument& d)
{
    Lines out;
    for (std::uint32_t l = 0; l < d.LineCount(); ++l) {
        std::string s;
        for (auto c : d.Line(l).Cells())
            s.push_back(static_cast<char>(c));
        out.push_back(s);
    }
    return out;
}

// The uint32 code a call throws, or 0 when it throws nothing.
template <class F>
std::uint32_t ThrownCode(F&& f)
{
    try {
        f();
    } catch (std::uint32_t code) {
        return code;
    }
    return 0;
}

} // namespace velmora::test
