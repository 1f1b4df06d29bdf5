#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::ModeTestEditor;
using test::TextOf;

class NormalModeTest : public ::testing::Test {
protected:
    void load(const Lines& lines) { e.doc() = MakeDocument(lines); }
    void at(std::uint32_t line, std::uint32_t column) { e.cursor().setPosition({line, column}); }
    void ctrlPress(std::uint32_t key) { e.ctrlPress(key); }

    ModeTestEditor e;
};

TEST_F(NormalModeTest, ArrowsStopAtTheEndsAndKeepTheColumnWhereTheLineAllows)
{
    load({"abcd", "ab", "abcdef"});
    e.press({vk::Left, vk::Up});
    EXPECT_EQ(e.at(), (Position{0, 0}));
    at(0, 3);
    e.press({vk::Down});
    EXPECT_EQ(e.at(), (Position{1, 2}));
    e.press({vk::Right});
    EXPECT_EQ(e.at(), (Position{2, 0}));
    e.press({vk::Left});
    EXPECT_EQ(e.at(), (Position{1, 2}));
    at(2, 6);
    e.press({vk::Right, vk::Down});
    EXPECT_EQ(e.at(), (Position{2, 6}));
    e.press({vk::Up, vk::Up});
    EXPECT_EQ(e.at(), (Position{0, 2}));
}

TEST_F(NormalModeTest, ShiftExtendsTheSelectionAndOtherKeysResetIt)
{
    load({"abcd", "efgh"});
    at(0, 1);
    e.keyboard.setShift(true);
    e.press({vk::Shift, vk::Right, vk::Down});
    EXPECT_TRUE(e.data->selection->active());
    EXPECT_EQ(e.data->selection->start(), (Position{0, 1}));
    EXPECT_EQ(e.data->selection->end(), (Position{1, 2}));
    e.keyboard.setShift(false);
    e.press({vk::Back});
    EXPECT_EQ(TextOf(e.doc()), (Lines{"agh"}));
    EXPECT_EQ(e.at(), (Position{0, 1}));
    EXPECT_EQ(e.undoCount(), 1u);

    e.keyboard.setShift(true);
    e.press({vk::Shift, vk::Right});
    e.keyboard.setShift(false);
    e.press({vk::Left});
    EXPECT_FALSE(e.data->selection->active());
}

TEST_F(NormalModeTest, BackspaceErasesBackwardsAndDeleteForwardsJoiningLines)
{
    load({"ab", "cd", "ef", "gh"});
    at(3, 0);
    e.press({vk::Back});
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ab", "cd", "efgh"}));
    EXPECT_EQ(e.at(), (Position{2, 2}));
    e.press({vk::Back});
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ab", "cd", "egh"}));
    EXPECT_EQ(e.at(), (Position{2, 1}));
    e.press({vk::Delete});
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ab", "cd", "eh"}));
    EXPECT_EQ(e.at(), (Position{2, 1}));
    at(0, 2);
    e.press({vk::Delete}); // at a line's end: the next line joins it
    EXPECT_EQ(TextOf(e.doc()), (Lines{"abcd", "eh"}));
    EXPECT_EQ(e.at(), (Position{0, 2}));
    at(1, 2);
    e.press({vk::Delete}); // at the document's end: nothing
    at(0, 0);
    e.press({vk::Back}); // at its start: nothing
    EXPECT_EQ(e.undoCount(), 4u);
    for (int i = 0; i < 4; ++i)
        e.ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ab", "cd", "ef", "gh"}));
    EXPECT_EQ(e.at(), (Position{2, 2}));
}

// A click leaves an active but empty selection; Backspace still erases the
// cell before the cursor instead of deleting nothing.
TEST_F(NormalModeTest, BackspaceAfterAClickErasesACell)
{
    load({"abc"});
    e.window.setPointer({30, 10}); // on the third letter
    e.data->selection->Reset();
    e.ctrl->RouteMouse(0);
    ASSERT_EQ(e.at(), (Position{0, 2}));
    ASSERT_TRUE(e.data->selection->active());
    e.press({vk::Back});
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ac"}));
    EXPECT_EQ(e.at(), (Position{0, 1}));
}

