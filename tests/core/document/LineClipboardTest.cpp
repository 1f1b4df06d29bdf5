#include "core/document/LineClipboard.h"
#include "core/document/CFDocument.h"
#include "core/document/RangeEdit.h"
#include "tests/support/DocumentText.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::TextOf;

TEST(LineClipboard, EncodesSignsAsSurrogatePairsAndLinesWithCrLf)
{
    const std::uint32_t cells[] = {0x12000, 0x12001};
    EXPECT_EQ(EncodeClipboardText(TextOfCells(cells)), (std::u16string{0xD808, 0xDC00, 0xD808, 0xDC01}));

    const auto doc = MakeDocument({"abc", "def", "ghi"});
    EXPECT_EQ(EncodeClipboardText(CopyRange(doc, {0, 1}, {2, 2})), u"bc\r\ndef\r\ngh");
}

// A paragraph of signs, far beyond the old 1000-byte block, goes onto the
// clipboard whole and comes back unchanged.
TEST(LineClipboard, LongTextsRoundTripWhole)
{
    CFDocument text = MakeDocument({"", std::string(999, 'a'), "", "b"});
    for (std::uint32_t i = 0; i < 700; ++i)
        text.InsertCell(0, i, 0x12000 + i);
    const std::u16string units = EncodeClipboardText(text);
    EXPECT_EQ(units.size(), 1400u + 999 + 1 + 3 * 2);
    EXPECT_EQ(DecodeClipboardText(units), text);
}

TEST(LineClipboard, DecodeEndsLinesAtCrLfLoneCrAndLoneLfAndStopsAtNul)
{
    EXPECT_EQ(TextOf(DecodeClipboardText(u"a\r\nb")), (Lines{"a", "b"}));
    // Nothing after a lone CR is lost.
    EXPECT_EQ(TextOf(DecodeClipboardText(u"\rb\nc\n\r\nd")), (Lines{"", "b", "c", "", "d"}));
    EXPECT_EQ(TextOf(DecodeClipboardText(u"x\r")), (Lines{"x", ""}));
    EXPECT_EQ(TextOf(DecodeClipboardText(std::u16string{u'p', u'\t', 0, u'q'})), (Lines{"p\t"}));
    EXPECT_TRUE(IsEmptyText(DecodeClipboardText(u"")));
}

TEST(LineClipboard, DecodeJoinsEverySurrogatePairAndKeepsLoneSurrogates)
{
    // A pair whose low half is the 1000th unit, where the old read limit
    // split it, is one sign like any other.
    std::u16string units(998, u'z');
    units += {0xD808, 0xDC44, u'y'};
    const CFDocument text = DecodeClipboardText(units);
    ASSERT_EQ(text.LineLength(0), 1000u);
    EXPECT_EQ(text.CellAt(0, 998), 0x12044u);
    EXPECT_EQ(text.CellAt(0, 999), u'y');

    // A high surrogate without its low half, in the middle or at the end,
    // stays a cell of its own and takes nothing with it.
    const CFDocument lone = DecodeClipboardText(std::u16string{u'a', 0xD808, u'b', 0xDC00, 0xD808});
    const std::vector<std::uint32_t> expected{u'a', 0xD808, u'b', 0xDC00, 0xD808};
    const auto cells = lone.Line(0).Cells();
    EXPECT_EQ(std::vector<std::uint32_t>(cells.begin(), cells.end()), expected);
}

} // namespace
} // namespace velmora
