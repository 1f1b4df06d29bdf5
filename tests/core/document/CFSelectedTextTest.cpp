#include "core/document/CFSelectedText.h"
#include "core/document/DocumentError.h"

#include "tests/support/DocumentText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::TextOf;
using test::ThrownCode;

constexpr Position P(std::uint32_t line, std::uint32_t column)
{
    return {line, column};
}

void Select(CFSelectedText& s, Position from, Position to)
{
    s.Reset();
    s.Extend(from.line, from.column);
    s.Extend(to.line, to.column);
}

TEST(CFSelectedText, ExtendKeepsTheRangeOrderedAroundTheAnchor)
{
    CFDocument d;
    CFSelectedText s(nullptr, d);
    EXPECT_FALSE(s.active());

    s.Extend(2, 5);
    EXPECT_TRUE(s.active());
    EXPECT_EQ(s.anchor(), P(2, 5));
    EXPECT_EQ(s.start(), P(2, 5));
    EXPECT_EQ(s.end(), P(2, 5));

    s.Extend(2, 1); // same line, before the anchor
    EXPECT_EQ(s.start(), P(2, 1));
    EXPECT_EQ(s.end(), P(2, 5));

    s.Extend(4, 0); // a later line, at a smaller column than the anchor
    EXPECT_EQ(s.start(), P(2, 5));
    EXPECT_EQ(s.end(), P(4, 0));

    s.Extend(1, 7); // an earlier line, at a larger column
    EXPECT_EQ(s.start(), P(1, 7));
    EXPECT_EQ(s.end(), P(2, 5));

    s.Extend(2, 9); // same line, after the anchor
    EXPECT_EQ(s.start(), P(2, 5));
    EXPECT_EQ(s.end(), P(2, 9));
    EXPECT_EQ(s.anchor(), P(2, 5));
}

TEST(CFSelectedText, ResetEmptiesTheRangeAndTheNextExtendSetsANewAnchor)
{
    CFDocument d;
    CFSelectedText s(nullptr, d);
    s.Extend(3, 4);
    s.Extend(5, 1);
    s.Reset();
    EXPECT_FALSE(s.active());
    EXPECT_EQ(s.start(), P(0, 0));
    EXPECT_EQ(s.end(), P(0, 0));
    EXPECT_EQ(s.anchor(), P(3, 4)); // left as it was

    s.Extend(1, 2);
    EXPECT_EQ(s.anchor(), P(1, 2));
    EXPECT_EQ(s.start(), P(1, 2));
    EXPECT_EQ(s.end(), P(1, 2));
}

TEST(CFSelectedText, ThreeLineRangeSurvivesDeleteAndReinsert)
{
    auto d = MakeDocument({"abc", "def", "ghi"});
    CFSelectedText s(nullptr, d);
    Select(s, P(2, 2), P(0, 1)); // extended backwards: normalised all the same

    s.CopyToBuffer();
    EXPECT_EQ(TextOf(s.buffer()), (Lines{"bc", "def", "gh"}));
    EXPECT_EQ(TextOf(d), (Lines{"abc", "def", "ghi"}));

    s.DeleteSelected();
    EXPECT_EQ(TextOf(d), Lines{"ai"});
    EXPECT_EQ(s.start(), P(0, 1)); // the selection itself does not move
    EXPECT_EQ(s.end(), P(2, 2));

    EXPECT_EQ(s.InsertBuffer(0, 1), 2u);
    EXPECT_EQ(TextOf(d), (Lines{"abc", "def", "ghi"}));
}

