#include "core/view/TextLayout.h"
#include "core/document/CFDocument.h"
#include "core/document/DocumentError.h"
#include "core/view/CellMetrics.h"
#include "tests/support/FakeFont.h"
#include "tests/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace velmora {
namespace {

constexpr std::uint32_t kSign = 0x12044;
constexpr std::uint32_t kSign2 = 0x12000;
constexpr std::uint32_t kSub3 = 0x2083; // subscript three

FontAttributes Attrs(int height, int width)
{
    FontAttributes a;
    a.height = height;
    a.width = width;
    return a;
}

CFDocument Doc(std::initializer_list<std::vector<std::uint32_t>> lines)
{
    CFDocument d;
    std::uint32_t l = 0;
    for (const auto& cells : lines) {
        if (l > 0)
            d.InsertLine(l);
        d.InsertCells(static_cast<std::uint32_t>(cells.size()), l, 0, cells.data());
        ++l;
    }
    return d;
}

CFDocument Lines(std::uint32_t count, std::vector<std::uint32_t> cells = {'a'})
{
    CFDocument d;
    for (std::uint32_t l = 0; l < count; ++l) {
        if (l > 0)
            d.InsertLine(l);
        d.InsertCells(static_cast<std::uint32_t>(cells.size()), l, 0, cells.data());
    }
    return d;
}

// Sign font 40 high and 50 wide, text font 20 high and 14 wide: a sign is
// 50 px, a letter 14 px, a subscript digit 28 * 6 / 10 = 14 + 2 = 16 px.
class TextLayoutTest : public ::testing::Test {
protected:
    FakeFont sign{Attrs(40, 50)};
    FakeFont text{Attrs(20, 14)};
    EditorFonts fonts{&sign, &text};
    FakeSurface surface;
    SurfaceRecording& rec = surface.recording();
};

TEST(CellUnitsTest, EncodesEachRangeOfCodePoints)
{
    EXPECT_EQ(CellUnits(0x12044), u"\xD808\xDC44");
    EXPECT_EQ(CellUnits(0x10000), u"\xD800\xDC00");
    EXPECT_EQ(CellUnits(0x10FFFF), u"\xDBFF\xDFFF");
    EXPECT_EQ(CellUnits('a'), u"a");
    EXPECT_EQ(CellUnits(0x0FFF), std::u16string(1, char16_t(0x0FFF)));
    EXPECT_EQ(CellUnits(0x1000), std::u16string(u"\x1000\0", 2));
    EXPECT_EQ(CellUnits(kSub3), std::u16string(u"\x2083\0", 2));
    EXPECT_EQ(CellUnits(0xFFFF), std::u16string(u"\xFFFF\0", 2));
}

TEST_F(TextLayoutTest, MeasuresEachCellInItsFontAndScalesBmpCellsAboveU1000)
{
    EXPECT_EQ(MeasureCell(kSign, surface, fonts), (Size{50, 40}));
    EXPECT_EQ(rec.callsOf<TextExtentCall>().back().font, sign.attributes());
    EXPECT_EQ(MeasureCell('a', surface, fonts), (Size{14, 20}));
    EXPECT_EQ(rec.callsOf<TextExtentCall>().back().font, text.attributes());
    EXPECT_EQ(MeasureCell(0x0FFF, surface, fonts).cx, 14);
    EXPECT_EQ(MeasureCell(0x1000, surface, fonts).cx, 16);

    // A subscript digit whose run with its NUL unit is 30 wide counts 18.
    rec.glyphWidths[kSub3] = 15;
    rec.glyphWidths[0] = 15;
    EXPECT_EQ(MeasureCell(kSub3, surface, fonts), (Size{18, 20}));
    // 39 wide: 19 + 3, both halves rounded down.
    rec.glyphWidths[0] = 24;
    EXPECT_EQ(MeasureCell(kSub3, surface, fonts).cx, 22);
}

TEST_F(TextLayoutTest, DrawLinePlacesCellsSideBySideInTheirFonts)
{
    const CFDocument d = Doc({{'a', kSign, kSub3, 'b'}});
    DrawLine(d.Line(0), surface, fonts, 5, 7, TextColors{kBlue, true, kGray});
    const auto runs = rec.textOuts();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].x, 5);
    EXPECT_EQ(runs[1].x, 19);
    EXPECT_EQ(runs[2].x, 69);
    EXPECT_EQ(runs[3].x, 85);
    for (const auto& run : runs)
        EXPECT_EQ(run.y, 7);
    EXPECT_EQ(runs[1].units, u"\xD808\xDC44");
    EXPECT_EQ(runs[1].font, sign.attributes());
    EXPECT_EQ(runs[2].units, std::u16string(u"\x2083\0", 2));
    EXPECT_EQ(runs[2].font, text.attributes());
    EXPECT_EQ(runs[3].font, text.attributes());
    for (const auto& run : runs) {
        EXPECT_EQ(run.color, kBlue);
        EXPECT_FALSE(run.transparent);
        EXPECT_EQ(run.background, kGray);
    }
}

