#include "core/commands/WindowPlacement.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

bool Inside(const Rect& r, const Rect& area)
{
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A 1280 x 1024 screen with a 30-pixel panel at the top; frames of 30 pixels
// above a window and 5 around it.
constexpr Rect kArea{0, 30, 1280, 1024};

TEST(WindowPlacement, ToolWindowsOpenWhollyOnTheScreenAndClearOfTheMenuBar)
{
    struct Case {
        Rect main;
        Rect menuBar;
    };
    const Case cases[] = {
        {{0, 30, 1280, 1024}, {5, 60, 1275, 85}},        // maximised
        {{100, 80, 900, 700}, {105, 110, 895, 135}},     // in the middle
        {{700, 600, 1270, 1020}, {705, 630, 1265, 655}}, // low on the right, where y 845 was
        {{0, 900, 1280, 1400}, {5, 930, 1275, 955}},     // mostly below the screen
    };
    // The search, replace and registration windows with their frames.
    const Size frames[] = {{410, 235}, {410, 355}, {410, 435}};
    for (const Case& c : cases) {
        for (const Size frame : frames) {
            const Rect placed = PlaceToolWindow(frame, c.main, c.menuBar, kArea);
            EXPECT_TRUE(Inside(placed, kArea)) << c.main.top << " " << frame.cy;
            EXPECT_EQ(placed.width(), frame.cx);
            EXPECT_EQ(placed.height(), frame.cy);
            EXPECT_FALSE(Overlap(placed, c.menuBar)) << c.main.top << " " << frame.cy;
        }
    }
    // Room inside the main window: its top right corner, under the menu bar.
    EXPECT_EQ(PlaceToolWindow({410, 235}, cases[1].main, cases[1].menuBar, kArea),
              (Rect{900 - 24 - 410, 135 + 24, 900 - 24, 135 + 24 + 235}));

    // A screen too small for anything else: moved onto it.
    EXPECT_EQ(FitInside({-50, 900, 350, 1300}, kArea), (Rect{0, 624, 400, 1024}));
    EXPECT_EQ(FitInside({0, 0, 2000, 100}, kArea), (Rect{0, 30, 1280, 130}));
}

TEST(WindowPlacement, ACandidateListOpensAboveTheCaretLineWhenTheViewHasNoRoomBelow)
{
    // The editor's view, above a status bar, and a list 200 high.
    const Rect view{0, 60, 800, 700};
    const auto row = [](int top) { return Rect{100, top, 101, top + 30}; };
    EXPECT_EQ(ListTop(row(100), 200, 2, view, kArea), 132);
    // The last line in view: above it, not over the status bar.
    EXPECT_EQ(ListTop(row(670), 200, 2, view, kArea), 468);
    // A one-line word field has room on neither side: the screen decides.
    const Rect field{0, 300, 400, 380};
    EXPECT_EQ(ListTop(row(320), 200, 2, field, kArea), 352);
    EXPECT_EQ(ListTop(row(900), 200, 2, {0, 880, 400, 960}, kArea), 698);
    // Room nowhere: the larger side, on the screen.
    EXPECT_EQ(ListTop(row(500), 1000, 2, view, kArea), 30);
}

} // namespace
} // namespace velmora
