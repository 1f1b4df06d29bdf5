#include "core/dictionary/TransliterationKey.h"
#include "core/dictionary/CFWordDictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

using Codes = std::vector<std::uint32_t>;
using TK = TransliterationKey;

// Typed text: ASCII letters as themselves, digits as subscript digits, and
// a few placeholders for letters with diacritics.
Codes Typed(const std::string& text)
{
    Codes out;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            out.push_back(0x2080u + static_cast<std::uint32_t>(c - '0'));
        else if (c == '$')
            out.push_back(0x0161); // š
        else if (c == '%')
            out.push_back(0x1E2B); // ḫ
        else
            out.push_back(static_cast<unsigned char>(c));
    }
    return out;
}

Codes KeyCells(const TK& k)
{
    return Codes(k.key->Cells().begin(), k.key->Cells().end());
}

Codes Ascii(const std::string& s)
{
    return Codes(s.begin(), s.end());
}

TEST(NormalizeKeyChar, MapsExactlyTheKeyCharacters)
{
    std::map<std::uint32_t, std::uint32_t> expected = {
        {0x27, 0x27},     {0xC2, 0xC2},     {0xCA, 0xCA},     {0xCE, 0xCE},     {0xDB, 0xDB},
        {0xE2, 0xC2},     {0xEA, 0xCA},     {0xEE, 0xCE},     {0xFB, 0xDB},     {0x100, 0x100},
        {0x112, 0x112},   {0x12A, 0x12A},   {0x16A, 0x16A},   {0x101, 0x100},   {0x113, 0x112},
        {0x12B, 0x12A},   {0x16B, 0x16A},   {0x160, 0x160},   {0x161, 0x160},   {0x1E2A, 0x1E2A},
        {0x1E2B, 0x1E2A}, {0x1E62, 0x1E62}, {0x1E63, 0x1E62}, {0x1E6C, 0x1E6C}, {0x1E6D, 0x1E6C},
    };
    for (std::uint32_t c = 'A'; c <= 'Z'; ++c) {
        expected[c] = c;
        expected[c + 0x20] = c;
    }
    for (std::uint32_t c = 0x2080; c <= 0x2089; ++c)
        expected[c] = c;

    // Every code point around the two tables and the digits, and far ones.
    Codes probes;
    for (std::uint32_t c = 0; c < 0x2100; ++c)
        probes.push_back(c);
    for (std::uint32_t c : {0x12000u, 0x12044u, 0x10FFFFu, 0x1E00u + 0x10000u, 0xFFFFFFFFu})
        probes.push_back(c);
    for (const std::uint32_t c : probes) {
        const auto found = expected.find(c);
        EXPECT_EQ(NormalizeKeyChar(c), found == expected.end() ? 0u : found->second) << "U+" << std::hex << c;
    }
}

TEST(TransliterationKey, InputModeSplitsKeyAndNumber)
{
    const auto lugal = TK::Derive(Typed("lugal"), TK::InputMode);
    ASSERT_TRUE(lugal.Usable());
    EXPECT_EQ(KeyCells(lugal), Ascii("LUGAL"));
    EXPECT_EQ(KeyCells(TK::Derive(Typed("LuGaL"), TK::InputMode)), Ascii("LUGAL"));
    EXPECT_EQ(lugal.number, 0u);
    EXPECT_FALSE(lugal.startsWithDigit);

    const auto du3 = TK::Derive(Typed("du3"), TK::InputMode);
    EXPECT_EQ(KeyCells(du3), Ascii("DU"));
    EXPECT_EQ(du3.number, 3u);
    EXPECT_EQ(TK::Derive(Typed("du12"), TK::InputMode).number, 12u);
    EXPECT_EQ(TK::Derive(Typed("du1234"), TK::InputMode).number, 123u);
    EXPECT_EQ(TK::Derive(Typed("du03"), TK::InputMode).number, 3u);

    // What follows the digits is ignored.
    const auto after = TK::Derive(Typed("du3xy4"), TK::InputMode);
    EXPECT_EQ(KeyCells(after), Ascii("DU"));
    EXPECT_EQ(after.number, 3u);

    // š and ḫ give Š and Ḫ; plain c and h stay C and H.
    EXPECT_EQ(KeyCells(TK::Derive(Typed("$a%"), TK::InputMode)), (Codes{0x160, 'A', 0x1E2A}));
    EXPECT_EQ(KeyCells(TK::Derive(Typed("cah"), TK::InputMode)), Ascii("CAH"));
}

