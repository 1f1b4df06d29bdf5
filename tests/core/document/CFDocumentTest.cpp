#include "core/document/CFDocument.h"
#include "core/dictionary/CFWordSign.h"
#include "core/document/DocumentError.h"
#include "tests/support/DocumentText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using test::Lines;

CFDocument Doc(const Lines& lines)
{
    return test::MakeDocument(lines);
}

Lines Text(const CFDocument& d)
{
    return test::TextOf(d);
}

template <class F>
std::uint32_t CodeOf(F&& f)
{
    return test::ThrownCode(std::forward<F>(f));
}

TEST(CFDocument, NewDocumentHasOneEmptyLineAndTheLineLengthLimit)
{
    CFDocument d;
    EXPECT_EQ(d.LineCount(), 1u);
    EXPECT_EQ(d.LineLength(0), 0u);
    EXPECT_EQ(d.maxLineLength, 1000u);
}

TEST(CFDocument, EraseLineAndClearNeverLeaveTheDocumentWithoutALine)
{
    auto d = Doc({"abc"});
    d.EraseLine(0);
    EXPECT_EQ(Text(d), Lines{""});

    auto many = Doc({"a", "b", "c", "d"});
    many.EraseLine(1);
    EXPECT_EQ(Text(many), (Lines{"a", "c", "d"}));
    many.Clear();
    EXPECT_EQ(Text(many), Lines{""});
    EXPECT_EQ(CodeOf([&] { many.EraseLine(1); }), kErrPosition);
}

TEST(CFDocument, InsertLineAcceptsTheCountAsAppendPosition)
{
    auto d = Doc({"a"});
    d.InsertLine(1);
    d.InsertLine(0);
    EXPECT_EQ(Text(d), (Lines{"", "a", ""}));
    EXPECT_EQ(CodeOf([&] { d.InsertLine(4); }), kErrPosition);
    EXPECT_EQ(d.LineCount(), 3u);
}

