#include "core/dictionary/SignNames.h"

#include "core/dictionary/CFWordDictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::uint32_t> Symbols(std::u32string_view text)
{
    return {text.begin(), text.end()};
}

TEST(SignNamesTest, SignsAreNamedAsTheSignListNamesThem)
{
    EXPECT_EQ(SignNames::Name(0x12195), "KAK");
    EXPECT_EQ(SignNames::Name(0x12079), "DIŠ");
    EXPECT_EQ(SignNames::Name(0x122A9), "SAL"); // the list's name for MUNUS
    EXPECT_EQ(SignNames::Name(0x12003), "|A×GAN₂@t|");
    // A sign the list does not name: its Unicode name without the prefix.
    EXPECT_EQ(SignNames::Name(0x1243A), "NUMERIC SIGN THREE VARIANT FORM ESH16");
    // Not a cuneiform sign: its code.
    EXPECT_EQ(SignNames::Name('a'), "U+0061");
    EXPECT_EQ(SignNames::Name(0x12550), "U+12550");
    // Several signs: their names joined by a space.
    const std::vector<std::uint32_t> sapi{0x122AD, 0x1227F};
    EXPECT_EQ(SignNames::DisplayName(sapi), "ŠA PI");
    EXPECT_EQ(SignNames::DisplayName({}), "");
}

TEST(SignNamesTest, ReadingsAreWrittenWithTheirIndexAsTheUserTypesThem)
{
    EXPECT_EQ(SignNames::ReadingText(Symbols(U"DU"), 0), "du");
    EXPECT_EQ(SignNames::ReadingText(Symbols(U"DU"), 1), "du");
    EXPECT_EQ(SignNames::ReadingText(Symbols(U"DU"), 3), "du₃");
    EXPECT_EQ(SignNames::ReadingText(Symbols(U"ŠA"), 12), "ša₁₂");
    EXPECT_EQ(SignNames::ReadingText(Symbols(U"ḪṢṬĀÊ'"), 100), "ḫṣṭāê'₁₀₀");
}

TEST(SignNamesTest, TheCandidatesOfDuInTheBundledDataReadAsAListShowsThem)
{
    CFWordDictionary dictionary;
    ASSERT_TRUE(dictionary.Load(std::filesystem::path(VELMORA_DATA_DIR) / "signdata.cfd"));
    const WordPtr key = CFWordSign::FromCells(Symbols(U"DU"));
    std::vector<std::string> rows;
    for (std::uint32_t i = 0; i < 3; ++i) {
        const WordPtr candidate = dictionary.GetCandidate(i, key);
        rows.push_back(SignNames::ReadingText(key->Cells(), candidate->number) + " "
                       + SignNames::DisplayName(candidate->Cells()));
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"du DU", "du₂ TU", "du₃ KAK"}));
}

} // namespace
} // namespace velmora
