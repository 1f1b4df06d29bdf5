#pragma once

#include "platform/Geometry.h"

namespace velmora {

// Where the program's windows open, in desktop coordinates. Rectangles are
// half-open (right and bottom lie just outside), frames included where a
// window has one. "area" is the part of a screen windows may use (without
// panels and docks).

// rect moved, and shrunk where it is larger, to lie wholly inside area.
Rect FitInside(Rect rect, Rect area);

// Where a tool window (search, replace, registration) opens the first time:
// inside the main window's top right corner just under its menu bar, else
// right or left of the main window, taking the first place that lies wholly
// in area and leaves the menu bar free. Where none does (a small screen), the
// first of them that leaves the menu bar free once moved into area; else
// the first moved into area, and under or over the menu bar where it fits.
Rect PlaceToolWindow(Size frame, Rect mainFrame, Rect menuBar, Rect area);

// The top of a list (candidates) of the given height shown beside the
// caret's row, gap pixels off it: below the row where the list fits in view
// (the part of the editor on screen), else above it where it fits there;
// otherwise below or above as the screen area has room, else on the side
// with more room, moved into the area. The row itself is never covered
// while the area has room on either side.
int ListTop(Rect caretRow, int height, int gap, Rect view, Rect area);

} // namespace velmora
