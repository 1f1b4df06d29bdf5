#include "core/view/CFScrollBar.h"
#include "core/document/CFDocument.h"
#include "tests/support/FakeFont.h"
#include "tests/support/FakeSurface.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/RecordingScrollSink.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

constexpr auto kV = ScrollBarId::Vertical;
constexpr auto kH = ScrollBarId::Horizontal;

FontAttributes Attrs(int height, int width)
{
    FontAttributes a;
    a.height = height;
    a.width = width;
    return a;
}

// n lines of `length` letters, each letter 14 px wide in the text font.
CFDocument Lines(std::uint32_t n, std::uint32_t length = 0)
{
    CFDocument d;
    const std::vector<std::uint32_t> cells(length, 'a');
    for (std::uint32_t l = 0; l < n; ++l) {
        if (l > 0)
            d.InsertLine(l);
        d.InsertCells(length, l, 0, cells.data());
    }
    return d;
}

std::uint32_t Request(std::uint32_t code, std::uint32_t thumb = 0)
{
    return code | (thumb << 16);
}

class ScrollBarTest : public ::testing::Test {
protected:
    ScrollBarTest()
    {
        bar.InitVertical();
        bar.InitHorizontal();
        sink.clear();
    }

    const ScrollInfo& V() const { return bar.Vertical().Info(); }
    const ScrollInfo& H() const { return bar.Horizontal().Info(); }

    FakeWindow window{Rect{0, 0, 800, 600}};
    RecordingScrollSink sink;
    CFScrollBar bar{&window, &sink};
    FakeFont sign{Attrs(40, 50)}; // rows 40 px high
    FakeFont text{Attrs(20, 14)};
    EditorFonts fonts{&sign, &text};
    FakeSurface surface;
};

TEST(ScrollBarSetupTest, StartsWithoutPartsAndInitialisesEachPart)
{
    FakeWindow window;
    RecordingScrollSink sink;
    CFScrollBar bar(&window, &sink);
    EXPECT_EQ(bar.Flags(), 0u);
    EXPECT_EQ(bar.TopLine(), 0u);
    EXPECT_TRUE(sink.writes().empty());
    bar.OnScroll(kV, Request(CFScrollPart::kLineDown));
    EXPECT_TRUE(sink.writes().empty());

    bar.InitVertical();
    EXPECT_EQ(bar.Flags(), 1u);
    EXPECT_EQ(sink.last(kV), (ScrollInfo{0, 200, 30, 0}));
    bar.InitHorizontal();
    EXPECT_EQ(bar.Flags(), 3u);
    EXPECT_TRUE(bar.HasVertical() && bar.HasHorizontal());
    EXPECT_EQ(sink.last(kH), (ScrollInfo{0, 100000, 30, 0}));
    EXPECT_EQ(bar.Vertical().Step(), 1);
}

TEST_F(ScrollBarTest, LineRequestsStopAtTheEnds)
{
    bar.OnScroll(kV, Request(CFScrollPart::kLineUp));
    EXPECT_EQ(V().nPos, 0);
    bar.OnScroll(kV, Request(CFScrollPart::kLineDown));
    bar.OnScroll(kV, Request(CFScrollPart::kLineDown));
    EXPECT_EQ(V().nPos, 2);
    bar.OnScroll(kV, Request(CFScrollPart::kLineUp));
    EXPECT_EQ(V().nPos, 1);

    bar.OnScroll(kV, Request(CFScrollPart::kThumbTrack, 198));
    bar.OnScroll(kV, Request(CFScrollPart::kLineDown));
    EXPECT_EQ(V().nPos, 199);
    bar.OnScroll(kV, Request(CFScrollPart::kLineDown)); // at nMax - 1
    EXPECT_EQ(V().nPos, 199);
    EXPECT_EQ(sink.count(kV), 7); // one write per request
    EXPECT_EQ(sink.count(kH), 0);
}

