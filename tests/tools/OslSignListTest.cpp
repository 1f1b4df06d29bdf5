#include "tools/OslSignList.h"

#include "base/Utf8Codec.h"
#include "core/dictionary/TransliterationKey.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

namespace velmora {
namespace {

using ::testing::ElementsAre;

class OslSignListTest : public ::testing::Test {
protected:
    OslSignList::Summary Convert(std::string_view text)
    {
        const OslSignList::Result result = OslSignList::Convert(text, dictionary);
        EXPECT_TRUE(result.ok()) << "line " << result.errorLine << ": " << result.error;
        return result.summary;
    }

    // The dictionary as sign data lines, in the order Save writes them.
    std::vector<std::string> Lines() const
    {
        const std::string bytes = dictionary.Serialize().value();
        std::vector<std::string> lines;
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", pos);
            lines.push_back(bytes.substr(pos, end - pos));
            pos = end + 2;
        }
        return lines;
    }

    CFWordDictionary dictionary;
};

TEST_F(OslSignListTest, ValueLettersBecomeKeySymbolsAndTheIndexTheNumber)
{
    // U+122AD ŠA. Oracc writes ḫ as h; ŋ is taken as g.
    Convert(R"(@sign ŠA
@ucun	𒊭
@v	ša
@v	ha
@v	ḫa₂
@v	ṣa₃
@v	ṭa₄
@v	aʾ₅
@v	a'₆
@v	%akk/n ālik
@v	lâ
@v	ŋa₂
@v	du₁₂
@end sign
)");
    EXPECT_THAT(Lines(),
                ElementsAre("A'5 122ad", "A'6 122ad", "DU12 122ad", "GA2 122ad", "L^A1 122ad", "-ALIK1 122ad",
                            "CA1 122ad", "HA1 122ad", "HA2 122ad", "#SA3 122ad", "#TA4 122ad"));
}

TEST_F(OslSignListTest, ValuesTakeTheSignsOfTheirOwnSignOrForm)
{
    // A form ends at "@@", at the next form or with its sign; a block's
    // @ucun may follow its values; "@form+" is a form like any other.
    const auto summary = Convert(R"(@sign A
@ucun	𒀀
@v	a
@form DU
@ucun	𒁺
@v	du
@@
@v	e₄
@form+ |ŠA.PI|
@v	šanabi
@ucun	𒊭𒉿
@form KAK
@v	du₃
@ucun	𒆕
@@
@end sign

@sign TU
@ucun	𒌅
@v	du₂
@end sign
)");
    EXPECT_EQ(summary.signs, 2u);
    EXPECT_EQ(summary.forms, 3u);
    EXPECT_EQ(summary.readings, 6u);
    EXPECT_THAT(
        Lines(),
        ElementsAre("A1 12000", "DU1 1207a", "DU2 12305", "DU3 12195", "E4 12000", "CANABI1 122ad,1227f"));
}

TEST_F(OslSignListTest, CandidatesOfOneKeyFollowTheirNumbersThenTheFile)
{
    Convert(R"(@sign KAK
@ucun	𒆕
@v	du₃
@end sign
@sign DU
@ucun	𒁺
@v	du
@end sign
@sign TU
@ucun	𒌅
@v	du₂
@end sign
@sign A
@ucun	𒀀
@v	du
@end sign
)");
    EXPECT_THAT(Lines(), ElementsAre("DU1 1207a", "DU1 12000", "DU2 12305", "DU3 12195"));
}

TEST_F(OslSignListTest, DeprecatedAndUncertainValuesAreKeptUnlessACurrentValueHasTheirReading)
{
    // Every reason for leaving a value out, each counted under the first
    // reason that applies.
    const std::string list = R"(@sign-	OLD
@ucun	𒀀
@v	old
@v	a
@form	OLDF
@ucun	𒁺
@v	oldf
@@
@end sign
@sign A
@ucun	𒀀
@v	a
@v-	aa
@v-	abₓ?
@v	akₓ
@v	niginₓ?
@v	ab?
@v	a-ra₂
@v	aš@c
@v	1(aš)
@v	{kaš}dida
@v	%akk aś
@v	a
@form- A@g
@ucun	𒁺
@v	ag
@v	a₂
@@
@form NOU
@v	nou
@@
@form XPLANE
@ucun	𒀀X𒁺
@v	xplane
@v	xplane₂
@@
@form PUA
@ucun	)"
                             "\U000F0009"
                             R"(
@v	pua
@@
@end sign
@pcun 1(N01)
@ucun	𒀀
@v	pcun
@end pcun
@v	stray
@sign B
@ucun	𒁀
@v-	ba
@v	ba
@end sign
)";
    auto s = Convert(list);
    using R = OslSignList::LeftOut;
    EXPECT_EQ(s[R::UnknownIndex], 3u);
    EXPECT_EQ(s[R::Compound], 1u);
    EXPECT_EQ(s[R::Unexpressible], 4u);
    EXPECT_EQ(s[R::Superseded], 2u); // a of OLD, ba
    EXPECT_EQ(s[R::NoEncodedSign], 4u);
    EXPECT_EQ(s.blocksWithoutEncodedSign, 3u);
    EXPECT_EQ(s[R::Repeated], 1u);
    EXPECT_EQ(s.signs, 3u);
    EXPECT_EQ(s.forms, 5u);
    EXPECT_EQ(s.values, 23u); // neither the @pcun's value nor the stray one
    EXPECT_EQ(s.readings, 8u);
    EXPECT_EQ(s.uncertainKept, 1u);
    EXPECT_EQ(s.deprecatedKept, 5u);
    EXPECT_EQ(s.values, s.readings + std::accumulate(s.leftOut.begin(), s.leftOut.end(), std::size_t{0}));
    // Deprecated values follow the current ones: a₂ of the deprecated form
    // comes after a.
    EXPECT_THAT(Lines(),
                ElementsAre("A1 12000", "A2 1207a", "AA1 12000", "AB1 12000", "AG1 1207a", "BA1 12040",
                            "OLD1 12000", "OLDF1 1207a"));

    // The determinatives are added once, and not where the list has them.
    OslSignList::AddDeterminatives(dictionary, s);
    EXPECT_EQ(s.determinativesAdded, 3u);
    EXPECT_EQ(s.readings, 11u);
    CFWordDictionary withD;
    OslSignList::Summary t;
    ASSERT_TRUE(OslSignList::Convert("@sign AN\n@ucun\t𒀭\n@v\td\n@end sign\n", withD).ok());
    OslSignList::AddDeterminatives(withD, t);
    EXPECT_EQ(t.determinativesAdded, 2u);
    EXPECT_EQ(withD.CandidateCount(), 3u);
}

