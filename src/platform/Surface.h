#pragma once

#include "platform/Geometry.h"

#include <string_view>

namespace velmora {

class Font;

// Outline of a rectangle: none, or a solid pen of a width and colour.
struct Pen {
    bool visible = true;
    int width = 1;
    ColorRef color = kBlack;
};

// Fill of a rectangle.
struct Brush {
    ColorRef color = kWhite;
};

// Colours of a run of text: the text colour and, for opaque text, the colour
// its cells are filled with before it is drawn. Transparent text leaves what
// lies under it.
struct TextColors {
    ColorRef text = kBlack;
    bool opaque = false;
    ColorRef background = kWhite;
};

// A place to draw: a paint cycle of a window, or a measuring context. It
// keeps no drawing state between calls: every call names its font and
// colours, so callers never select, restore or release anything. A null
// font stands for the surface's system font.
class Surface {
public:
    virtual ~Surface() = default;

    // Width and height of a run of UTF-16 units in a font. The height is the
    // font's cell height, whatever the run holds (the empty run included).
    virtual Size textExtent(const Font* font, std::u16string_view units) = 0;
    // Draws a run with its top-left corner at the point.
    virtual void textOut(Point at, const Font* font, std::u16string_view units, const TextColors& colors) = 0;
    // Fills [left, right) x [top, bottom) with the brush and outlines it with
    // the pen.
    virtual void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
    // The part of the window's client area that is drawn: all of it, or the
    // part being painted again. Nothing outside it shows.
    virtual Rect area() const = 0;
};

} // namespace velmora
