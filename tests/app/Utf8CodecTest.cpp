#include "app/Utf8Codec.h"

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

TEST(Utf8Codec, DecodesByTheLeadByteAlone)
{
    struct Case {
        std::uint8_t b0, b1, b2, b3;
        std::uint32_t codePoint, count;
    };
    const Case cases[] = {
        {0x41, 0xFF, 0xFF, 0xFF, 0x41, 1},         // following bytes ignored
        {0xC3, 0xA9, 0, 0, 0xE9, 2},
        {0xC3, 0x41, 0, 0, 0xC1, 2},               // continuation not checked
        {0xC0, 0x8D, 0, 0, 0x0D, 2},               // overlong form accepted
        {0xE2, 0x82, 0x80, 0xFF, 0x2080, 3},
        {0xED, 0xBF, 0xBF, 0, 0xDFFF, 3},          // surrogate accepted
        {0xF0, 0x92, 0x80, 0xB8, 0x12038, 4},
        {0xF7, 0xBF, 0xBF, 0xBF, 0x1FFFFF, 4},     // lead beyond Unicode accepted
        {0x80, 0x41, 0x41, 0x41, 0, 1},            // stray continuation byte
        {0xBF, 0, 0, 0, 0, 1},
        {0xF8, 0x80, 0x80, 0x80, 0, 1},
        {0xFF, 0xFF, 0xFF, 0xFF, 0, 1},
    };
    for (const auto& c : cases) {
        const auto d = DecodeUtf8(c.b0, c.b1, c.b2, c.b3);
        EXPECT_EQ(d.codePoint, c.codePoint) << std::hex << int(c.b0);
        EXPECT_EQ(d.count, c.count) << std::hex << int(c.b0);
    }
}

TEST(Utf8Codec, EveryCodePointRoundTrips)
{
    for (std::uint32_t c = 0; c <= 0x10FFFF; ++c) {
        const auto e = EncodeUtf8(c);
        ASSERT_EQ(Utf8SequenceLength(e.bytes[0]), e.count) << std::hex << c;
        const auto d = DecodeUtf8(e.bytes[0], e.bytes[1], e.bytes[2], e.bytes[3]);
        ASSERT_EQ(d.codePoint, c) << std::hex << c;
        ASSERT_EQ(d.count, e.count) << std::hex << c;
    }
}

} // namespace
} // namespace velmora
