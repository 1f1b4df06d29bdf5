#include "base/Utf8Codec.h"

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

} // namespace
} // namespace velmora