TEST(CFDocument, InsertCellReportsMissingLinesAndColumns)
{
    auto d = Doc({"ab"});
    d.InsertCell(0, 2, 'c');
    d.InsertCell(0, 0, 'x');
    EXPECT_EQ(Text(d), Lines{"xabc"});
    EXPECT_EQ(CodeOf([&] { d.InsertCell(0, 5, 'y'); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { d.InsertCell(2, 0, 'y'); }), kErrCellLine);
    EXPECT_EQ(CodeOf([&] { d.InsertCell(1, 0, 'y'); }), kErrCellLine);
    EXPECT_EQ(Text(d), Lines{"xabc"});
}

TEST(CFDocument, EraseCellAndEraseCellsLeaveEmptyOrReversedRangesAlone)
{
    auto d = Doc({"abcdef", ""});
    d.EraseCell(1, 0);
    d.EraseCells(0, 3, 3);
    d.EraseCells(0, 5, 2);
    EXPECT_EQ(Text(d), (Lines{"abcdef", ""}));
    d.EraseCell(0, 1);
    d.EraseCells(0, 1, 3);
    EXPECT_EQ(Text(d), (Lines{"aef", ""}));
    EXPECT_EQ(CodeOf([&] { d.EraseCells(0, 1, 4); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { d.EraseCell(0, 4); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { d.EraseCells(3, 0, 1); }), kErrCellLine);
}

TEST(CFDocument, AppendCellsJoinsAndSplitsLines)
{
    auto d = Doc({"ab", "cdef"});
    d.AppendCells(0, 1, 1, 3);
    EXPECT_EQ(Text(d), (Lines{"abde", "cdef"}));
    d.AppendCells(1, 1, 0, 2); // a line appended to itself
    EXPECT_EQ(Text(d), (Lines{"abde", "cdefcd"}));
    EXPECT_EQ(CodeOf([&] { d.AppendCells(0, 2, 0, 0); }), kErrRangeLine);
    EXPECT_EQ(CodeOf([&] { d.AppendCells(0, 1, 0, 7); }), kErrRangeLine);
}

TEST(CFDocument, CopyCellsMovesTextBetweenDocuments)
{
    auto src = Doc({"hello", "world"});
    CFDocument dst;
    CFDocument::CopyCells(dst, 0, 0, src, 1, 1, 4);
    CFDocument::CopyCells(dst, 0, 1, src, 0, 0, 2);
    EXPECT_EQ(Text(dst), Lines{"oherl"});
    // An empty range does nothing, even on lines that do not exist.
    CFDocument::CopyCells(dst, 7, 0, src, 9, 3, 3);
    EXPECT_EQ(CodeOf([&] { CFDocument::CopyCells(dst, 1, 0, src, 0, 0, 1); }), kErrRangeLine);
    EXPECT_EQ(CodeOf([&] { CFDocument::CopyCells(dst, 0, 9, src, 0, 0, 1); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { CFDocument::CopyCells(dst, 0, 0, src, 0, 0, 6); }), kErrPosition);
    // Within one document, between lines.
    CFDocument::CopyCells(src, 0, 5, src, 1, 0, 5);
    EXPECT_EQ(Text(src), (Lines{"helloworld", "world"}));
}

TEST(CFDocument, InsertCellsAndSignWords)
{
    CFDocument d;
    const std::uint32_t cells[] = {0x12000, 0x12001, 0x12002};
    EXPECT_EQ(d.InsertCells(0, 5, 5, cells), 0u);
    EXPECT_EQ(d.InsertCells(2, 0, 0, cells), 2u);
    const auto word = CFWordSign::FromCells(std::vector<std::uint32_t>{0x12038, 0x1202D});
    EXPECT_EQ(d.InsertSignWord(0, 1, *word), 2u);
    EXPECT_EQ(std::vector<std::uint32_t>(d.Line(0).Cells().begin(), d.Line(0).Cells().end()),
              (std::vector<std::uint32_t>{0x12000, 0x12038, 0x1202D, 0x12001}));
    CFWordSign never;
    EXPECT_EQ(d.InsertSignWord(0, 0, never), 0u);
    EXPECT_EQ(CodeOf([&] { d.InsertCells(1, 1, 0, cells); }), kErrRangeLine);
    EXPECT_EQ(CodeOf([&] { d.InsertSignWord(0, 5, *word); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { d.InsertSignWord(2, 0, *word); }), kErrRangeLine);
}

TEST(CFLine, LineLevelFormsReportColumnsBeyondTheEnd)
{
    CFLine line;
    const std::uint32_t cells[] = {'l', 'u', 'g'};
    line.InsertCells(3, 0, cells);
    line.InsertCell(3, 'a');
    EXPECT_EQ(line.Length(), 4u);
    EXPECT_EQ(line.CellAt(3), static_cast<std::uint32_t>('a'));
    EXPECT_EQ(CodeOf([&] { line.CellAt(4); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { line.InsertCell(6, 'x'); }), kErrPosition);
    line.EraseCells(0, 2);
    EXPECT_EQ(line.CellAt(0), static_cast<std::uint32_t>('g'));
    line.Clear();
    EXPECT_TRUE(line.Empty());
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

TEST(CFDocument, InsertLinesAndEraseLinesMoveRangesOfLines)
{
    auto d = Doc({"a", "b", "c"});
    d.InsertLines(1, 2);
    EXPECT_EQ(Text(d), (Lines{"a", "", "", "b", "c"}));
    d.EraseLines(0, 2);
    EXPECT_EQ(Text(d), (Lines{"", "b", "c"}));
    d.EraseLines(2, 1);
    EXPECT_EQ(d.LineCount(), 3u);
    EXPECT_EQ(CodeOf([&] { d.EraseLines(1, 4); }), kErrPosition);
    EXPECT_EQ(CodeOf([&] { d.InsertLines(4, 1); }), kErrPosition);
    d.EraseLines(0, 3);
    EXPECT_EQ(Text(d), Lines{""});
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

TEST(CFDocument, EveryChangeAdvancesTheRevisionAndReadsDoNot)
{
    auto d = Doc({"ab", "cd"});
    const auto before = d.Revision();
    d.LineLength(0);
    d.CellAt(1, 1);
    EXPECT_EQ(d.Revision(), before);
    std::uint64_t last = before;
    const auto changed = [&] {
        const bool advanced = d.Revision() > last;
        last = d.Revision();
        return advanced;
    };
    const std::uint32_t cells[] = {'x'};
    d.InsertCell(0, 0, 'z');
    EXPECT_TRUE(changed());
    d.EraseCells(0, 0, 1);
    EXPECT_TRUE(changed());
    d.AppendCells(0, 1, 0, 1);
    EXPECT_TRUE(changed());
    d.InsertCells(1, 1, 0, cells);
    EXPECT_TRUE(changed());
    CFDocument::CopyCells(d, 0, 0, d, 1, 0, 1);
    EXPECT_TRUE(changed());
    d.InsertLine(2);
    EXPECT_TRUE(changed());
    d.EraseLine(2);
    EXPECT_TRUE(changed());
    d.Clear();
    EXPECT_TRUE(changed());
    // A failed change leaves the revision alone.
    EXPECT_EQ(CodeOf([&] { d.InsertCell(0, 5, 'q'); }), kErrPosition);
    EXPECT_FALSE(changed());
}

TEST(CFDocument, AssigningAnotherTextAdvancesTheRevisionPastBoth)
{
    // A document replaced by a freshly built one (as a file load does) must
    // not fall back to a revision it had before, or an owner comparing
    // revisions would take the new text for the one it saved.
    auto d = Doc({"ab", "cd", "ef"});
    const auto saved = d.Revision();
    CFDocument fresh;
    fresh.InsertCell(0, 0, 'x');
    ASSERT_LT(fresh.Revision(), saved);
    d = std::move(fresh);
    EXPECT_GT(d.Revision(), saved);
    EXPECT_EQ(Text(d), Lines{"x"});

    const auto beforeCopy = d.Revision();
    const auto other = Doc({"q"});
    d = other;
    EXPECT_GT(d.Revision(), beforeCopy);
    EXPECT_GT(d.Revision(), other.Revision());
    EXPECT_EQ(Text(d), Lines{"q"});
}

} // namespace
} // namespace velmora
