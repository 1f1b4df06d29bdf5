#include "base/SafeFileWriter.h"
#include "tests/support/ScratchFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

std::set<std::string> ScratchFolderEntries(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

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
        // The temporary file has no name while it is written.
        EXPECT_EQ(dir.entries(), std::set<std::string>{"t"});
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

// Runs body in a child process and returns its exit code. As root, the
// child first becomes "nobody", so that access rights apply to it; the
// folder is handed to that user.
int InChildProcess(const fs::path& folder, const std::function<int()>& body, bool ordinaryUser)
{
    const bool root = ::geteuid() == 0;
    if (ordinaryUser && root) {
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            (void)::lchown(entry.path().c_str(), 65534, 65534);
        (void)::chown(folder.c_str(), 65534, 65534);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (ordinaryUser && root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(SafeFileWriter, NamesOfAnyLengthAndLinksToFilesNotYetThere)
{
    ScratchFolder dir;
    // 78 Japanese characters: 234 bytes, and 255 bytes, the longest name.
    std::string japanese;
    for (int i = 0; i < 78; ++i)
        japanese += "\xE7\xB2\x98"; // 粘
    for (const std::string& name : {japanese + ".txt", std::string(251, 'n') + ".txt"}) {
        SafeFileWriter out(dir / name);
        out.write("tablet");
        ASSERT_TRUE(out.commit()) << name.size() << " bytes";
        EXPECT_EQ(ReadBytes(dir / name), "tablet");
    }

    // A link whose file is not there yet is written through, as is a chain.
    std::error_code ec;
    fs::create_symlink("sub/new.txt", dir / "link", ec);
    if (ec)
        GTEST_SKIP() << "no symbolic links here";
    fs::create_symlink("link", dir / "link2");
    fs::create_directory(dir / "sub");
    {
        SafeFileWriter out(dir / "link2");
        out.write("through");
        ASSERT_TRUE(out.commit());
    }
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link2")));
    EXPECT_EQ(ReadBytes(dir / "sub" / "new.txt"), "through");

    // A loop of links is refused, and so is a link to a folder.
    fs::create_symlink("loop", dir / "loop");
    EXPECT_FALSE(SafeFileWriter(dir / "loop").isOpen());
    fs::create_directory_symlink("sub", dir / "folderlink");
    EXPECT_FALSE(SafeFileWriter(dir / "folderlink").isOpen());

    // Each failure keeps its reason for the message the user sees.
    EXPECT_EQ(SafeFileWriter(dir / "loop").failure().reason, FileWriteResult::Reason::BadName);
    EXPECT_EQ(SafeFileWriter(dir / "folderlink").commit().reason, FileWriteResult::Reason::NotRegular);
    SafeFileWriter nowhere(dir / "none" / "t");
    nowhere.write("lost");
    const FileWriteResult missing = nowhere.commit();
    EXPECT_EQ(missing.reason, FileWriteResult::Reason::CannotWrite);
    EXPECT_EQ(missing.error, ENOENT);
    EXPECT_FALSE(missing.systemError().empty());
}

TEST(SafeFileWriter, AWriterKilledBeforeItsCommitLeavesNothing)
{
    ScratchFolder dir;
    WriteBytes(dir / "t", "old");
    const int status = InChildProcess(
        dir.path(),
        [&] {
            SafeFileWriter out(dir / "t");
            out.write(std::string(1 << 20, 'x'));
            ::raise(SIGKILL);
            return 0;
        },
        false);
    EXPECT_EQ(status, 128 + SIGKILL);
    EXPECT_EQ(ReadBytes(dir / "t"), "old");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"t"});

    // Named temporary files that ended processes left (where the file
    // system has no unnamed files) go with the next save in the folder;
    // those of running processes stay.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string stale = ".velmora-" + std::to_string(ended) + "-0123456789abcdef.tmp";
    const std::string live = ".velmora-" + std::to_string(::getppid()) + "-0123456789abcdef.tmp";
    WriteBytes(dir / stale, "left by a crash");
    WriteBytes(dir / live, "being written");
    SafeFileWriter out(dir / "t");
    out.write("new");
    ASSERT_TRUE(out.commit());
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"t", live}));
}

TEST(SafeFileWriter, AFolderThatTakesNoNewFilesIsSavedIntoInPlace)
{
    ScratchFolder dir;
    fs::create_directory(dir / "locked");
    const fs::path file = dir / "locked" / "t.txt";
    WriteBytes(file, "an old text, longer than the new one");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const int status = InChildProcess(
        dir.path(),
        [&] {
            SafeFileWriter out(file);
            if (!out.isOpen())
                return 1;
            out.write("new text");
            if (!out.commit())
                return 2;
            // A new file cannot be made there at all.
            SafeFileWriter fresh(dir / "locked" / "other.txt");
            return fresh.isOpen() ? 3 : 0;
        },
        true);
    fs::permissions(dir / "locked", fs::perms::owner_all);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(file), "new text");
    EXPECT_EQ(ScratchFolderEntries(dir / "locked"), std::set<std::string>{"t.txt"});
}

} // namespace
} // namespace velmora