TEST_F(TextLayoutTest, LineHeightIsTheReferenceSignInTheSignFont)
{
    EXPECT_EQ(LineHeight(surface, fonts), 40);
    const auto extent = rec.callsOf<TextExtentCall>().back();
    EXPECT_EQ(extent.units, u"\xD808\xDC44");
    EXPECT_EQ(extent.font, sign.attributes());
}

TEST_F(TextLayoutTest, DrawDocumentDrawsTheRowsThatMeetTheAreaAndOneMoreOnEitherSide)
{
    const CFDocument d = Lines(100);
    const auto rowsOf = [&](Rect area) {
        rec.clear();
        FakeSurface part(surface.sharedRecording(), area);
        DrawDocument(d, part, fonts, 10, 0, {});
        std::vector<int> rows;
        for (const auto& run : rec.textOuts()) {
            EXPECT_EQ(run.x, 0);
            rows.push_back(run.y / 40);
        }
        return rows;
    };
    // 600 / 40: rows 0 to 14, and row 15 below them.
    auto rows = rowsOf({0, 0, 800, 600});
    ASSERT_EQ(rows.size(), 16u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], static_cast<int>(i));
    // A row that shows only in part counts.
    EXPECT_EQ(rowsOf({0, 0, 800, 601}).size(), 17u);
    // The part being painted again: rows 2 to 4.
    EXPECT_EQ(rowsOf({0, 100, 800, 180}), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(rowsOf({0, 0, 800, 40}), (std::vector<int>{0, 1}));
    EXPECT_TRUE(rowsOf({0, 0, 800, 0}).empty());
}

TEST_F(TextLayoutTest, DrawDocumentStopsAtTheLastLine)
{
    const CFDocument d = Doc({{'a'}, {'b'}, {'c'}, {'d'}});
    DrawDocument(d, surface, fonts, 1, 0, {});
    const auto runs = rec.textOuts();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].units, u"b");
    EXPECT_EQ(runs[2].units, u"d");
    EXPECT_EQ(runs[2].y, 80);

    rec.clear();
    DrawDocument(d, surface, fonts, 4, 0, {}); // top == line count
    DrawDocument(d, surface, fonts, 0xFFFFFFFFu, 0, {});
    EXPECT_TRUE(rec.textOuts().empty());
}

TEST_F(TextLayoutTest, DrawDocumentWithoutRowHeightDrawsNothing)
{
    FakeFont flat(Attrs(0, 50));
    const CFDocument d = Lines(3);
    DrawDocument(d, surface, EditorFonts{&flat, &text}, 0, 0, {});
    EXPECT_TRUE(rec.textOuts().empty());
}

TEST_F(TextLayoutTest, PrefixExtentSumsTheCellsBeforeTheColumn)
{
    const CFDocument d = Doc({{kSign, 'a', kSub3}});
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, fonts, 0), (Size{0, 40}));
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, fonts, 2), (Size{64, 40}));
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, fonts, 3), (Size{80, 40}));
    try {
        PrefixExtent(d.Line(0), surface, fonts, 4);
        FAIL() << "no error for a column beyond the line";
    } catch (std::uint32_t code) {
        EXPECT_EQ(code, 1001u);
    }
}

TEST_F(TextLayoutTest, CaretFollowsTheActiveScrollOffsetsOnly)
{
    const CFDocument d = Doc({{'a'}, {'a'}, {kSign, kSign, 'a'}});
    const Position cursor{2, 2};
    EXPECT_EQ(CaretPoint(d, cursor, surface, fonts, {}), (Point{100, 80}));
    EXPECT_EQ(CaretPoint(d, cursor, surface, fonts, {true, 1, true, 30}), (Point{70, 40}));
    EXPECT_EQ(CaretPoint(d, cursor, surface, fonts, {false, 1, false, 30}), (Point{100, 80}));

    const Pen pen{true, 1, kBlue};
    const Brush brush{kWhite};
    DrawCaret(d, cursor, false, surface, fonts, {true, 1, true, 30}, pen, brush);
    EXPECT_TRUE(rec.rectangles().empty());
    DrawCaret(d, cursor, true, surface, fonts, {true, 1, true, 30}, pen, brush);
    const auto rects = rec.rectangles();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{70, 40, 72, 80}));
    EXPECT_EQ(rects[0].pen.color, kBlue);
    EXPECT_TRUE(rects[0].pen.visible);
    EXPECT_EQ(rects[0].brush.color, kWhite);
}

