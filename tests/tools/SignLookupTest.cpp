#include "tools/SignLookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using ::testing::ElementsAre;

std::vector<std::uint32_t> Typed(std::string_view text)
{
    return SignLookup::TypedText(text).value();
}

class SignLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dictionary.LoadFromBytes("DU3 12195\r\n"
                                             "DU 1207a\r\n"
                                             "DU2 12305\r\n"
                                             "DU5 12308\r\n"
                                             "DU3 12000,1202d\r\n"
                                             "CA 122ad\r\n"
                                             "ABDEFGIJKLMNOPQRSU 12000\r\n"
                                             "ABDEFGIJKLMNOPQRSUT 12001\r\n"));
    }

    // The numbers of the candidates of a lookup and the position marked.
    std::pair<std::vector<std::uint32_t>, int> Numbers(std::string_view typed) const
    {
        const auto result = SignLookup::Lookup(dictionary, Typed(typed));
        std::vector<std::uint32_t> numbers;
        int marked = -1;
        for (std::size_t i = 0; i < result.candidates.size(); ++i) {
            numbers.push_back(result.candidates[i].word->number);
            if (result.candidates[i].preselected) {
                EXPECT_EQ(marked, -1) << "two candidates marked";
                marked = static_cast<int>(i);
            }
        }
        return {numbers, marked};
    }

    CFWordDictionary dictionary;
};

TEST_F(SignLookupTest, AsciiDigitsAreIndexDigits)
{
    EXPECT_THAT(Typed("du3"), ElementsAre('d', 'u', 0x2083u));
    EXPECT_THAT(Typed("du₁2"), ElementsAre('d', 'u', 0x2081u, 0x2082u));
    EXPECT_THAT(Typed("ša"), ElementsAre(0x161u, 'a'));
    EXPECT_FALSE(SignLookup::TypedText("d\xffu"));
    EXPECT_FALSE(SignLookup::TypedText("\xed\xa0\x80")); // an encoded surrogate
}

TEST_F(SignLookupTest, TheSelectionStartsOnTheFirstNumberNotBelowTheRequestedOne)
{
    using Marked = std::pair<std::vector<std::uint32_t>, int>;
    const std::vector<std::uint32_t> all{1, 2, 3, 3, 5};
    EXPECT_EQ(Numbers("du"), Marked(all, 0));
    EXPECT_EQ(Numbers("du₁"), Marked(all, 0));
    EXPECT_EQ(Numbers("du3"), Marked(all, 2));
    EXPECT_EQ(Numbers("du4"), Marked(all, 4));
    EXPECT_EQ(Numbers("du9"), Marked(all, 0));    // every number below 9
    EXPECT_EQ(Numbers("du0003"), Marked(all, 0)); // three digits at most: 0
}

TEST_F(SignLookupTest, OnlyWhatTheInputModeConvertsIsLookedUp)
{
    EXPECT_EQ(Numbers("abdefgijklmnopqrsu").first.size(), 1u); // 18 characters
    const auto tooLong = SignLookup::Lookup(dictionary, Typed("abdefgijklmnopqrsut"));
    EXPECT_EQ(tooLong.derived.status, TransliterationKey::Status::OverLimit);
    EXPECT_TRUE(tooLong.candidates.empty());
    EXPECT_EQ(SignLookup::Lookup(dictionary, Typed("3du")).derived.status,
              TransliterationKey::Status::NoLookup);
}

TEST_F(SignLookupTest, AsciiSpellingsOfTransliterationsAreTheLettersTheyStandFor)
{
    // The editor's keys (c, h) and the ASCII conventions of transliterations
    // (sz, s, t,) type the same letters as š ḫ ṣ ṭ.
    EXPECT_EQ(Typed("ca2 sza2 SZA h H s,a S,A t,a T,I c"), Typed("ša₂ ša₂ ŠA ḫ Ḫ ṣa ṢA ṭa ṬI š"));
    EXPECT_EQ(Typed("ŋeš2"), Typed("geš₂")); // the sign data keeps ŋ as g
    EXPECT_EQ(Typed("su z"), Typed("su z")); // s and z apart stay themselves
    for (const char* spelling : {"ša", "ca", "sza", "SZA", "Ca"})
        EXPECT_EQ(Numbers(spelling).first.size(), 1u) << spelling;
}

TEST_F(SignLookupTest, FormatGivesOneTabSeparatedLinePerCandidate)
{
    EXPECT_EQ(SignLookup::Format(SignLookup::Lookup(dictionary, Typed("du3"))),
              " \t1\tU+1207A\t𒁺\n"
              " \t2\tU+12305\t𒌅\n"
              "*\t3\tU+12195\t𒆕\n"
              " \t3\tU+12000 U+1202D\t𒀀𒀭\n"
              " \t5\tU+12308\t𒌈\n");
    EXPECT_EQ(SignLookup::Format(SignLookup::Lookup(dictionary, Typed("xu"))), "");
}

} // namespace
} // namespace velmora