TEST_F(NormalModeTest, EnterSplitsTheLineUnlessTheLineLimitIsReached)
{
    load({"abcd"});
    at(0, 2);
    e.keyboard.setCtrl(true); // Ctrl makes no difference
    e.press({vk::Return});
    e.keyboard.setCtrl(false);
    EXPECT_EQ(TextOf(e.doc()), (Lines{"ab", "cd"}));
    EXPECT_EQ(e.at(), (Position{1, 0}));
    ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc()), (Lines{"abcd"}));
    EXPECT_EQ(e.at(), (Position{0, 2}));

    // At the limit the user is told why nothing happened.
    ModeTestEditor full(3);
    full.doc() = MakeDocument({"a", "b", "c"});
    full.press({vk::Return});
    EXPECT_EQ(TextOf(full.doc()), (Lines{"a", "b", "c"}));
    ASSERT_EQ(full.messages.messages().size(), 1u);
    EXPECT_EQ(full.messages.messages()[0].text, "行数が上限の 3 行に達しているため改行できません。");

    // A one-line word field's Enter belongs to its window: no message.
    ModeTestEditor field(1);
    field.type("AB");
    field.press({vk::Left, vk::Return});
    EXPECT_EQ(TextOf(field.doc()), (Lines{"ab"}));
    EXPECT_EQ(field.undoCount(), 2u);
    EXPECT_TRUE(field.messages.empty());
}

TEST_F(NormalModeTest, CtrlSpaceSwitchesTheSettingUnlessLockedAndResetsTheSelection)
{
    e.data->selection->Extend(0, 0);
    ctrlPress(vk::Space);
    EXPECT_FALSE(e.data->alphabetMode);
    EXPECT_FALSE(e.data->selection->active());
    EXPECT_EQ(e.doc().LineLength(0), 0u);
    ctrlPress(vk::Space);
    EXPECT_TRUE(e.data->alphabetMode);

    e.data->alphabetLock = true;
    e.data->selection->Extend(0, 0);
    ctrlPress(vk::Space);
    EXPECT_TRUE(e.data->alphabetMode);
    EXPECT_FALSE(e.data->selection->active());
}

TEST_F(NormalModeTest, AlphabetSettingTypesTheJapaneseKeycaps)
{
    e.type("A");
    e.keyboard.setShift(true);
    e.type("A1234567890");
    e.press({vk::Oem1, vk::Oem3, vk::Oem5, vk::Oem102});
    e.keyboard.setCapsLock(true); // inverts Shift
    e.type("Aa");
    e.keyboard.setShift(false);
    e.type("A1");
    e.press({vk::Oem1});
    e.keyboard.setCapsLock(false);
    e.press({vk::Oem1, vk::OemMinus, vk::Oem4, vk::Oem7, vk::Space, vk::Tab});
    e.keyboard.setCtrl(true);
    e.type("Q");
    const auto cells = e.doc().Line(0).Cells();
    EXPECT_EQ(std::u32string(cells.begin(), cells.end()), U"aA!\"#$%&'() *`||aaA!*:-[^ ");
    EXPECT_EQ(e.undoCount(), cells.size());
}

TEST_F(NormalModeTest, SignSettingHandsLettersAndDigitsToInputMode)
{
    e.data->alphabetMode = false;
    EXPECT_EQ(e.ctrl->normalMode().OnKeyDown('A'), kInputModeId);
    EXPECT_EQ(e.data->firstKey, 0x41);
    EXPECT_EQ(e.ctrl->normalMode().OnKeyDown('7'), kInputModeId);
    EXPECT_EQ(e.ctrl->normalMode().OnKeyDown(vk::Oem1), kNormalModeId);
    EXPECT_EQ(e.doc().LineLength(0), 0u);
}

TEST_F(NormalModeTest, AcceptedWordIsInsertedWithOneUndoRecord)
{
    load({"a", "b", "cdefgh"});
    at(2, 5);
    e.data->alphabetMode = false;
    e.type("DU3");
    e.press({vk::Space, vk::Return}); // the two-sign third DU
    EXPECT_EQ(e.at(), (Position{2, 7}));
    EXPECT_EQ(e.doc().LineLength(2), 8u);
    EXPECT_EQ(e.undoCount(), 1u);
    ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc()), (Lines{"a", "b", "cdefgh"}));
}

TEST_F(NormalModeTest, TypingTheThousandthCellIsTakenBack)
{
    e.fillLine(0, 998);
    at(0, 998);
    e.type("A");
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    e.type("B");
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    EXPECT_EQ(e.at(), (Position{0, 999}));
    EXPECT_EQ(e.undoCount(), 1u);

    // So is a join, and a paste, that would make the line too long.
    e.doc().InsertLine(1);
    e.fillLine(1, 5);
    at(1, 0);
    e.press({vk::Back});
    EXPECT_EQ(TextOf(e.doc()).size(), 2u);
    EXPECT_EQ(e.doc().LineLength(1), 5u);
    at(0, 10);
    e.clipboard.setText(u"pq");
    ctrlPress('V');
    EXPECT_EQ(e.doc().LineLength(0), 999u);
}