TEST(CFSelectedText, AdjacentLinesAndBareLineBreaksRoundTrip)
{
    // Two lines, nothing in between: the tail of the first line and the head
    // of the second go, the rest is joined.
    auto d = MakeDocument({"top", "abcd", "efgh", "end"});
    CFSelectedText s(nullptr, d);
    Select(s, P(1, 3), P(2, 1));
    s.CopyToBuffer();
    s.DeleteSelected();
    EXPECT_EQ(TextOf(d), (Lines{"top", "abcfgh", "end"}));
    EXPECT_EQ(s.InsertBuffer(1, 3), 1u);
    EXPECT_EQ(TextOf(d), (Lines{"top", "abcd", "efgh", "end"}));

    // Only the line break between two lines: a join, undone by a split.
    Select(s, P(0, 3), P(1, 0));
    s.CopyToBuffer();
    EXPECT_EQ(TextOf(s.buffer()), (Lines{"", ""}));
    s.DeleteSelected();
    EXPECT_EQ(TextOf(d), (Lines{"topabcd", "efgh", "end"}));
    EXPECT_EQ(s.InsertBuffer(0, 3), 1u);
    EXPECT_EQ(TextOf(d), (Lines{"top", "abcd", "efgh", "end"}));
}

TEST(CFSelectedText, WholeDocumentDeletesToOneEmptyLineAndComesBack)
{
    const Lines text{"one", "", "three", "four"};
    auto d = MakeDocument(text);
    CFSelectedText s(nullptr, d);
    Select(s, P(0, 0), P(3, 4));
    s.CopyToBuffer();
    EXPECT_EQ(TextOf(s.buffer()), text);
    s.DeleteSelected();
    EXPECT_EQ(TextOf(d), Lines{""});
    EXPECT_EQ(s.InsertBuffer(0, 0), 3u);
    EXPECT_EQ(TextOf(d), text);
}

TEST(CFSelectedText, SingleLineBufferIsInsertedInsideALine)
{
    auto d = MakeDocument({"abxy", "q"});
    CFSelectedText s(nullptr, d);
    Select(s, P(1, 0), P(1, 1));
    s.CopyToBuffer();
    Select(s, P(0, 2), P(0, 4));
    s.CopyToBuffer(); // replaces the buffer rather than adding to it
    EXPECT_EQ(TextOf(s.buffer()), Lines{"xy"});
    s.DeleteSelected();
    EXPECT_EQ(TextOf(d), (Lines{"ab", "q"}));

    EXPECT_EQ(s.InsertBuffer(0, 1), 0u);
    EXPECT_EQ(TextOf(d), (Lines{"axyb", "q"}));
    EXPECT_EQ(s.InsertBuffer(1, 1), 0u); // at the end of a line
    EXPECT_EQ(TextOf(d), (Lines{"axyb", "qxy"}));
}

TEST(CFSelectedText, EmptyRangeChangesNothing)
{
    auto d = MakeDocument({"abc", "def"});
    CFSelectedText s(nullptr, d);
    Select(s, P(1, 2), P(1, 2));
    s.DeleteSelected();
    s.CopyToBuffer();
    EXPECT_EQ(TextOf(s.buffer()), Lines{""});
    EXPECT_EQ(s.InsertBuffer(0, 3), 0u);
    EXPECT_EQ(TextOf(d), (Lines{"abc", "def"}));
}

TEST(CFSelectedText, RangeBeyondTheDocumentFailsWithoutChangingIt)
{
    // A selection left over from a longer text, e.g. after the document was
    // replaced.
    auto d = MakeDocument({"abc", "def", "ghi"});
    CFSelectedText s(nullptr, d);
    Select(s, P(1, 1), P(4, 0));
    EXPECT_EQ(ThrownCode([&] { s.DeleteSelected(); }), kErrPosition);
    EXPECT_EQ(ThrownCode([&] { s.CopyToBuffer(); }), kErrPosition);
    Select(s, P(0, 2), P(1, 9));
    EXPECT_EQ(ThrownCode([&] { s.DeleteSelected(); }), kErrPosition);
    EXPECT_EQ(TextOf(d), (Lines{"abc", "def", "ghi"}));

    Select(s, P(0, 1), P(2, 1));
    s.CopyToBuffer();
    EXPECT_EQ(ThrownCode([&] { s.InsertBuffer(3, 0); }), kErrPosition);
    EXPECT_EQ(ThrownCode([&] { s.InsertBuffer(1, 4); }), kErrPosition);
    EXPECT_EQ(TextOf(d), (Lines{"abc", "def", "ghi"}));
}

} // namespace
} // namespace velmora
