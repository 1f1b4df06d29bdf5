#pragma once

namespace velmora {

class CellMetrics;
class Font;

// The two fonts an editor draws with, not owned: the sign font for every
// code point from U+10000 up, the text font for every code point below.
// A null font stands for the surface's system font. With metrics, the
// layout measures each cell once and keeps the result there; without, every
// call measures afresh.
struct EditorFonts {
    const Font* sign = nullptr;
    const Font* text = nullptr;
    CellMetrics* metrics = nullptr;
};

} // namespace velmora
