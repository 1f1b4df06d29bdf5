#include "document/DocumentError.h"
#include "platform/VirtualKeys.h"
#include "tests/modes/ModeTestEditor.h"
#include "tests/support/DocumentText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ModeTestEditor;
using test::TextOf;

constexpr const char* kTooManyLines = "最大行数を超えているためペーストできません。";

TEST(ModeDataTest, StartsEmptyInAlphabetSettingWithAtLeastOneLineAllowed)
{
    ModeTestEditor e(0);
    EXPECT_EQ(e.data->lineLimit, 1);
    EXPECT_TRUE(e.data->alphabetMode);
    EXPECT_FALSE(e.data->alphabetLock);
    EXPECT_EQ(e.data->keyWord->Length(), 0u);
    EXPECT_FALSE(e.data->currentWord);
    EXPECT_EQ(e.doc().LineCount(), 1u);
}

TEST(ModeDataTest, DeletingWithoutSelectionRecordsAnEmptyDeletionAtTheStart)
{
    ModeTestEditor e;
    e.doc() = test::MakeDocument({"abc", "def", "ghi"});
    e.cursor().setPosition({2, 3});
    EXPECT_TRUE(e.data->DeleteSelectionWithUndo());
    EXPECT_EQ(e.at(), (Position{0, 0}));
    EXPECT_EQ(e.undoCount(), 1u);
    e.data->undoList->Undo();
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"abc", "def", "ghi"}));
}

TEST(ModeDataTest, DeletingASelectionAcrossLinesIsUndoneInOneStep)
{
    ModeTestEditor e;
    e.doc() = test::MakeDocument({"abc", "def", "ghi"});
    e.data->selection->Extend(0, 1);
    e.data->selection->Extend(2, 2);
    e.data->DeleteSelectionWithUndo();
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"ai"}));
    EXPECT_EQ(e.at(), (Position{0, 1}));
    EXPECT_FALSE(e.data->selection->active());
    e.data->undoList->Undo();
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"abc", "def", "ghi"}));
}

TEST(ModeDataTest, PasteIsRefusedOnceLinesAndCopiedBreaksReachTheLimit)
{
    ModeTestEditor e;
    e.clipboard.setText(u"z");
    e.doc().InsertLines(1, 59998); // 59999 lines
    EXPECT_TRUE(e.data->PasteWithUndo());
    EXPECT_TRUE(e.messages.empty());
    EXPECT_EQ(e.at(), (Position{0, 1}));

    // A copy of one line break counts against the limit.
    e.data->selection->Extend(0, 0);
    e.data->selection->Extend(1, 0);
    ASSERT_TRUE(e.data->selection->CopyToClipboard(e.clipboard, e.messages));
    e.clipboard.setText(u"z");
    EXPECT_FALSE(e.data->PasteWithUndo());
    ASSERT_EQ(e.messages.messages().size(), 1u);
    EXPECT_EQ(e.messages.messages()[0],
              (MessageRecorder::Message{&e.window, kTooManyLines, "エラー"}));

    ModeTestEditor full;
    full.doc().InsertLines(1, 59999);
    full.clipboard.setText(u"z");
    EXPECT_FALSE(full.data->PasteWithUndo());
    EXPECT_EQ(full.undoCount(), 0u);
    EXPECT_EQ(full.doc().LineLength(0), 0u);
}

TEST(ModeDataTest, OneLineFieldRefusesEveryPaste)
{
    ModeTestEditor e(1);
    e.clipboard.setText(u"abc");
    EXPECT_FALSE(e.data->PasteWithUndo());
    EXPECT_EQ(e.messages.messages().at(0).text, kTooManyLines);
    EXPECT_EQ(e.doc().LineLength(0), 0u);
}

TEST(ModeDataTest, PasteRecordsOneInsertionOnlyWhenTextArrived)
{
    ModeTestEditor e;
    e.clipboard.setText(u"");
    EXPECT_TRUE(e.data->PasteWithUndo());
    EXPECT_EQ(e.undoCount(), 0u);

    e.clipboard.setNoText();
    EXPECT_TRUE(e.data->PasteWithUndo());
    EXPECT_EQ(e.messages.messages().at(0),
              (MessageRecorder::Message{&e.window, "違う形式のデータです。", "失敗"}));
    EXPECT_EQ(e.undoCount(), 0u);

    e.clipboard.setText(u"a\r\nb");
    EXPECT_TRUE(e.data->PasteWithUndo());
    EXPECT_EQ(e.at(), (Position{1, 1}));
    EXPECT_EQ(e.undoCount(), 1u);
    e.data->undoList->Undo();
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{""}));
}

TEST(ModeDataTest, GuardTakesBackOnlyAnEditThatLeftTheLineAtTheLimit)
{
    ModeTestEditor e;
    e.fillLine(0, 998);
    e.data->RecordEdit(kInsertion, 0, 0, 0, 998);
    e.cursor().setPosition({0, 998});
    EXPECT_FALSE(e.data->ApplyLineLengthGuard());
    e.doc().InsertCell(0, 998, 'y');
    e.data->RecordEdit(kInsertion, 0, 998, 0, 999);
    EXPECT_FALSE(e.data->ApplyLineLengthGuard()); // 999 cells stay
    e.doc().InsertCell(0, 999, 'y');
    e.data->RecordEdit(kInsertion, 0, 999, 0, 1000);
    // A line already this long before the edit is not the edit's doing.
    EXPECT_FALSE(e.data->ApplyLineLengthGuard(1000));
    EXPECT_TRUE(e.data->ApplyLineLengthGuard(999));
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    EXPECT_EQ(e.at(), (Position{0, 999}));
}

TEST(ModeDataTest, ReplacingTheDocumentDropsEverythingThatReferredToTheOldOne)
{
    ModeTestEditor e;
    e.data->alphabetMode = false;
    e.type("LUGAL");
    e.press({vk::Space});
    ASSERT_EQ(e.mode(), kSignSelectionModeId);
    e.doc() = test::MakeDocument({"x"});
    e.data->undoList->RecordUndo(kInsertion, 0, 0, 0, 1);
    e.cursor().setPosition({0, 1});
    e.data->selection->Extend(0, 1);

    e.doc().Clear();
    e.data->DocumentReplaced();
    e.ctrl->SetMode(kNormalModeId);
    EXPECT_EQ(e.at(), (Position{0, 0}));
    EXPECT_FALSE(e.data->selection->active());
    EXPECT_EQ(e.undoCount(), 0u);
    EXPECT_TRUE(e.pending().empty());
    EXPECT_TRUE(e.data->candidates.Empty());
    e.keyboard.setCtrl(true);
    EXPECT_NO_THROW(e.press({'Z'}));
}

} // namespace
} // namespace velmora
