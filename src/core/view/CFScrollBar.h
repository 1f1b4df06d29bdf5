#pragma once

#include "core/view/CFScrollPart.h"
#include "core/view/EditorFonts.h"
#include "core/view/ScrollOffsets.h"

#include <cstdint>

namespace velmora {

class CFDocument;
class Surface;
class Window;

// The scroll state of one editor window: the vertical part counts lines (the
// first line shown), the horizontal part pixels (the x offset of the view).
// It answers the window's scroll requests and keeps the cursor in view.
class CFScrollBar {
public:
    // Bits of Flags().
    static constexpr unsigned kVerticalFlag = 1;
    static constexpr unsigned kHorizontalFlag = 2;

    // A scroll bar with neither part. The window gives the client area and
    // the surface of the no-surface ScrollToCursor; either pointer may be
    // null (no client area, nothing shown).
    CFScrollBar(Window* window, ScrollBarSink* sink);

    // Range 0..200, page 30, position 0 (lines).
    void InitVertical();
    // Range 0..100000, page 30, position 0 (pixels).
    void InitHorizontal();

    unsigned Flags() const { return flags_; }
    bool HasVertical() const { return (flags_ & kVerticalFlag) != 0; }
    bool HasHorizontal() const { return (flags_ & kHorizontalFlag) != 0; }

    const CFScrollPart& Vertical() const { return vertical_; }
    const CFScrollPart& Horizontal() const { return horizontal_; }
    CFScrollPart& Vertical() { return vertical_; }
    CFScrollPart& Horizontal() { return horizontal_; }

    // The first line shown and the x offset, 0 for a missing part.
    std::uint32_t TopLine() const { return Offsets().top(); }
    int LeftOffset() const { return Offsets().left(); }
    ScrollOffsets Offsets() const;

    // A scroll request of the window for one bar; ignored when that part is
    // missing.
    void OnScroll(ScrollBarId bar, std::uint32_t request);

    // Brings (line, column) into view, measuring on the surface with the
    // editor's fonts: the line when the vertical part is present, the column
    // when the horizontal part is.
    void ScrollToCursor(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                        std::uint32_t line, std::uint32_t column);
    // The same, measuring on a surface of the window (nothing without one).
    void ScrollToCursor(const CFDocument& document, const EditorFonts& fonts, std::uint32_t line,
                        std::uint32_t column);

    // Vertical half: a line above the view becomes the first line shown; a
    // line below the last line that fits above the bottom 50 pixels of the
    // client area becomes that last line. Unless the line was above the view,
    // the page and range then follow the window height and the line count.
    // The view follows downwards only while the client area is at least 50
    // pixels high.
    void EnsureLineVisible(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                           std::uint32_t line);
    // Horizontal half: an x left of the view scrolls left to exactly x; an x
    // right of the client width less 50 pixels scrolls so that x sits 50
    // pixels inside the right edge. The view follows to the right only while
    // the client area is at least 50 pixels wide.
    void EnsureColumnVisible(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                             std::uint32_t line, std::uint32_t column);

    // Brings cells [start, end) of a line into view with some of the text
    // around them, as a search shows its match: a line outside the view,
    // or within a few rows of its top or bottom edge, is scrolled to the
    // middle of the view (as far as the document's start allows); the cells
    // are scrolled horizontally so that they stand clear of the left and
    // right edges when they fit, their start first when they do not.
    void RevealRange(const CFDocument& document, Surface& surface, const EditorFonts& fonts,
                     std::uint32_t line, std::uint32_t start, std::uint32_t end);
    // The same, measuring on a surface of the window (nothing without one).
    void RevealRange(const CFDocument& document, const EditorFonts& fonts, std::uint32_t line,
                     std::uint32_t start, std::uint32_t end);

    // CFScrollPart::UpdatePage of the vertical part.
    void UpdatePage(std::uint32_t shownLines, std::uint32_t lineCount);

    Window* window() const { return window_; }

private:
    Window* window_;
    CFScrollPart vertical_;
    CFScrollPart horizontal_;
    unsigned flags_ = 0;
};

} // namespace velmora
