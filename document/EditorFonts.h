#pragma once

namespace velmora {

class Font;

// The two fonts an editor draws with, not owned: the sign font for every
// code point from U+10000 up, the text font for every code point below.
// A null font stands for the surface's system font.
struct EditorFonts {
    const Font* sign = nullptr;
    const Font* text = nullptr;
};

} // namespace velmora
