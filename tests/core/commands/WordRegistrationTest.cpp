#include "core/commands/WordRegistration.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CFLine.h"
#include "platform/UserTexts.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

CFLine LineOf(const std::u32string& text)
{
    CFLine line;
    line.InsertCells(static_cast<std::uint32_t>(text.size()), 0,
                     reinterpret_cast<const std::uint32_t*>(text.data()));
    return line;
}

WordPtr Key(const std::u32string& symbols)
{
    return CFWordSign::FromCells({reinterpret_cast<const std::uint32_t*>(symbols.data()), symbols.size()});
}

std::vector<std::uint32_t> Numbers(const CFWordDictionary& d, const WordPtr& key)
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 0; i < d.CountCandidates(key); ++i)
        out.push_back(d.GetCandidate(i, key)->number);
    return out;
}

class WordRegistrationTest : public ::testing::Test {
protected:
    bool Register(const std::u32string& alphabet, const std::u32string& sign)
    {
        return RegisterWord(dictionary, LineOf(alphabet).Cells(), LineOf(sign).Cells(), messages, nullptr);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& m : messages.messages())
            out.push_back(m.text);
        return out;
    }

    CFWordDictionary dictionary;
    MessageRecorder messages;
};

TEST_F(WordRegistrationTest, AddsTheSignsUnderTheKeyWithTheSubscriptNumber)
{
    const auto du = Key(U"DU");
    for (std::uint32_t n : {0u, 3u, 3u, 4u})
        dictionary.AddWord(n, Key(U"DU"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12000 + n}));
    ASSERT_TRUE(Register(U"du\u2083", U"\U000120FB"));
    ASSERT_TRUE(Register(U"DU\u2081\u2082extra", U"\U00012000"));
    ASSERT_TRUE(Register(U"du", U"\U00012001"));
    EXPECT_EQ(Numbers(dictionary, du), (std::vector<std::uint32_t>{0, 0, 3, 3, 3, 4, 12}));
    // The new 3 follows the existing 3s; the new 0 follows the existing 0.
    EXPECT_EQ(dictionary.GetCandidate(4, du)->At(0), 0x120FBu);
    EXPECT_EQ(dictionary.GetCandidate(1, du)->At(0), 0x12001u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WordRegistrationTest, TakesAtMostTwentyCharactersOfEitherField)
{
    const std::u32string signs(25, U'\U00012000');
    ASSERT_TRUE(Register(U"lugal", signs));
    const auto candidate = dictionary.GetCandidate(0, Key(U"LUGAL"));
    EXPECT_EQ(candidate->Length(), 21u);

    // The 21st character of a transliteration is ignored, invalid or not.
    ASSERT_TRUE(Register(std::u32string(20, U'a') + U"!", U"\U00012000"));
    EXPECT_EQ(dictionary.CountCandidates(Key(std::u32string(20, U'A'))), 1u);
}

TEST_F(WordRegistrationTest, AWordBeginningWithASubscriptDigitGoesUnderTheEmptyKey)
{
    ASSERT_TRUE(Register(U"\u2085", U"\U00012000"));
    EXPECT_EQ(Numbers(dictionary, Key(U"")), (std::vector<std::uint32_t>{5}));
}

TEST_F(WordRegistrationTest, InvalidInputIsReportedInOrderAndChangesNothing)
{
    EXPECT_FALSE(Register(U"", U""));
    EXPECT_FALSE(Register(U"lu gal", U""));
    EXPECT_FALSE(Register(U"du3", U"\U00012000"));
    EXPECT_FALSE(Register(U"\U00012000", U"\U00012000"));
    // Plain c and h (the "Alphabet" setting) would read back as š and ḫ.
    EXPECT_FALSE(Register(U"ca", U"\U00012000"));
    EXPECT_FALSE(Register(U"HA\u2082", U"\U00012000"));
    EXPECT_FALSE(Register(U"lugal", U""));
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{texts::kNoPhoneticSymbols, texts::kUsePhoneticSymbols,
                                        texts::kUsePhoneticSymbols, texts::kUsePhoneticSymbols,
                                        texts::kUsePhoneticSymbols, texts::kUsePhoneticSymbols,
                                        texts::kNoConversionCharacters}));
    for (const auto& m : messages.messages())
        EXPECT_EQ(m.caption, "エラー");
    EXPECT_EQ(dictionary.EntryCount(), 0u);
}

} // namespace
} // namespace velmora
