#include "core/search/DocumentSearch.h"
#include "core/document/CFDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

CFDocument Doc(const std::vector<std::u32string>& lines)
{
    CFDocument d;
    for (std::uint32_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            d.InsertLine(i);
        d.InsertCells(static_cast<std::uint32_t>(lines[i].size()), i, 0,
                      reinterpret_cast<const std::uint32_t*>(lines[i].data()));
    }
    return d;
}

std::span<const std::uint32_t> W(const std::u32string& s)
{
    return {reinterpret_cast<const std::uint32_t*>(s.data()), s.size()};
}

TEST(DocumentSearch, ForwardFindsOverlappingOccurrencesOneAfterTheOther)
{
    const auto d = Doc({U"xx", U"aaa", U"a"});
    const std::u32string aa = U"aa";
    auto hit = ScanForward(d, W(aa), {0, 0});
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, (Position{1, 0}));
    hit = ScanForward(d, W(aa), *NextStart(d, *hit));
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, (Position{1, 1}));
    // The last line holds only one a: no match across the line break.
    EXPECT_FALSE(ScanForward(d, W(aa), *NextStart(d, *hit)));
}

TEST(DocumentSearch, MatchesNeverCrossALineBreak)
{
    const auto d = Doc({U"ab", U"cd"});
    const std::u32string bc = U"bc";
    EXPECT_FALSE(ScanForward(d, W(bc), {0, 0}));
    EXPECT_FALSE(ScanBackward(d, W(bc), {1, 1}));
}

TEST(DocumentSearch, BackwardStartsAtTheLastCellOfEarlierLinesAndSkipsEmptyOnes)
{
    const auto d = Doc({U"abab", U"", U"b"});
    const std::u32string ab = U"ab";
    // Cursor at (2, 0): Find Previous starts on the empty line above.
    const auto start = PreviousStart(d, {2, 0});
    ASSERT_TRUE(start);
    auto hit = ScanBackward(d, W(ab), *start);
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, (Position{0, 2}));
    hit = ScanBackward(d, W(ab), *PreviousStart(d, *hit));
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, (Position{0, 0}));
    EXPECT_FALSE(PreviousStart(d, *hit));
}

TEST(DocumentSearch, EmptyWordMatchesAtTheFirstCellExamined)
{
    const auto d = Doc({U"a", U"", U"bc"});
    const std::u32string empty;
    EXPECT_EQ(ScanForward(d, W(empty), {0, 0}), (Position{0, 0}));
    // Find Next from (0, 0) moves to the next non-empty line.
    EXPECT_EQ(ScanForward(d, W(empty), *NextStart(d, {0, 0})), (Position{2, 0}));
    EXPECT_EQ(ScanBackward(d, W(empty), *PreviousStart(d, {2, 2})), (Position{2, 1}));
    // An empty document has no cell to match at.
    EXPECT_FALSE(ScanForward(CFDocument{}, W(empty), {0, 0}));
}

TEST(DocumentSearch, StartPositionsAtTheEdgesOfTheDocument)
{
    const auto d = Doc({U"abc", U"de"});
    EXPECT_EQ(NextStart(d, {0, 1}), (Position{0, 2}));
    EXPECT_EQ(NextStart(d, {0, 2}), (Position{1, 0}));
    EXPECT_EQ(NextStart(d, {0, 3}), (Position{1, 0}));
    EXPECT_FALSE(NextStart(d, {1, 1}));
    EXPECT_EQ(PreviousStart(d, {1, 0}), (Position{0, 2}));
    EXPECT_FALSE(PreviousStart(d, {0, 0}));
    // A word longer than the rest of the line does not match.
    const std::u32string cde = U"cde";
    EXPECT_FALSE(MatchesAt(d, W(cde), 0, 2));
}

// Long lines over a small alphabet, so that the first cell of a word turns
// up at every offset of the scan's blocks, in and out of place: every scan
// from every start finds what a plain cell-by-cell comparison finds.
TEST(DocumentSearch, ScansAgreeWithAPlainComparisonOnLongLines)
{
    std::vector<std::u32string> lines;
    std::uint32_t seed = 7;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (const std::size_t length : {0, 1, 15, 16, 17, 33, 100, 257}) {
        std::u32string line;
        for (std::size_t i = 0; i < length; ++i)
            line += static_cast<char32_t>(0x12000 + next() % 3);
        lines.push_back(line);
    }
    const auto d = Doc(lines);
    const auto plainForward = [&](std::span<const std::uint32_t> w,
                                  Position from) -> std::optional<Position> {
        for (std::uint32_t k = from.line; k < d.LineCount(); ++k)
            for (std::uint32_t p = k == from.line ? from.column : 0; p < d.LineLength(k); ++p)
                if (MatchesAt(d, w, k, p))
                    return Position{k, p};
        return std::nullopt;
    };
    const auto plainBackward = [&](std::span<const std::uint32_t> w,
                                   Position from) -> std::optional<Position> {
        for (std::uint32_t k = from.line + 1; k-- > 0;) {
            const std::uint32_t n = d.LineLength(k);
            if (n == 0)
                continue;
            for (std::uint32_t p = (k == from.line ? std::min(from.column, n - 1) : n - 1) + 1; p-- > 0;)
                if (MatchesAt(d, w, k, p))
                    return Position{k, p};
        }
        return std::nullopt;
    };
    const std::vector<std::u32string> words = {
        U"\U00012000", U"\U00012001\U00012002", U"\U00012002\U00012002\U00012000",
        U"\U00012000\U00012001\U00012002\U00012000\U00012001", U"\U00012044"};
    for (const auto& word : words) {
        for (std::uint32_t k = 0; k < d.LineCount(); ++k) {
            for (std::uint32_t c = 0; c <= d.LineLength(k); ++c) {
                ASSERT_EQ(ScanForward(d, W(word), {k, c}), plainForward(W(word), {k, c}));
                ASSERT_EQ(ScanBackward(d, W(word), {k, c}), plainBackward(W(word), {k, c}));
            }
        }
    }
}

} // namespace
} // namespace velmora