TEST_F(ScrollBarTest, ThumbTopBottomAndOtherRequests)
{
    bar.OnScroll(kH, Request(CFScrollPart::kThumbTrack, 65535));
    EXPECT_EQ(H().nPos, 65535);
    bar.OnScroll(kH, Request(CFScrollPart::kTop));
    EXPECT_EQ(H().nPos, 0);
    // Bottom shows the last full page, where the thumb stands at the end.
    bar.OnScroll(kH, Request(CFScrollPart::kBottom));
    EXPECT_EQ(H().nPos, 100000 - 30 + 1);
    bar.UpdatePage(13, 100);
    bar.OnScroll(kV, Request(CFScrollPart::kBottom));
    EXPECT_EQ(V().nPos, 88);
    bar.UpdatePage(13, 5); // the page holds every line
    bar.OnScroll(kV, Request(CFScrollPart::kBottom));
    EXPECT_EQ(V().nPos, 0);

    bar.OnScroll(kV, Request(CFScrollPart::kThumbTrack, 17));
    for (std::uint32_t code :
         std::vector<std::uint32_t>{CFScrollPart::kThumbPosition, CFScrollPart::kEndScroll, 99u}) {
        bar.OnScroll(kV, Request(code, 40));
        EXPECT_EQ(V().nPos, 17) << code;
        EXPECT_EQ(sink.last(kV)->nPos, 17);
    }
    EXPECT_EQ(sink.count(kH), 3);
}

// A click in the trough pages: by the rows shown whole, or by the width of
// the view less the margin, stopping at the top and at the last full page.
TEST_F(ScrollBarTest, PageRequestsMoveByTheViewAndStopAtItsEnds)
{
    bar.UpdatePage(13, 100); // 12 whole rows and a part
    bar.OnScroll(kV, Request(CFScrollPart::kPageDown));
    EXPECT_EQ(V().nPos, 12);
    bar.OnScroll(kV, Request(CFScrollPart::kPageUp));
    bar.OnScroll(kV, Request(CFScrollPart::kPageUp));
    EXPECT_EQ(V().nPos, 0);
    bar.Vertical().SetPosition(80);
    bar.OnScroll(kV, Request(CFScrollPart::kPageDown));
    EXPECT_EQ(V().nPos, 88);
    EXPECT_EQ(sink.last(kV)->nPos, 88);
    // Below the last full page (by line steps) a page down stays.
    bar.Vertical().SetPosition(95);
    bar.OnScroll(kV, Request(CFScrollPart::kPageDown));
    EXPECT_EQ(V().nPos, 95);

    bar.OnScroll(kH, Request(CFScrollPart::kPageDown));
    EXPECT_EQ(H().nPos, 750);
    window.setClientSize(20, 600);
    bar.OnScroll(kH, Request(CFScrollPart::kPageUp));
    EXPECT_EQ(H().nPos, 749);
}

TEST_F(ScrollBarTest, FollowsALineBelowTheViewWithABottomMargin)
{
    const CFDocument d = Lines(100);
    // 600 px client: (600 - 50) / 40 = 13 lines after the first stay put.
    bar.EnsureLineVisible(d, surface, fonts, 13);
    EXPECT_EQ(V().nPos, 0);
    // Within the view the page and range still follow the window and text.
    EXPECT_EQ(V().nMax, 100);
    EXPECT_EQ(V().nPage, 16u); // 600 / 40 + 1
    EXPECT_EQ(sink.last(kV), V());

    bar.EnsureLineVisible(d, surface, fonts, 14);
    EXPECT_EQ(V().nPos, 1);
    bar.EnsureLineVisible(d, surface, fonts, 99);
    EXPECT_EQ(V().nPos, 86);
    EXPECT_EQ(sink.last(kV), (ScrollInfo{0, 100, 16, 86}));
}

TEST_F(ScrollBarTest, ALineAboveTheViewBecomesTheFirstAndLeavesPageAndRange)
{
    const CFDocument d = Lines(100);
    bar.OnScroll(kV, Request(CFScrollPart::kThumbTrack, 20));
    sink.clear();
    bar.EnsureLineVisible(d, surface, fonts, 5);
    EXPECT_EQ(V(), (ScrollInfo{0, 200, 30, 5}));
    EXPECT_EQ(sink.count(kV), 1);
    EXPECT_EQ(surface.recording().extentCount(), 0u);
}

