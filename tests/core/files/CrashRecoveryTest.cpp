#include "core/files/CrashRecovery.h"

#include "core/commands/MainCommands.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CCursor.h"
#include "core/document/CFUndoList.h"
#include "core/document/RangeEdit.h"
#include "core/document/ReadingTable.h"
#include "core/files/RecoveryFormat.h"
#include "core/view/CFSignFont.h"
#include "tests/support/CommandDoubles.h"
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

#include <boost/make_shared.hpp>

#include <chrono>
#include <thread>

#include <sys/stat.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::Lines;
using test::MakeDocument;
using test::ReadBytes;
using test::TextOf;
using State = recovery::Content::State;

unsigned Mode(const fs::path& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// A run that ends without removing its copy, as a killed one does (its lock
// goes with it): the copy of text, unsaved, for file.
fs::path LeaveCopy(const fs::path& folder, const Lines& text, const fs::path& file)
{
    CrashRecovery run(folder);
    run.Update(MakeDocument(text), true, file);
    EXPECT_TRUE(run.Flush());
    return run.CopyPath();
}

// Types text at the end of the first line, one undoable step a character.
void Type(CFUndoList& undo, const CFDocument& document, const std::string& text)
{
    for (const char c : text) {
        const Position end{0, document.LineLength(0)};
        undo.ReplaceRange(end, end, MakeDocument({std::string(1, c)}));
    }
}

TEST(CrashRecovery, EveryEditReachesThePrivateCopyAsARecordWhileTheProgramHoldsIt)
{
    test::ScratchFolder folder;
    const fs::path data = folder / "data";
    const fs::path tablet = folder / "tablet.txt";
    CFDocument document = MakeDocument({"a-na", "lugal"});
    CFUndoList undo(nullptr, document, boost::make_shared<CCursor>(document, nullptr));
    auto recovery = std::make_unique<CrashRecovery>(data);
    undo.setEditListener(recovery.get());
    recovery->Update(document, false, tablet); // opened: equal to its file
    ASSERT_TRUE(recovery->Flush());
    const fs::path copy = recovery->CopyPath();
    EXPECT_EQ(Mode(data), 0700u);
    EXPECT_EQ(Mode(copy), 0600u);
    const auto opened = fs::file_size(copy);

    Type(undo, document, " be-li");
    undo.ReplaceRange({0, 0}, {1, 2}, MakeDocument({"um-ma ", "x"})); // across a line break
    undo.Undo();
    undo.Redo();
    recovery->Update(document, true, tablet);
    ASSERT_TRUE(recovery->Flush());
    // Records in proportion to the edits, not the text written again.
    EXPECT_LT(fs::file_size(copy) - opened, 8u * 40u);

    // While this run holds it, no other run offers it.
    CrashRecovery other(data);
    EXPECT_TRUE(other.FindLeftOvers().empty());

    // The run ends without removing it: the next one finds every edit.
    const CFDocument expected = document;
    recovery.reset();
    std::vector<CrashRecovery::LeftOver> found = other.FindLeftOvers();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].copy, copy);
    EXPECT_EQ(found[0].originalFile, tablet);
    EXPECT_EQ(found[0].state, State::Complete);
    const recovery::Content content = CrashRecovery::Read(found[0]);
    EXPECT_EQ(TextOf(content.document), TextOf(expected));
    EXPECT_TRUE(content.unsaved);
    EXPECT_FALSE(fs::exists(tablet)); // the user's file is never written
}