TEST(OslSignListValueTest, ValuesOutsideTheKeyNotationGiveNoReading)
{
    const auto read = [](std::string_view value) {
        return OslSignList::ReadValue(DecodeUtf8(value).value());
    };
    using R = OslSignList::LeftOut;
    for (const char* value : {"a-", "-a", "a₂b", "a₀", "ca", "aś", "a b", "%akk", "", "₂", "?",
                              "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"}) {
        const auto result = read(value);
        ASSERT_TRUE(std::holds_alternative<R>(result)) << value;
        EXPECT_EQ(std::get<R>(result), R::Unexpressible) << value;
    }
    const auto longest = read("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa₁₀");
    ASSERT_TRUE(std::holds_alternative<OslSignList::Reading>(longest));
    EXPECT_EQ(std::get<OslSignList::Reading>(longest).key.size(), 49u);
    EXPECT_EQ(std::get<OslSignList::Reading>(longest).number, 10u);
}

TEST_F(OslSignListTest, MalformedUtf8StopsAtItsLine)
{
    const auto result = OslSignList::Convert("@sign A\n@ucun\t𒀀\n@v\ta\n@end sign\n"
                                             "@sign B\n@ucun\t𒀀\n@v\tb\xff\n@end sign\n",
                                             dictionary);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.errorLine, 7u);
    EXPECT_THAT(Lines(), ElementsAre("A1 12000"));
}

// The candidate the sign selection starts on for a typed transliteration.
WordPtr Preselected(const CFWordDictionary& dictionary, std::string_view typed)
{
    const auto text = DecodeUtf8(typed).value();
    const auto derived = TransliterationKey::Derive(text, TransliterationKey::InputMode);
    const std::uint32_t count = dictionary.CountCandidates(derived.key);
    for (std::uint32_t i = 0; i < count; ++i) {
        WordPtr word = dictionary.GetCandidate(i, derived.key);
        if (word->number >= derived.number)
            return word;
    }
    return dictionary.GetCandidate(0, derived.key);
}

TEST(OslSignListFullTest, ThePublicSignListGivesTheCommonReadings)
{
    const std::filesystem::path path = std::filesystem::path(VELMORA_SHARED_DATA_DIR) / "osl.asl";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        GTEST_SKIP() << "no sign list at " << path;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    CFWordDictionary dictionary;
    const auto result = OslSignList::Convert(text, dictionary);
    ASSERT_TRUE(result.ok()) << "line " << result.errorLine << ": " << result.error;
    const auto& s = result.summary;
    EXPECT_EQ(s.readings, dictionary.CandidateCount());
    EXPECT_GT(s.readings, 5000u);
    EXPECT_EQ(s.values, s.readings + std::accumulate(s.leftOut.begin(), s.leftOut.end(), std::size_t{0}));

    const auto first = [&](std::string_view typed) {
        const auto text = DecodeUtf8(typed).value();
        const auto derived = TransliterationKey::Derive(text, TransliterationKey::InputMode);
        const auto cells = dictionary.GetCandidate(0, derived.key)->Cells();
        return std::vector<std::uint32_t>(cells.begin(), cells.end());
    };
    EXPECT_THAT(first("ša"), ElementsAre(0x122ADu));
    EXPECT_THAT(first("lugal"), ElementsAre(0x12217u));
    EXPECT_THAT(Preselected(dictionary, "ša₂")->Cells(), ElementsAre(0x120FBu));
    EXPECT_EQ(Preselected(dictionary, "du₃")->number, 3u);

    // Written and read back, every key has the same candidates in order.
    CFWordDictionary reread;
    ASSERT_TRUE(reread.LoadFromBytes(dictionary.Serialize().value())) << reread.lastErrorReason();
    ASSERT_EQ(reread.EntryCount(), dictionary.EntryCount());
    ASSERT_EQ(reread.CandidateCount(), dictionary.CandidateCount());
    dictionary.ForEachEntry([&](const CFWordDictionary::Entry& entry) {
        const auto* other = reread.FindEntry(entry.key);
        ASSERT_NE(other, nullptr);
        ASSERT_EQ(other->candidates->size(), entry.candidates->size());
        auto it = other->candidates->begin();
        for (const WordPtr& word : *entry.candidates) {
            EXPECT_EQ((*it)->number, word->number);
            EXPECT_TRUE(std::ranges::equal((*it)->Cells(), word->Cells()));
            ++it;
        }
    });
}

} // namespace
} // namespace velmora
