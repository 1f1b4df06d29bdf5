#include "core/commands/WindowPlacement.h"

#include <algorithm>

namespace velmora {

namespace {

// How far a tool window stands inside the main window's corner, and off its
// sides.
constexpr int kInset = 24;
constexpr int kGap = 8;

bool Inside(const Rect& rect, const Rect& area)
{
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right
        && rect.bottom <= area.bottom;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

Rect FitInside(Rect rect, Rect area)
{
    const int width = std::max(0, std::min(rect.width(), area.width()));
    const int height = std::max(0, std::min(rect.height(), area.height()));
    const int left = std::clamp(rect.left, area.left, std::max(area.left, area.right - width));
    const int top = std::clamp(rect.top, area.top, std::max(area.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

Rect PlaceToolWindow(Size frame, Rect mainFrame, Rect menuBar, Rect area)
{
    const auto at = [&](int x, int y) { return Rect{x, y, x + frame.cx, y + frame.cy}; };
    const Rect places[] = {
        at(mainFrame.right - kInset - frame.cx, menuBar.bottom + kInset),
        at(mainFrame.right + kGap, mainFrame.top),
        at(mainFrame.left - kGap - frame.cx, mainFrame.top),
    };
    for (const Rect& place : places) {
        if (Inside(place, area) && !Overlap(place, menuBar))
            return place;
    }
    // A small screen: the same places moved onto it.
    for (const Rect& place : places) {
        if (const Rect fitted = FitInside(place, area); !Overlap(fitted, menuBar))
            return fitted;
    }
    // Under the menu bar or over it, where the screen has room.
    const Rect fitted = FitInside(places[0], area);
    if (menuBar.bottom + fitted.height() <= area.bottom)
        return {fitted.left, menuBar.bottom, fitted.right, menuBar.bottom + fitted.height()};
    if (menuBar.top - fitted.height() >= area.top)
        return {fitted.left, menuBar.top - fitted.height(), fitted.right, menuBar.top};
    return fitted;
}

int ListTop(Rect caretRow, int height, int gap, Rect view, Rect area)
{
    const int below = caretRow.bottom + gap;
    const int above = caretRow.top - gap - height;
    const Rect shown{std::max(view.left, area.left), std::max(view.top, area.top),
                     std::min(view.right, area.right), std::min(view.bottom, area.bottom)};
    const bool inView = shown.top < shown.bottom;
    if (inView && below + height <= shown.bottom)
        return below;
    if (inView && above >= shown.top)
        return above;
    if (below + height <= area.bottom)
        return below;
    if (above >= area.top)
        return above;
    const bool moreAbove = caretRow.top - area.top > area.bottom - caretRow.bottom;
    return std::clamp(moreAbove ? above : below, area.top, std::max(area.top, area.bottom - height));
}

} // namespace velmora