TEST(CrashRecovery, TheReadingsOfTheSignsAreRecoveredWithTheText)
{
    test::ScratchFolder folder;
    const auto R = [](const char* text) { return ReadingTable::Intern(std::string_view(text)); };
    // Signs imported with their readings: a₄ on two signs, du₃ on one.
    CFDocument document = MakeDocument({"abcd", "ef"});
    document.SetReading(0, 0, 2, R("a₄"));
    document.SetReading(1, 1, 2, R("du₃"));
    CFUndoList undo(nullptr, document, boost::make_shared<CCursor>(document, nullptr));
    auto recovery = std::make_unique<CrashRecovery>(folder / "data");
    undo.setEditListener(recovery.get());
    recovery->Update(document, true, {}); // the snapshot carries them

    // A candidate typed with its reading; a letter typed between the signs
    // of a₄, which drops it, then undone, which gives it back.
    undo.ReplaceRange({0, 4}, {0, 4}, TextOfCells(std::vector<std::uint32_t>{0x12195}, R("KAK")));
    undo.ReplaceRange({0, 1}, {0, 1}, MakeDocument({"x"}));
    undo.Undo();
    // A line break through the text moves du₃ to a line of its own.
    undo.ReplaceRange({1, 1}, {1, 1}, MakeDocument({"", ""}));
    recovery->Update(document, true, {});
    ASSERT_TRUE(recovery->Flush());
    ASSERT_EQ(document.Line(2).Readings().size(), 1u);

    const CFDocument expected = document;
    recovery.reset();
    CrashRecovery next(folder / "data");
    std::vector<CrashRecovery::LeftOver> found = next.FindLeftOvers();
    ASSERT_EQ(found.size(), 1u);
    const recovery::Content content = CrashRecovery::Read(found[0]);
    EXPECT_EQ(content.state, State::Complete) << content.problem;
    EXPECT_EQ(content.document, expected); // cells and readings

    // Readings that name cells the text does not have are left out, and
    // the text stays.
    std::string bytes(recovery::kMagic);
    std::string snapshot;
    recovery::AppendLines(snapshot, MakeDocument({"ab"}), 0, 1, true);
    recovery::AppendFrame(bytes, recovery::RecordType::Snapshot, snapshot);
    bytes += recovery::ReadingsRecord(std::vector<PlacedReading>{{0, {1, 5, R("a₄")}}});
    const recovery::Content wrong = recovery::Parse(bytes, 1000, 60000);
    EXPECT_EQ(wrong.state, State::Complete);
    EXPECT_EQ(TextOf(wrong.document), (Lines{"ab"}));
    EXPECT_FALSE(wrong.document.HasReadings());
}

TEST(CrashRecovery, ASavedOrClosedDocumentLeavesNothingToOffer)
{
    test::ScratchFolder folder;
    const fs::path data = folder / "data";
    CFDocument document = MakeDocument({"um-ma"});
    CFUndoList undo(nullptr, document, boost::make_shared<CCursor>(document, nullptr));
    fs::path saved;
    {
        CrashRecovery run(data);
        undo.setEditListener(&run);
        run.Update(document, false, folder / "a.txt");
        Type(undo, document, " lugal");
        run.Update(document, true, folder / "a.txt");
        run.Update(document, false, folder / "b.txt"); // Save As
        ASSERT_TRUE(run.Flush());
        saved = run.CopyPath();
        undo.setEditListener(nullptr);
    }
    {
        CrashRecovery closed(data);
        closed.Update(document, true, {});
        ASSERT_TRUE(closed.Flush());
        closed.Remove();
        EXPECT_FALSE(fs::exists(closed.CopyPath()));
    }
    CrashRecovery next(data);
    EXPECT_TRUE(next.FindLeftOvers().empty());
    // The saved run's copy held nothing unsaved and is gone.
    EXPECT_FALSE(fs::exists(saved));
}

TEST(CrashRecovery, AFolderThatCannotBeWrittenIsToldUntilItCanBe)
{
    test::ScratchFolder folder;
    const fs::path data = folder / "data";
    test::WriteBytes(data, "a file where the folder should be");
    CrashRecovery recovery(data);
    recovery.Update(MakeDocument({"a-na be-li-ia"}), true, {});
    EXPECT_FALSE(recovery.Flush());
    EXPECT_FALSE(recovery.Protected());

    fs::remove(data);
    for (int wait = 0; wait < 100 && !recovery.Protected(); ++wait)
        std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(recovery.Protected());
    EXPECT_TRUE(fs::exists(recovery.CopyPath()));
}

