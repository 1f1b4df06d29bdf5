#include "base/Utf8Codec.h"
#include "base/Utf16.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

std::vector<int> Bytes(const Utf8Encoded& e)
{
    return {e.bytes.begin(), e.bytes.begin() + e.count};
}

TEST(Utf8Codec, EncodesEachRangeAtItsBoundaries)
{
    EXPECT_EQ(Bytes(EncodeUtf8(0x00)), (std::vector<int>{0x00}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x7F)), (std::vector<int>{0x7F}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x80)), (std::vector<int>{0xC2, 0x80}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x7FF)), (std::vector<int>{0xDF, 0xBF}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x800)), (std::vector<int>{0xE0, 0xA0, 0x80}));
    EXPECT_EQ(Bytes(EncodeUtf8(0xD800)), (std::vector<int>{0xED, 0xA0, 0x80}));
    EXPECT_EQ(Bytes(EncodeUtf8(0xFFFF)), (std::vector<int>{0xEF, 0xBF, 0xBF}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x10000)), (std::vector<int>{0xF0, 0x90, 0x80, 0x80}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x12044)), (std::vector<int>{0xF0, 0x92, 0x81, 0x84}));
    EXPECT_EQ(Bytes(EncodeUtf8(0x10FFFF)), (std::vector<int>{0xF4, 0x8F, 0xBF, 0xBF}));
    for (std::uint32_t tooLarge : {0x110000u, 0x1FFFFFu, 0xFFFFFFFFu}) {
        const auto e = EncodeUtf8(tooLarge);
        EXPECT_EQ(e.count, 0u);
        EXPECT_EQ(e.bytes, (std::array<std::uint8_t, 4>{}));
    }
}

// The strict entry point refuses what is not UTF-8 as Unicode defines it;
// the document reader's accepts the surrogates the encoder writes; the
// lenient one shows every byte it cannot use as U+FFFD.
TEST(Utf8Codec, DecodesStrictlyUnlessTheCallerAcceptsSurrogatesOrAsksForReplacements)
{
    const std::string text = "du\xE2\x82\x83 \xF0\x92\x86\x95"; // du₃ 𒆕
    EXPECT_EQ(DecodeUtf8(text), (std::vector<std::uint32_t>{'d', 'u', 0x2083, ' ', 0x12195}));

    const std::string surrogate = "\xED\xA0\x80";
    const auto* bytes = reinterpret_cast<const unsigned char*>(surrogate.data());
    EXPECT_FALSE(DecodeUtf8(surrogate));
    EXPECT_EQ(DecodeUtf8Sequence(bytes, 3, Utf8Surrogates::Accept).codePoint, 0xD800u);

    for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\x80", "a\xF0\x92"})
        EXPECT_FALSE(DecodeUtf8(bad)) << bad.size();
    EXPECT_EQ(DecodeUtf8Lenient("a\xC0\xAF"
                                "b"),
              (std::vector<std::uint32_t>{'a', 0xFFFD, 0xFFFD, 'b'}));

    // A start cut off by the end of the bytes is told apart from one that
    // cannot go on well-formed, so that a reader fed in pieces can wait.
    const unsigned char cut[] = {0xF0, 0x92};
    const unsigned char never[] = {0xF5, 0x80};
    EXPECT_TRUE(DecodeUtf8Sequence(cut, 2).truncated);
    EXPECT_FALSE(DecodeUtf8Sequence(never, 2).truncated);
}

TEST(Utf16, PairsCodePointsFromU10000AndJoinsThemBack)
{
    std::u16string units;
    for (const std::uint32_t c : {0x61u, 0xFFFDu, 0x12044u, 0x10FFFFu})
        AppendUtf16(units, c);
    EXPECT_EQ(units, (std::u16string{0x61, 0xFFFD, 0xD808, 0xDC44, 0xDBFF, 0xDFFF}));
    EXPECT_TRUE(IsHighSurrogate(units[2]) && IsLowSurrogate(units[3]));
    EXPECT_EQ(CombineSurrogates(units[2], units[3]), 0x12044u);
    EXPECT_EQ(CombineSurrogates(units[4], units[5]), 0x10FFFFu);
}

} // namespace
} // namespace velmora
