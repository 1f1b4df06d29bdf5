#include "platform/SafeFileWriter.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(SafeFileWriter, ReplacesTheTargetOnlyOnCommit)
{
    ScratchFolder dir;
    WriteBytes(dir / "t", "old");
    fs::permissions(dir / "t", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string expected;
    {
        SafeFileWriter out(dir / "t");
        ASSERT_TRUE(out.isOpen());
        // Small and large pieces, across the buffer's boundaries.
        for (int i = 0; i < 70000; ++i) {
            out.put(static_cast<std::uint8_t>(i * 7));
            expected.push_back(static_cast<char>(i * 7));
        }
        const std::string block(200000, 'b');
        out.write(block);
        expected += block;
        EXPECT_EQ(ReadBytes(dir / "t"), "old");
        EXPECT_EQ(dir.entries().size(), 2u); // the target and the temporary file
        ASSERT_TRUE(out.commit());
        EXPECT_FALSE(out.commit());
    }
    EXPECT_EQ(ReadBytes(dir / "t"), expected);
    EXPECT_EQ(fs::status(dir / "t").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"t"});
}

TEST(SafeFileWriter, AnUncommittedWriterLeavesNothingBehind)
{
    ScratchFolder dir;
    WriteBytes(dir / "t", "old");
    {
        SafeFileWriter out(dir / "t");
        out.write("new content");
    }
    {
        SafeFileWriter out(dir / "fresh");
        out.write("never committed");
    }
    EXPECT_EQ(ReadBytes(dir / "t"), "old");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"t"});
}

TEST(SafeFileWriter, ASymbolicLinkStaysALink)
{
    ScratchFolder dir;
    WriteBytes(dir / "real", "old");
    std::error_code ec;
    fs::create_symlink("real", dir / "link", ec);
    if (ec)
        GTEST_SKIP() << "no symbolic links here";
    SafeFileWriter out(dir / "link");
    out.write("new");
    ASSERT_TRUE(out.commit());
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_EQ(ReadBytes(dir / "real"), "new");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"link", "real"}));
}

} // namespace
} // namespace velmora