// A line that is already too long (read from a file, pasted from the menu)
// is not the doing of the key pressed on it: the key takes nothing back.
TEST_F(NormalModeTest, KeysOnAnOverlongLineKeepEarlierEdits)
{
    e.type("Q");
    e.press({vk::Return});
    e.fillLine(1, 1200);
    at(1, 1200);
    e.press({vk::Left, vk::Up, vk::Down, vk::Shift});
    EXPECT_EQ(TextOf(e.doc())[0], "q");
    e.press({vk::Back});
    EXPECT_EQ(e.doc().LineLength(1), 1199u);
    at(1, 100);
    e.press({vk::Return});
    EXPECT_EQ(e.doc().LineLength(2), 1099u);
    EXPECT_EQ(TextOf(e.doc())[0], "q");
    EXPECT_EQ(e.undoCount(), 4u);
}

// Copy and cut put the whole selection on the clipboard, however long, so
// that a cut takes nothing out of the document that a paste cannot bring
// back.
TEST_F(NormalModeTest, CopyAndCutTakeTheWholeSelectionWithoutAWarning)
{
    std::vector<std::uint32_t> signs(300);
    for (std::uint32_t i = 0; i < signs.size(); ++i)
        signs[i] = 0x12000 + i;
    e.doc().InsertCells(300, 0, 0, signs.data());
    e.doc().InsertLine(1);
    e.fillLine(1, 2, 'y');
    e.data->selection->Extend(0, 300);
    e.data->selection->Extend(0, 0);
    ctrlPress('C');
    EXPECT_EQ(e.clipboard.content()->size(), 600u);

    ctrlPress('X');
    EXPECT_TRUE(e.messages.empty());
    EXPECT_EQ(TextOf(e.doc()), (Lines{"", "yy"}));
    at(1, 1);
    ctrlPress('V');
    EXPECT_EQ(e.doc().LineLength(1), 302u);
    EXPECT_EQ(e.doc().CellAt(1, 300), 0x12000u + 299);
    EXPECT_EQ(e.at(), (Position{1, 301}));
    ctrlPress('Z');
    ctrlPress('Z');
    EXPECT_EQ(e.doc().LineLength(0), 300u);

    // Cut with nothing selected leaves the cursor, the clipboard and the
    // history alone.
    at(1, 1);
    const auto records = e.undoCount();
    const int puts = e.clipboard.putCount();
    ctrlPress('X');
    EXPECT_EQ(e.at(), (Position{1, 1}));
    EXPECT_EQ(e.undoCount(), records);
    EXPECT_EQ(e.clipboard.putCount(), puts);
}

// Undo can take away the text under the selection; the selection goes with
// it, so a copy afterwards cannot name lines that are gone.
TEST_F(NormalModeTest, UndoResetsTheSelection)
{
    e.clipboard.setText(u"p\r\nq\r\nr");
    ctrlPress('V');
    e.keyboard.setShift(true);
    e.press({vk::Shift, vk::Left});
    e.keyboard.setShift(false);
    ctrlPress('Z');
    EXPECT_FALSE(e.data->selection->active());
    EXPECT_NO_THROW(ctrlPress('C'));
    EXPECT_EQ(e.clipboard.putCount(), 0);
}

TEST_F(NormalModeTest, ClickPlacesTheCursorInTheScrolledDocument)
{
    load({"a", "bcdef", "ghijkl"});
    e.scrollBar->Vertical().SetPosition(1);
    e.scrollBar->Horizontal().SetPosition(14);
    e.window.setPointer({20, 60}); // document point (34, 110)
    e.data->selection->Reset();
    e.sink.clear();
    EXPECT_EQ(e.ctrl->RouteMouse(0), kNormalModeId);
    EXPECT_EQ(e.at(), (Position{2, 2}));
    EXPECT_TRUE(e.data->selection->active());
    EXPECT_EQ(e.data->selection->start(), (Position{2, 2}));
    EXPECT_GT(e.sink.writes().size(), 0u);
    EXPECT_EQ(e.fonts.requests().size(), 2u); // the fonts were made once

    e.window.setPointer({20, 200}); // below the last line: cursor stays
    e.ctrl->RouteMouse(0);
    EXPECT_EQ(e.at(), (Position{2, 2}));
}

TEST_F(NormalModeTest, CaretIsBlackInAlphabetAndBlueInSignSetting)
{
    load({"abc"});
    at(0, 2);
    e.cursor().caretVisible = true;
    auto caretPen = [&] {
        FakeSurface surface;
        e.ctrl->CurrentMode().OnPaint(surface);
        const auto rects = surface.recording().rectangles();
        EXPECT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects.back().rect, (Rect{28, 0, 30, 50}));
        EXPECT_EQ(rects.back().brush.color, kWhite);
        for (const auto& t : surface.recording().textOuts())
            EXPECT_TRUE(t.transparent);
        return rects.back().pen.color;
    };
    EXPECT_EQ(caretPen(), kBlack);
    e.data->alphabetMode = false;
    EXPECT_EQ(caretPen(), kBlue);
    EXPECT_EQ(e.fonts.requests().size(), 2u); // the fonts were made once
}

} // namespace
} // namespace velmora
