#include "tools/UnicodeSignNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr std::uint32_t kShin = 0x0160;
constexpr std::uint32_t kHet = 0x1E2A;

TEST(UnicodeSignNamesTest, ANameOfLettersAndDigitsIsAReading)
{
    const auto sha3 = UnicodeSignNames::ReadingOfName("CUNEIFORM SIGN SHA3");
    ASSERT_TRUE(sha3);
    EXPECT_THAT(sha3->key, ElementsAre(kShin, 'A'));
    EXPECT_EQ(sha3->number, 3u);

    const auto a = UnicodeSignNames::ReadingOfName("CUNEIFORM SIGN A");
    ASSERT_TRUE(a);
    EXPECT_THAT(a->key, ElementsAre('A'));
    EXPECT_EQ(a->number, 1u);

    const auto ashgab = UnicodeSignNames::ReadingOfName("CUNEIFORM SIGN ASHGAB");
    ASSERT_TRUE(ashgab);
    EXPECT_THAT(ashgab->key, ElementsAre('A', kShin, 'G', 'A', 'B'));

    const auto hi = UnicodeSignNames::ReadingOfName("CUNEIFORM SIGN HI");
    ASSERT_TRUE(hi);
    EXPECT_THAT(hi->key, ElementsAre(kHet, 'I'));

    const auto du12 = UnicodeSignNames::ReadingOfName("CUNEIFORM SIGN KU12");
    ASSERT_TRUE(du12);
    EXPECT_EQ(du12->number, 12u);
}

TEST(UnicodeSignNamesTest, NamesWithFurtherWordsAreNoReadings)
{
    for (const char* name :
         {"CUNEIFORM SIGN A TIMES HA", "CUNEIFORM SIGN GA2 GUNU", "CUNEIFORM SIGN KA TIMES A PLUS NA",
          "CUNEIFORM NUMERIC SIGN TWO ASH", "CUNEIFORM PUNCTUATION SIGN OLD ASSYRIAN WORD DIVIDER",
          "CUNEIFORM SIGN ", "CUNEIFORM SIGN 3", "CUNEIFORM SIGN A2B", "CUNEIFORM SIGN DU0",
          "CUNEIFORM SIGN LAK-003", "CUNEIFORM SIGNS A", "LATIN SMALL LETTER A"})
        EXPECT_FALSE(UnicodeSignNames::ReadingOfName(name)) << name;
}

TEST(UnicodeSignNamesTest, TheCuneiformBlocksGiveTheSignsOfTheirReadings)
{
    CFWordDictionary dictionary;
    const auto summary = UnicodeSignNames::Convert(dictionary);
    EXPECT_EQ(summary.readings, dictionary.CandidateCount());
    EXPECT_GT(summary.readings, 250u);
    EXPECT_GT(summary.names, summary.readings);

    const std::string bytes = dictionary.Serialize().value();
    EXPECT_THAT(bytes, HasSubstr("\r\nCA3 122ae\r\n"));
    EXPECT_THAT(bytes, HasSubstr("\r\nLUGAL1 12217\r\n"));
    EXPECT_THAT(bytes, HasSubstr("\r\nHI1 1212d\r\n"));
    EXPECT_TRUE(bytes.starts_with("A1 12000\r\n"));
    // U+12001 CUNEIFORM SIGN A TIMES A, U+12400 a numeric sign.
    EXPECT_THAT(bytes, Not(HasSubstr(" 12001\r\n")));
    EXPECT_THAT(bytes, Not(HasSubstr(" 12400\r\n")));
}

} // namespace
} // namespace velmora