TEST(CrashRecovery, RecordsOfALaterVersionAreSkippedOrTheCopyKeptUnread)
{
    std::string copy(recovery::kMagic);
    copy += recovery::NameRecord("/texts/letter.txt");
    std::string payload;
    recovery::AppendLines(payload, MakeDocument({"a-na"}), 0, 1, true);
    recovery::AppendFrame(copy, recovery::RecordType::Snapshot, payload);
    // A refinement this version does not know (readings, say) is skipped.
    recovery::AppendFrame(copy, static_cast<recovery::RecordType>(0x05), "readings");
    copy += recovery::EditRecord({0, 4}, {0, 4}, MakeDocument({"-ma"}));
    recovery::Content content = recovery::Parse(copy, 1000, 60000);
    EXPECT_EQ(content.state, State::Complete);
    EXPECT_EQ(TextOf(content.document), Lines{"a-na-ma"});

    // A record it must understand and does not: the copy is not read.
    recovery::AppendFrame(copy, static_cast<recovery::RecordType>(0x90), "");
    content = recovery::Parse(copy, 1000, 60000);
    EXPECT_EQ(content.state, State::LastChangesLost);
    EXPECT_EQ(TextOf(content.document), Lines{"a-na-ma"});
}

class RecoveryAtStartTest : public ::testing::Test, protected test::CommandDoubles<> {
protected:
    test::ScratchFolder folder;
    fs::path data = folder / "data";
    FakeMainEditor editor;
    std::vector<std::u16string> titles;
    MainCommands commands{{editor,
                           dialogs,
                           messages,
                           question,
                           fontDialog,
                           dictionary,
                           signFont,
                           nullptr,
                           [this](std::u16string_view title) { titles.emplace_back(title); },
                           {}}};
    std::vector<std::string> questions;
    std::vector<fs::path> elsewhere;

    bool Offer(CrashRecovery& recovery, std::vector<MainCommands::RecoveryAnswer> answers)
    {
        questions.clear();
        return commands.OfferRecovery(
            recovery,
            [&](const std::string& text) {
                questions.push_back(text);
                return answers.at(questions.size() - 1);
            },
            [&](const fs::path& copy) { elsewhere.push_back(copy); });
    }
};

