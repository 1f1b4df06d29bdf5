#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Everything that describes a font to create: the classic logical-font
// record. Heights and widths are in pixels; a positive height is the cell
// height. The face name is UTF-8; empty means the platform's default face.
struct FontAttributes {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 1;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;

    friend bool operator==(const FontAttributes&, const FontAttributes&) = default;
};

} // namespace velmora