TEST(TransliterationKey, InputModeEndsTheKeyAtACharacterWithoutSymbol)
{
    const auto k = TK::Derive(Typed("lu gal2"), TK::InputMode);
    ASSERT_TRUE(k.Usable());
    EXPECT_EQ(KeyCells(k), Ascii("LU"));
    EXPECT_EQ(k.number, 2u); // the digits after the gap still count

    const auto first = TK::Derive(Codes{0x12000, 'a'}, TK::InputMode);
    ASSERT_TRUE(first.Usable());
    EXPECT_EQ(first.key->Length(), 1u); // the empty key, not the empty word
}

TEST(TransliterationKey, InputModeLimits)
{
    EXPECT_TRUE(TK::Derive(Typed(std::string(18, 'a')), TK::InputMode).Usable());
    EXPECT_TRUE(TK::Derive(Typed(std::string(15, 'a') + "123"), TK::InputMode).Usable());
    EXPECT_EQ(TK::Derive(Typed(std::string(19, 'a')), TK::InputMode).status, TK::Status::OverLimit);
    EXPECT_EQ(TK::Derive(Typed(std::string(16, 'a') + "123"), TK::InputMode).status, TK::Status::OverLimit);
    EXPECT_EQ(TK::Derive(Codes{}, TK::InputMode).status, TK::Status::Empty);

    const auto digit = TK::Derive(Typed("3du"), TK::InputMode);
    EXPECT_EQ(digit.status, TK::Status::NoLookup);
    EXPECT_TRUE(digit.startsWithDigit);
    EXPECT_FALSE(digit.Usable());
}

TEST(TransliterationKey, RegistrationRules)
{
    EXPECT_EQ(TK::Derive(Typed("lu gal"), TK::Registration).status, TK::Status::NoKeySymbol);
    EXPECT_EQ(TK::Derive(Typed("lu7gal"), TK::Registration).status, TK::Status::Ok);
    EXPECT_EQ(TK::Derive(Codes{'d', 'u', '3'}, TK::Registration).status, TK::Status::NoKeySymbol);
    EXPECT_EQ(TK::Derive(Codes{}, TK::Registration).status, TK::Status::Empty);
    // Only characters before the first subscript digit are checked.
    EXPECT_EQ(TK::Derive(Typed("du3 !"), TK::Registration).status, TK::Status::Ok);

    EXPECT_EQ(TK::Derive(Typed("du123"), TK::Registration).number, 12u);

    // A leading subscript digit registers under the empty key.
    const auto digit = TK::Derive(Typed("3du"), TK::Registration);
    ASSERT_TRUE(digit.Usable());
    EXPECT_TRUE(digit.startsWithDigit);
    EXPECT_EQ(digit.key->Length(), 1u);
    EXPECT_EQ(digit.number, 3u);

    // The first 20 characters are taken; the rest is ignored unchecked.
    const auto longText = TK::Derive(Typed(std::string(25, 'a') + " !"), TK::Registration);
    ASSERT_TRUE(longText.Usable());
    EXPECT_EQ(longText.key->Cells().size(), 20u);
    const auto cutDigits = TK::Derive(Typed(std::string(19, 'a') + "12"), TK::Registration);
    EXPECT_EQ(cutDigits.number, 1u);
}

TEST(TransliterationKey, DerivedKeysFindTheFileKeys)
{
    CFWordDictionary d;
    ASSERT_TRUE(d.LoadFromBytes("C 12000\nDU 12001\nDU3 12002\n#SA2 12003\n"));

    const auto sha = TK::Derive(Typed("$"), TK::InputMode);
    EXPECT_EQ(d.GetCandidate(0, sha.key)->At(0), 0x12000u);
    EXPECT_EQ(d.GetCandidate(0, TK::Derive(Typed("c"), TK::InputMode).key)->Length(), 0u);

    const auto du3 = TK::Derive(Typed("DU3"), TK::InputMode);
    EXPECT_EQ(d.CountCandidates(du3.key), 2u);
    const auto sa2 = TK::Derive(Codes{0x1E63, 'a', 0x2082}, TK::InputMode);
    EXPECT_EQ(d.GetCandidate(0, sa2.key)->number, 2u);
}

} // namespace
} // namespace velmora