// A point becomes the position before the cell under it (after the last
// cell right of a line's end); outside the document, or without a row
// height, there is none and the cursor stays. Only the cells up to the
// point are measured, however long the line.
TEST_F(TextLayoutTest, HitTestPlacesTheCursorBeforeTheCellUnderThePoint)
{
    // Cells 50, 14, 16 wide: edges at 50, 64, 80.
    const CFDocument d = Doc({{'a'}, {kSign, 'a', kSub3}, {}});
    EXPECT_EQ(HitTest(d, surface, fonts, 0, 40), (Position{1, 0}));
    EXPECT_EQ(HitTest(d, surface, fonts, 49, 79), (Position{1, 0}));
    EXPECT_EQ(HitTest(d, surface, fonts, 50, 40), (Position{1, 1}));
    EXPECT_EQ(HitTest(d, surface, fonts, 63, 40), (Position{1, 1}));
    EXPECT_EQ(HitTest(d, surface, fonts, 79, 40), (Position{1, 2}));
    EXPECT_EQ(HitTest(d, surface, fonts, 80, 40), (Position{1, 3}));
    EXPECT_EQ(HitTest(d, surface, fonts, 5000, 40), (Position{1, 3}));
    EXPECT_EQ(HitTest(d, surface, fonts, 14, 0), (Position{0, 1}));
    EXPECT_EQ(HitTest(d, surface, fonts, 300, 80), (Position{2, 0})); // empty line

    EXPECT_EQ(HitTest(d, surface, fonts, 0, 120), std::nullopt); // below the last line
    EXPECT_EQ(HitTest(d, surface, fonts, -1, 0), std::nullopt);
    EXPECT_EQ(HitTest(d, surface, fonts, 0, -1), std::nullopt);
    EXPECT_EQ(HitTest(d, surface, fonts, 0, -40000), std::nullopt);
    FakeFont flat(Attrs(0, 50));
    EXPECT_EQ(HitTest(d, surface, EditorFonts{&flat, &text}, 0, 0), std::nullopt);

    const CFDocument longLine = Lines(1, std::vector<std::uint32_t>(1000, 'a'));
    rec.clear();
    ASSERT_EQ(HitTest(longLine, surface, fonts, 20, 0), (Position{0, 1}));
    EXPECT_LE(rec.extentCount(), 3u);
}

TEST_F(TextLayoutTest, OnlyCellsReachingIntoTheAreaAreDrawnWhereTheyAlwaysLie)
{
    // Letters 14 px, signs 50 px, subscript digits 16 px, in a repeating mix.
    std::vector<std::uint32_t> cells;
    for (int i = 0; i < 250; ++i)
        cells.insert(cells.end(), {'a', kSign, kSub3, kSign2});
    const CFDocument d = Doc({cells});
    FakeSurface unclipped(nullptr, {0, 0, 1 << 30, 600});
    DrawLine(d.Line(0), unclipped, fonts, 0, 0, {});
    const auto all = unclipped.recording().textOuts();
    ASSERT_EQ(all.size(), 1000u);

    for (const Rect area : {Rect{0, 0, 800, 600}, Rect{300, 0, 500, 600}}) {
        for (const int hpos : {0, 7000, 7007, 30000}) {
            rec.clear();
            FakeSurface part(surface.sharedRecording(), area);
            DrawLine(d.Line(0), part, fonts, -hpos, 0, {});
            const auto drawn = rec.textOuts();
            // The cells whose box meets the area across, one more on either
            // side.
            std::size_t first = 0;
            while (first + 1 < all.size() && all[first + 1].x - hpos <= area.left)
                ++first;
            std::size_t last = first;
            while (last + 1 < all.size() && all[last + 1].x - hpos < area.right)
                ++last;
            const std::size_t from = first > 0 ? first - 1 : 0;
            const std::size_t to = std::min(last + 1, all.size() - 1);
            ASSERT_EQ(drawn.size(), to - from + 1) << "hpos " << hpos << ", area from " << area.left;
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                EXPECT_EQ(drawn[i].x, all[from + i].x - hpos);
                EXPECT_EQ(drawn[i].units, all[from + i].units);
            }
        }
    }
}

