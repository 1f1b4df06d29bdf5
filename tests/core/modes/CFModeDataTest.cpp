#include "core/document/DocumentError.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ModeTestEditor;
using test::TextOf;

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

TEST(ModeDataTest, ReplacingTheDocumentDropsEverythingThatReferredToTheOldOne)
{
    ModeTestEditor e;
    e.data->alphabetMode = false;
    e.type("LUGAL");
    e.press({vk::Space});
    ASSERT_EQ(e.mode(), kSignSelectionModeId);
    e.doc() = test::MakeDocument({"xx"});
    e.data->undoList->RecordUndo(kInsertion, 0, 0, 0, 1);
    e.data->undoList->RecordUndo(kInsertion, 0, 0, 0, 1);
    e.data->undoList->Undo(); // one step to undo, one to redo
    e.cursor().setPosition({0, 1});
    e.data->selection->Extend(0, 1);

    e.doc().Clear();
    e.data->DocumentReplaced();
    e.ctrl->SetMode(kNormalModeId);
    EXPECT_EQ(e.at(), (Position{0, 0}));
    EXPECT_FALSE(e.data->selection->active());
    EXPECT_EQ(e.undoCount(), 0u);
    EXPECT_EQ(e.data->undoList->redoCount(), 0u);
    EXPECT_TRUE(e.pending().empty());
    EXPECT_TRUE(e.data->candidates.Empty());
    EXPECT_NO_THROW(e.ctrlPress('Z'));
    EXPECT_NO_THROW(e.ctrlPress('Y'));
}

} // namespace
} // namespace velmora
