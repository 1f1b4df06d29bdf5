#include "core/dictionary/CFWordSign.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

TEST(CFWordSign, NewWordIsTheEmptyWord)
{
    CFWordSign w;
    EXPECT_EQ(w.Length(), 0u);
    EXPECT_EQ(w.number, 1u);
    EXPECT_THROW(w.At(0), CFBaseWord::Error);
}

TEST(CFWordSign, SetCopiesUpToAndIncludingTheFirstZero)
{
    const std::uint32_t values[] = {0x12000, 0x12001, 0, 0x12002, 0};
    CFWordSign w;
    w.Set(values);
    EXPECT_EQ(w.Length(), 3u);
    EXPECT_EQ(w.At(1), 0x12001u);
    EXPECT_EQ(w.At(2), 0u);
    try {
        w.At(3);
        FAIL() << "At beyond the length must throw";
    } catch (CFBaseWord::Error e) {
        EXPECT_EQ(e, CFBaseWord::IndexOutOfRange);
    }

    const std::uint32_t onlyTerminator[] = {0};
    w.Set(onlyTerminator);
    EXPECT_EQ(w.Length(), 1u); // not the empty word
    EXPECT_TRUE(w.Cells().empty());
}

TEST(CFWordSign, FromCellsEndsAtTheFirstZero)
{
    const auto w = CFWordSign::FromCells(std::vector<std::uint32_t>{'D', 'U', 0, 'X'}, 3);
    EXPECT_EQ(w->Length(), 3u);
    EXPECT_EQ(w->number, 3u);
    EXPECT_EQ(w->Cells().size(), 2u);
}

} // namespace
} // namespace velmora
