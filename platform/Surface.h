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

// A place to draw: a paint cycle of a window, or a measuring context.
class Surface {
public:
    virtual ~Surface() = default;

    // Makes a font current for the calls that follow; null selects the
    // system font. The font must outlive its use on this surface.
    virtual void selectFont(const Font* font) = 0;
    // Width and height of a run of UTF-16 units in the current font.
    virtual Size textExtent(std::u16string_view units) = 0;
    // Draws a run with its top-left corner at (x, y) in the current font,
    // text colour and background mode.
    virtual void textOut(int x, int y, std::u16string_view units) = 0;
    virtual void setTextColor(ColorRef color) = 0;
    // Transparent: text leaves the background; opaque: text cells are
    // filled with the background colour.
    virtual void setBackgroundTransparent(bool transparent) = 0;
    // Fills [left, right) x [top, bottom) with the brush and outlines it with
    // the pen.
    virtual void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
    // Height of the display in pixels.
    virtual int screenHeight() const = 0;
};

} // namespace velmora
