#include "core/commands/SignInformation.h"
#include "core/document/CFDocument.h"
#include "core/document/ReadingTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr std::uint32_t A = 0x12000, AN = 0x1202D, KAK = 0x12195;

TEST(SignInformationTest, TheSignAtTheCursorWithItsReadingAndTheSignListsReadings)
{
    // du₃ typed, then "x", then a₄ (A AN, one reading for both signs).
    CFDocument d;
    const std::vector<std::uint32_t> cells = {KAK, 'x', A, AN};
    d.InsertCells(4, 0, 0, cells.data());
    d.SetReading(0, 0, 1, ReadingTable::Intern(std::string_view("du₃")));
    d.SetReading(0, 2, 4, ReadingTable::Intern(std::string_view("a₄")));

    const auto kak = SignInformation::Before(d, {0, 1});
    ASSERT_TRUE(kak);
    EXPECT_EQ(kak->Glyph(), "𒆕");
    EXPECT_EQ(kak->name, "KAK");
    EXPECT_EQ(kak->CodePoint(), "U+12195");
    EXPECT_EQ(kak->reading, "du₃");
    // Plain values first, then by index; every value of the sign is there.
    ASSERT_GE(kak->values.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(kak->values.begin(), kak->values.begin() + 5),
              (std::vector<std::string>{"gag", "gak", "kak", "kaq", "qaq"}));
    EXPECT_NE(std::find(kak->values.begin(), kak->values.end(), "du₃"), kak->values.end());
    EXPECT_EQ(kak->values.back(), "tu₂₀");
    EXPECT_EQ(kak->names.front(), "KAK");
    EXPECT_EQ(kak->StatusText(), "KAK U+12195 · typed as du₃ · gag gak kak kaq qaq habur …");
    EXPECT_EQ(kak->ToolTipText(3), "𒆕 KAK U+12195\ntyped as du₃\ngag gak kak …");

    // A sign of a group reading tells the group's reading; a sign from
    // elsewhere has none, and a Latin letter is no sign.
    EXPECT_EQ(SignInformation::Before(d, {0, 4})->reading, "a₄");
    EXPECT_EQ(SignInformation::Before(d, {0, 4})->name, "AN");
    d.SetReading(0, 2, 4, kNoReading);
    EXPECT_EQ(SignInformation::Before(d, {0, 3})->StatusText(2), "A U+12000 · a ea …");
    EXPECT_FALSE(SignInformation::Before(d, {0, 2}));
    EXPECT_FALSE(SignInformation::Before(d, {0, 0}));
    EXPECT_FALSE(SignInformation::Before(d, {5, 1}));

    // One cell selected: that sign, whichever end the cursor is at.
    EXPECT_EQ(SignInformation::Current(d, {0, 0}, {0, 0}, {0, 1})->name, "KAK");
    EXPECT_EQ(SignInformation::Current(d, {0, 4}, {0, 2}, {0, 4})->name, "AN");
}

} // namespace
} // namespace velmora