TEST_F(RecoveryAtStartTest, EveryCopyIsOfferedNewestFirstAndOnlyDiscardRemovesOne)
{
    using Answer = MainCommands::RecoveryAnswer;
    const fs::path tablet = folder / "tablet.txt";
    const fs::path oldest = LeaveCopy(data, {"refused"}, {});
    fs::last_write_time(oldest, fs::file_time_type::clock::now() - 2h);
    const fs::path later = LeaveCopy(data, {"i-na {d}marduk"}, folder / "later.txt");
    fs::last_write_time(later, fs::file_time_type::clock::now() - 1h);
    const fs::path newest = LeaveCopy(data, {"um-ma lugal"}, tablet);

    CrashRecovery recovery(data);
    EXPECT_TRUE(Offer(recovery, {Answer::Restore, Answer::Later, Answer::Discard}));
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_NE(questions[0].find("tablet.txt"), std::string::npos);
    EXPECT_NE(questions[1].find("later.txt"), std::string::npos);
    EXPECT_NE(questions[2].find("new file"), std::string::npos);
    EXPECT_EQ(TextOf(editor.document), Lines{"um-ma lugal"});
    EXPECT_TRUE(commands.IsModified());
    EXPECT_EQ(commands.CurrentFile(), tablet);
    EXPECT_EQ(titles.back(), u"tablet.txt - Velmora");
    // This run's copy took over before the old one went.
    EXPECT_FALSE(fs::exists(newest));
    EXPECT_TRUE(recovery.HasUnsavedCopy());
    EXPECT_TRUE(fs::exists(later));
    EXPECT_FALSE(fs::exists(oldest));

    // Save writes the file it came from.
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(ReadBytes(tablet), "um-ma lugal");

    // The next start offers what was put off; a second restore goes to
    // another window, which takes the copy over itself.
    const fs::path another = LeaveCopy(data, {"a-na be-li-ia"}, {});
    CrashRecovery next(data);
    EXPECT_TRUE(Offer(next, {Answer::Restore, Answer::Restore}));
    ASSERT_EQ(elsewhere.size(), 1u);
    EXPECT_TRUE(fs::exists(elsewhere[0]));
    FakeMainEditor otherEditor;
    MainCommands other{
        {otherEditor, dialogs, messages, question, fontDialog, dictionary, signFont, nullptr, {}, {}}};
    CrashRecovery otherRecovery(data);
    EXPECT_TRUE(other.RestoreCopy(otherRecovery, elsewhere[0]));
    EXPECT_FALSE(fs::exists(elsewhere[0]));
    EXPECT_EQ(TextOf(editor.document), Lines{"a-na be-li-ia"});
    EXPECT_EQ(TextOf(otherEditor.document), Lines{"i-na {d}marduk"});
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(RecoveryAtStartTest, DamagedCopiesAreReportedAndKeptAndNoneHoldsUpTheStart)
{
    using Answer = MainCommands::RecoveryAnswer;
    const fs::path good = LeaveCopy(data, {"a-na be-li-ia", "qi2-bi2-ma"}, {});
    fs::last_write_time(good, fs::file_time_type::clock::now() - 1h);

    // Cut in its last record, as by a crash during an append: offered with
    // the text before it, and the user is told.
    const fs::path cut = [&] {
        CFDocument document = MakeDocument({"lugal"});
        CFUndoList undo(nullptr, document, boost::make_shared<CCursor>(document, nullptr));
        CrashRecovery run(data);
        undo.setEditListener(&run);
        run.Update(document, true, {});
        EXPECT_TRUE(run.Flush()); // the snapshot first, the keys after it
        Type(undo, document, " kur");
        EXPECT_TRUE(run.Flush());
        undo.setEditListener(nullptr);
        return run.CopyPath();
    }();
    fs::resize_file(cut, fs::file_size(cut) - 2);

    // Copies that cannot be read at all.
    fs::create_directories(data);
    std::string bytes = ReadBytes(good);
    bytes[bytes.size() - 3] ^= 0x40; // inside the snapshot
    const fs::path damaged = data / "recovery-damaged.vrc";
    test::WriteBytes(damaged, bytes);
    const fs::path huge = data / "recovery-huge.vrc";
    test::WriteBytes(huge,
                     std::string(recovery::kMagic) + std::string("\x81\xff\xff\xff\xff\0\0\0\0abc", 12));
    const fs::path empty = data / "recovery-empty.vrc";
    test::WriteBytes(empty, "");
    const fs::path pipe = data / "recovery-pipe.vrc";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path folderCopy = data / "recovery-folder.vrc";
    fs::create_directories(folderCopy);
    for (const fs::path& copy : {damaged, huge, empty, pipe, folderCopy})
        fs::last_write_time(copy, fs::file_time_type::clock::now() - 2h);

    CrashRecovery recovery(data);
    EXPECT_TRUE(Offer(recovery, {Answer::Restore, Answer::Later}));
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(TextOf(editor.document), Lines{"lugal ku"});
    const auto& shown = messages.messages();
    ASSERT_EQ(shown.size(), 6u);
    std::string all;
    for (const auto& message : shown)
        all += message.text + "\n";
    for (const fs::path& copy : {damaged, huge, empty, pipe, folderCopy})
        EXPECT_NE(all.find(copy.filename().string()), std::string::npos) << copy;
    EXPECT_NE(all.find("最後の変更を読み込めませんでした"), std::string::npos);
    // Kept, and the good one is still there for the next start.
    for (const fs::path& copy : {damaged, huge, empty, pipe, folderCopy, good})
        EXPECT_TRUE(fs::exists(fs::symlink_status(copy))) << copy;
}

} // namespace
} // namespace velmora