TEST_F(TextLayoutTest, KeptMetricsGiveTheResultsOfMeasuringAfresh)
{
    CellMetrics metrics;
    const EditorFonts kept{&sign, &text, &metrics};
    CFDocument d = Doc({{'a', kSign, kSub3, 'b', kSign2}, {kSign, kSign}});
    for (int round = 0; round < 2; ++round) {
        for (std::uint32_t n = 0; n <= 5; ++n)
            EXPECT_EQ(PrefixExtent(d.Line(0), surface, kept, n), PrefixExtent(d.Line(0), surface, fonts, n));
        for (int px = -1; px < 200; ++px)
            EXPECT_EQ(HitTest(d, surface, kept, px, 0), HitTest(d, surface, fonts, px, 0)) << px;
        EXPECT_EQ(LineHeight(surface, kept), 40);
    }
    // Each code point and the row height were measured once.
    rec.clear();
    PrefixExtent(d.Line(1), surface, kept, 2);
    HitTest(d, surface, kept, 60, 40);
    EXPECT_EQ(rec.extentCount(), 0u);

    // Edits of the line, also ones that keep its length, move what follows.
    d.EraseCell(0, 1);
    d.InsertCell(0, 1, 'c'); // a sign became a letter
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, kept, 5).cx, 14 + 14 + 16 + 14 + 50);
    EXPECT_EQ(HitTest(d, surface, kept, 30, 0), (Position{0, 2}));
    d.InsertCell(0, 5, kSign);
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, kept, 6).cx, 14 + 14 + 16 + 14 + 50 + 50);
    d.EraseCells(0, 0, 6);
    EXPECT_EQ(PrefixExtent(d.Line(0), surface, kept, 0).cx, 0);
    EXPECT_EQ(HitTest(d, surface, kept, 30, 0), (Position{0, 0}));
}

class SelectionTest : public TextLayoutTest {
protected:
    // Lines of 10 letters, 140 px each; client width 500.
    CFDocument d = Lines(10, std::vector<std::uint32_t>(10, 'a'));

    std::vector<RectangleCall> Draw(bool active, Position start, Position end, std::uint32_t top, int hpos)
    {
        rec.clear();
        DrawSelection(d, active, start, end, surface, fonts, top, hpos, 500);
        return rec.rectangles();
    }
};

// A selection is drawn as the rows it covers, with the view's scroll
// offsets: nothing when inactive, above the view or beyond the document;
// one row for one line; for several lines the first line's end, the lines
// between and the last line's start, overlapping by a pixel so that no
// seam shows, reaching back above the view when it starts there.
TEST_F(SelectionTest, DrawnAsTheRowsItCovers)
{
    EXPECT_TRUE(Draw(false, {1, 2}, {3, 4}, 0, 0).empty());
    EXPECT_TRUE(Draw(true, {1, 2}, {3, 4}, 4, 0).empty());
    EXPECT_FALSE(Draw(true, {1, 2}, {3, 4}, 3, 0).empty());
    EXPECT_TRUE(Draw(true, {8, 0}, {12, 3}, 0, 0).empty());
    EXPECT_TRUE(Draw(true, {2, 0}, {2, 11}, 0, 0).empty());

    auto rects = Draw(true, {2, 1}, {2, 4}, 1, 10);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{14 - 10, 40, 56 - 10, 80}));

    rects = Draw(true, {1, 2}, {4, 3}, 0, 7);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].rect, (Rect{28 - 7, 40, 500 - 7, 81}));
    EXPECT_EQ(rects[1].rect, (Rect{-7, 80, 500 - 7, 161}));
    EXPECT_EQ(rects[2].rect, (Rect{-7, 160, 42 - 7, 200}));
    for (const auto& r : rects) {
        EXPECT_FALSE(r.pen.visible);
        EXPECT_EQ(r.brush.color, kGray);
    }

    rects = Draw(true, {1, 2}, {4, 3}, 3, 0);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].rect, (Rect{28, -80, 500, -39}));
    EXPECT_EQ(rects[1].rect, (Rect{0, -40, 500, 41}));
    EXPECT_EQ(rects[2].rect, (Rect{0, 40, 42, 80}));
}

} // namespace
} // namespace velmora
