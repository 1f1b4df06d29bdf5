#include "core/files/CrashRecovery.h"

#include "core/commands/MainCommands.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/view/CFSignFont.h"
#include "tests/support/DocumentText.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeMainEditor.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedSaveQuestion.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::Lines;
using test::ReadBytes;
using test::TextOf;
using Clock = CrashRecovery::Clock;

// The id of a process that has ended.
long EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void Append(CFDocument& document, const std::string& text)
{
    for (const char c : text)
        document.InsertCell(0, document.LineLength(0), static_cast<unsigned char>(c));
}

TEST(CrashRecovery, ACopyFollowsUnsavedChangesAtMostEveryFewSecondsAndGoesWithThem)
{
    test::ScratchFolder folder;
    const fs::path data = folder / "data";
    CrashRecovery recovery(data);
    CFDocument document;
    const fs::path tablet = folder / "tablet.txt";
    const Clock::time_point t0 = Clock::now();

    recovery.Update(document, false, tablet, t0);
    EXPECT_FALSE(recovery.HasCopy());
    EXPECT_FALSE(fs::exists(data)); // nothing written while nothing changed

    Append(document, "a-na be-li");
    recovery.Update(document, true, tablet, t0);
    ASSERT_TRUE(recovery.HasCopy());
    const fs::path copy = recovery.CopyPath();
    EXPECT_EQ(copy.parent_path(), data);
    const std::string first = ReadBytes(copy);

    // More typing within the interval: the copy waits.
    Append(document, "-ia");
    recovery.Update(document, true, tablet, t0 + 1s);
    EXPECT_EQ(ReadBytes(copy), first);
    // Well after it, the copy catches up. (The interval grows when a write
    // is slow, as fsync can be on a busy machine: a minute covers that.)
    recovery.Update(document, true, tablet, t0 + 60s);
    CFDocument read;
    fs::path original;
    ASSERT_TRUE(CrashRecovery::Read(copy, read, original));
    EXPECT_EQ(TextOf(read), Lines{"a-na be-li-ia"});
    EXPECT_EQ(original, tablet);

    // Saved (or the changes given up): the copy goes.
    recovery.Update(document, false, tablet, t0 + 10s);
    EXPECT_FALSE(recovery.HasCopy());
    EXPECT_FALSE(fs::exists(copy));
    // The user's own file is never written.
    EXPECT_FALSE(fs::exists(tablet));
}

class RecoveryAtStartTest : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    fs::path data = folder / "data";
    FakeMainEditor editor;
    FakeFileDialogs dialogs;
    MessageRecorder messages;
    ScriptedSaveQuestion question;
    FakeFontDialog fontDialog;
    CFWordDictionary dictionary;
    FakeFontFactory fonts;
    MemorySettings settings;
    CFSignFont signFont{fonts, settings};
    std::vector<std::u16string> titles;
    MainCommands commands{{editor, dialogs, messages, question, fontDialog, dictionary, signFont, nullptr,
                           [this](std::u16string_view title) { titles.emplace_back(title); }}};

    // A copy as a run with that process id leaves it when it is killed.
    fs::path LeaveCopy(long processId, const std::string& text, const fs::path& file)
    {
        CrashRecovery run(data, processId);
        CFDocument document;
        Append(document, text);
        EXPECT_TRUE(run.Write(document, file));
        return run.CopyPath();
    }
};

TEST_F(RecoveryAtStartTest, CopiesOfEndedRunsAreOfferedAndOneTakenBecomesTheUnsavedDocument)
{
    const fs::path tablet = folder / "tablet.txt";
    const fs::path refused = LeaveCopy(EndedProcess(), "refused", {});
    const fs::path running = LeaveCopy(::getppid(), "another editor still running", {});
    // Oldest first, so that the newest is offered first.
    fs::last_write_time(refused, fs::file_time_type::clock::now() - 1h);
    const fs::path taken = LeaveCopy(EndedProcess(), "um-ma lugal", tablet);

    CrashRecovery recovery(data);
    int asked = 0;
    std::vector<bool> answers{true};
    EXPECT_TRUE(commands.OfferRecovery(recovery, [&] { return answers.at(asked++); }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(TextOf(editor.document), Lines{"um-ma lugal"});
    EXPECT_TRUE(commands.IsModified());
    EXPECT_EQ(commands.CurrentFile(), tablet);
    EXPECT_EQ(titles.back(), u"tablet.txt - Velmora");
    EXPECT_EQ(editor.replacements, 1);
    // This run's copy has taken over; the other copies stay for later.
    EXPECT_FALSE(fs::exists(taken));
    EXPECT_TRUE(recovery.HasCopy());
    EXPECT_TRUE(fs::exists(refused));
    EXPECT_TRUE(fs::exists(running));

    // Save writes the file it came from, and the copy goes with the changes.
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(ReadBytes(tablet), "um-ma lugal");
    recovery.Update(editor.document, commands.IsModified(), commands.CurrentFile(), Clock::now());
    EXPECT_FALSE(recovery.HasCopy());

    // Next start: the remaining left-over is refused and removed; the copy
    // of the running editor is never offered.
    CrashRecovery next(data);
    asked = 0;
    answers = {false};
    EXPECT_FALSE(commands.OfferRecovery(next, [&] { return answers.at(asked++); }));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(fs::exists(refused));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_EQ(TextOf(editor.document), Lines{"um-ma lugal"});
}

TEST_F(RecoveryAtStartTest, ACopyFromBeforeARestartIsOfferedAndAnUnreadableOneKept)
{
    // The id of a running process, but written before the system started
    // again: the header's boot id differs.
    const fs::path old = data / ("recovery-" + std::to_string(::getppid()) + ".vrc");
    fs::create_directories(data);
    test::WriteBytes(old, std::string("VELMORA RECOVERY 1\r\nboot another-boot\r\nfile 0\r\n\r\nnew text"));
    CrashRecovery recovery(data);
    int asked = 0;
    EXPECT_TRUE(commands.OfferRecovery(recovery, [&] {
        ++asked;
        return true;
    }));
    EXPECT_EQ(TextOf(editor.document), Lines{"new text"});
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_EQ(titles.back(), u"new file - Velmora");

    // A copy whose text is not UTF-8 is reported and kept.
    recovery.Remove();
    const fs::path broken = data / ("recovery-" + std::to_string(EndedProcess()) + ".vrc");
    test::WriteBytes(broken, std::string("VELMORA RECOVERY 1\r\nboot x\r\nfile 0\r\n\r\ncaf\xE9"));
    CrashRecovery again(data);
    EXPECT_FALSE(commands.OfferRecovery(again, [] { return true; }));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("UTF-8"), std::string::npos);
    EXPECT_TRUE(fs::exists(broken));
    EXPECT_EQ(TextOf(editor.document), Lines{"new text"});
}

} // namespace
} // namespace velmora
