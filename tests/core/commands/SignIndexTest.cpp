#include "core/commands/SignIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr std::uint32_t kKak = 0x12195, kA = 0x12000, kAn = 0x1202D, kSa = 0x122AD, kDu = 0x1207A;

std::vector<std::uint32_t> Found(std::u32string_view filter)
{
    const SignIndex& index = SignIndex::Bundled();
    std::vector<std::uint32_t> out;
    for (const std::size_t row : index.Filter(filter))
        out.push_back(index.at(row).codePoint);
    return out;
}

std::uint32_t First(std::u32string_view filter)
{
    const auto found = Found(filter);
    return found.empty() ? 0 : found.front();
}

TEST(SignIndexTest, EverySignIsListedWithItsNameCodePointAndReadings)
{
    const SignIndex& index = SignIndex::Bundled();
    EXPECT_GT(index.size(), 900u);
    const auto kak = index.RowOf(kKak);
    ASSERT_TRUE(kak);
    EXPECT_EQ(index.at(*kak).name, "KAK");
    EXPECT_EQ(index.at(*kak).code, "U+12195");
    EXPECT_NE(index.at(*kak).readings.find("du₃"), std::string::npos);
    EXPECT_NE(index.at(*kak).readings.find("kak"), std::string::npos);
    // An empty filter (or blanks) lists them all, in code-point order.
    const auto all = Found(U"  ");
    EXPECT_EQ(all.size(), index.size());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_FALSE(index.RowOf(0x41));
}

TEST(SignIndexTest, ReadingsMatchInEitherNotationAndExactMatchesComeFirst)
{
    // ASCII index digits, subscripts, CDLI's sz, and the old accents.
    EXPECT_EQ(First(U"du3"), kKak);
    EXPECT_EQ(First(U"du₃"), kKak);
    EXPECT_EQ(First(U"kak"), kKak);
    EXPECT_EQ(First(U"sza"), kSa);
    EXPECT_EQ(First(U"ša"), kSa);
    // du itself first, then every sign with a reading that starts with du.
    const auto du = Found(U"du");
    ASSERT_GT(du.size(), 5u);
    EXPECT_EQ(du.front(), kDu);
    EXPECT_NE(std::find(du.begin(), du.end(), kKak), du.end());
    // Typing on narrows the list.
    EXPECT_LT(Found(U"dub").size(), du.size());
    EXPECT_TRUE(Found(U"qqqzx").empty());
}

TEST(SignIndexTest, NamesAndCodePointsFindTheirSigns)
{
    EXPECT_EQ(First(U"KAK"), kKak);
    // KAK's variants follow it.
    EXPECT_GT(Found(U"KAK").size(), 1u);
    // A name of two signs lists both, in order, with or without its bars.
    const auto aan = Found(U"|A.AN|");
    ASSERT_GE(aan.size(), 2u);
    EXPECT_EQ(aan[0], kA);
    EXPECT_EQ(aan[1], kAn);
    EXPECT_EQ(Found(U"A.AN").front(), kA);
    // Code points with or without U+, in either case; a start narrows.
    EXPECT_EQ(Found(U"U+12195"), std::vector<std::uint32_t>{kKak});
    EXPECT_EQ(Found(U"12195"), std::vector<std::uint32_t>{kKak});
    EXPECT_EQ(First(U"u+12195"), kKak);
    const auto block = Found(U"1219");
    EXPECT_GE(block.size(), 10u);
    EXPECT_LE(block.size(), 16u);
}

} // namespace
} // namespace velmora
