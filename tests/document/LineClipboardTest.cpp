#include "document/CFDocument.h"
#include "document/LineClipboard.h"
#include "support/DocumentText.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::TextOf;

TEST(LineClipboard, EncodesSignsAsSurrogatePairsAndLinesWithCrLf)
{
    CFDocument signs;
    const std::uint32_t cells[] = {0x12000, 0x12001};
    signs.InsertCells(2, 0, 0, cells);
    const auto one = EncodeClipboardText(signs, {0, 0}, {0, 2});
    EXPECT_EQ(one.units, (std::u16string{0xD808, 0xDC00, 0xD808, 0xDC01}));
    EXPECT_EQ(one.breakCount, 0u);
    EXPECT_EQ(one.bytes, 10u);

    const auto doc = MakeDocument({"abc", "def", "ghi"});
    const auto three = EncodeClipboardText(doc, {0, 1}, {2, 2});
    EXPECT_EQ(three.units, u"bc\r\ndef\r\ngh");
    EXPECT_EQ(three.breakCount, 2u);
    EXPECT_FALSE(three.overLimit());
}

TEST(LineClipboard, CutsTheTextAtTheByteLimit)
{
    for (const auto& [cells, written, warned] :
         {std::tuple{498u, 498u, false}, {499u, 499u, true}, {501u, 500u, true}}) {
        const auto doc = MakeDocument({std::string(cells, 'x')});
        const auto text = EncodeClipboardText(doc, {0, 0}, {0, cells});
        EXPECT_EQ(text.units.size(), written) << cells;
        EXPECT_EQ(text.overLimit(), warned) << cells;
    }
    // A surrogate pair begun at 998 bytes ends at 1002.
    CFDocument signs;
    for (int i = 0; i < 300; ++i)
        signs.InsertCell(0, 0, 0x12000);
    signs.InsertCell(0, 0, 'x');
    const auto text = EncodeClipboardText(signs, {0, 0}, {0, 301});
    EXPECT_EQ(text.bytes, 1004u);
    EXPECT_EQ(text.units.size(), 1u + 2 * 250);
}

TEST(LineClipboard, LineBreaksStopAtTheLimitAndLaterLinesAreSkipped)
{
    // First line of 499 cells: 998 bytes, the break still fits (< 1000).
    const auto doc = MakeDocument({std::string(499, 'a'), "bbb", "ccc"});
    const auto text = EncodeClipboardText(doc, {0, 0}, {2, 3});
    EXPECT_EQ(text.breakCount, 1u);
    EXPECT_EQ(text.units.size(), 501u);
    EXPECT_TRUE(text.overLimit());
}

TEST(LineClipboard, PasteSplitsAtCrAndSkipsTheUnitAfterIt)
{
    CFDocument d;
    EXPECT_EQ(PasteClipboardText(d, {0, 0}, u"a\r\nb"), (Position{1, 1}));
    EXPECT_EQ(TextOf(d), (Lines{"a", "b"}));

    CFDocument cr;
    EXPECT_EQ(PasteClipboardText(cr, {0, 0}, u"\rb"), (Position{1, 0}));
    EXPECT_EQ(TextOf(cr), (Lines{"", ""}));

    auto xy = MakeDocument({"xy"});
    EXPECT_EQ(PasteClipboardText(xy, {0, 1}, u"12\r\n34\n"), (Position{1, 3}));
    EXPECT_EQ(TextOf(xy), (Lines{"x12", "34\ny"}));
}

TEST(LineClipboard, PasteJoinsSurrogatePairsAndStopsAtTheLineLengthLimit)
{
    CFDocument d;
    const std::u16string pair{0xD808, 0xDC44, u'a', 0};
    EXPECT_EQ(PasteClipboardText(d, {0, 0}, pair + u"ignored"), (Position{0, 2}));
    EXPECT_EQ(d.CellAt(0, 0), 0x12044u);
    EXPECT_EQ(d.LineLength(0), 2u);

    CFDocument longText;
    EXPECT_EQ(PasteClipboardText(longText, {0, 0}, std::u16string(1200, u'z')), (Position{0, 1000}));
    EXPECT_EQ(longText.LineLength(0), 1000u);

    auto nearEnd = MakeDocument({std::string(995, 'a') + "TAIL"});
    EXPECT_EQ(PasteClipboardText(nearEnd, {0, 995}, std::u16string(10, u'z')), (Position{0, 1000}));
    EXPECT_EQ(TextOf(nearEnd)[0], std::string(995, 'a') + "zzzzzTAIL");

    // A lone high surrogate at the end of the text stays one cell.
    CFDocument lone;
    PasteClipboardText(lone, {0, 0}, std::u16string{u'a', 0xD808});
    EXPECT_EQ(lone.LineLength(0), 2u);
    EXPECT_EQ(lone.CellAt(0, 1), 0xD808u);
}

} // namespace
} // namespace velmora