TEST_F(ScrollBarTest, ASmallOrFontlessViewDoesNotFollowDownwards)
{
    const CFDocument d = Lines(49);
    window.setClientSize(800, 39);
    bar.EnsureLineVisible(d, surface, fonts, 48);
    EXPECT_EQ(V().nPos, 0);
    // One line shown of 49: the double quotient comes out low, page 0.
    EXPECT_EQ(V().nPage, 0u);
    EXPECT_EQ(V().nMax, 49);

    window.setClientSize(800, 600);
    FakeFont flat(Attrs(0, 50));
    bar.EnsureLineVisible(d, surface, EditorFonts{&flat, &text}, 48);
    EXPECT_EQ(V().nPos, 0);
}

TEST_F(ScrollBarTest, UpdatePageWritesOnlyWithLinesOnBothSides)
{
    bar.UpdatePage(16, 100);
    EXPECT_EQ(V().nPage, 16u);
    bar.UpdatePage(1, 49);
    EXPECT_EQ(V().nPage, 0u);
    sink.clear();
    bar.UpdatePage(0, 7);
    EXPECT_EQ(V().nMax, 7);
    bar.UpdatePage(5, 0);
    EXPECT_EQ(V().nMax, 0);
    EXPECT_EQ(V().nPage, 0u);
    EXPECT_TRUE(sink.writes().empty());
}

TEST_F(ScrollBarTest, FollowsTheColumnLeftAndRight)
{
    const CFDocument d = Lines(1, 100);                // 14 px a cell, client 800 wide
    bar.EnsureColumnVisible(d, surface, fonts, 0, 53); // x 742 <= 750
    EXPECT_EQ(H().nPos, 0);
    EXPECT_EQ(sink.count(kH), 0);
    bar.EnsureColumnVisible(d, surface, fonts, 0, 60); // x 840
    EXPECT_EQ(H().nPos, 90);
    bar.EnsureColumnVisible(d, surface, fonts, 0, 10); // x 140, inside
    EXPECT_EQ(H().nPos, 90);
    bar.EnsureColumnVisible(d, surface, fonts, 0, 5); // x 70, left of the view
    EXPECT_EQ(H().nPos, 70);
    EXPECT_EQ(sink.last(kH)->nPos, 70);
}

TEST_F(ScrollBarTest, ANarrowViewDoesNotFollowToTheRight)
{
    const CFDocument d = Lines(1, 100);
    window.setClientSize(30, 600);
    bar.OnScroll(kH, Request(CFScrollPart::kThumbTrack, 100));
    bar.EnsureColumnVisible(d, surface, fonts, 0, 10); // x 140
    EXPECT_EQ(H().nPos, 100);
    bar.EnsureColumnVisible(d, surface, fonts, 0, 5); // x 70
    EXPECT_EQ(H().nPos, 70);
}

TEST_F(ScrollBarTest, ScrollToCursorMovesOnlyThePartsPresent)
{
    const CFDocument d = Lines(100, 100);
    bar.ScrollToCursor(d, fonts, 50, 60);
    EXPECT_EQ(window.surfacesCreated(), 1);
    EXPECT_EQ(bar.Offsets().top(), 37u);
    EXPECT_EQ(bar.Offsets().left(), 90);

    FakeWindow other;
    RecordingScrollSink otherSink;
    CFScrollBar vertical(&other, &otherSink);
    vertical.InitVertical();
    vertical.ScrollToCursor(d, surface, fonts, 50, 60);
    EXPECT_EQ(vertical.TopLine(), 37u);
    EXPECT_EQ(vertical.Horizontal().Position(), 0);
    EXPECT_EQ(otherSink.count(kH), 0);
    EXPECT_EQ(vertical.Offsets().left(), 0);
}

} // namespace
} // namespace velmora
