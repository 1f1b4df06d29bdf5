#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::Key;
using test::ModeTestEditor;
using test::Signs;
using test::TextOf;

std::u32string LineOf(const CFDocument& doc, std::uint32_t line)
{
    const auto cells = doc.Line(line).Cells();
    return std::u32string(cells.begin(), cells.end());
}

class InputModeTest : public ::testing::Test {
protected:
    InputModeTest() { e.data->alphabetMode = false; }

    ModeTestEditor e;
};

TEST_F(InputModeTest, ConvertsTheTypedTransliteration)
{
    EXPECT_EQ(e.type("LUGAL"), kInputModeId);
    EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(e.pending(), U"lugal");
    ASSERT_TRUE(e.data->currentWord);
    EXPECT_EQ(e.data->currentWord->Cells()[0], test::kLugal);
    EXPECT_EQ(e.data->requestedNumber, 0u);
    EXPECT_EQ(e.doc().LineLength(0), 0u);
}

TEST_F(InputModeTest, SubscriptDigitsRequestASignNumber)
{
    e.type("DU3");
    EXPECT_EQ(e.pending(), U"du₃");
    EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(e.data->requestedNumber, 3u);
    EXPECT_EQ(e.ctrl->selSignMode().candidateIndex(), 2);

    ModeTestEditor f;
    f.data->alphabetMode = false;
    f.type("DU3A");
    EXPECT_EQ(f.press({vk::Space}), kSignSelectionModeId); // du₃ first, the a waits
    EXPECT_EQ(f.data->requestedNumber, 3u);
    EXPECT_EQ(f.ctrl->selSignMode().keyWord()->Cells().size(), 2u);
    EXPECT_EQ(f.pending(), U"du₃a");

    ModeTestEditor g;
    g.data->alphabetMode = false;
    g.type("3DU"); // nothing before the digits: no lookup
    EXPECT_EQ(g.press({vk::Space}), kInputModeId);
}

TEST_F(InputModeTest, KeysTypeTransliterationLetters)
{
    e.type("CHST");
    e.keyboard.setShift(true); // Shift only picks the dotted letters
    e.type("STAc");
    e.keyboard.setShift(false);
    e.keyboard.setCapsLock(true); // Caps Lock alone decides the case
    e.type("CHAa09");
    e.press({vk::Oem3});
    e.keyboard.setShift(true);
    e.type("ST");
    EXPECT_EQ(e.pending(), U"šḫstṣṭacŠḪAa₀₉'ṢṬ");
}

TEST_F(InputModeTest, MacronAndCircumflexReplaceTheLastVowel)
{
    e.type("A");
    e.press({vk::OemMinus});
    EXPECT_EQ(e.pending(), U"ā");
    e.keyboard.setCapsLock(true);
    e.type("E");
    e.keyboard.setCapsLock(false);
    e.press({vk::Oem7}); // whatever the vowel's case, Caps Lock decides
    e.type("i");
    e.keyboard.setCapsLock(true);
    e.press({vk::OemMinus});
    e.keyboard.setCapsLock(false);
    e.type("K");
    e.press({vk::OemMinus, vk::Oem7});
    e.type("U");
    e.press({vk::Oem7});
    EXPECT_EQ(e.pending(), U"āêĪkû");
}

TEST_F(InputModeTest, PendingTextHoldsAtMost101Characters)
{
    for (int i = 0; i < 101; ++i)
        e.type("A");
    ASSERT_EQ(e.pending().size(), 101u);
    EXPECT_TRUE(e.ctrl->LookupStatus().empty());
    e.type("B");
    // Refused, and the status bar says why.
    EXPECT_NE(e.ctrl->LookupStatus().find("101"), std::string::npos);
    e.press({vk::Oem3});
    EXPECT_EQ(e.pending().size(), 101u);
    EXPECT_EQ(e.pending().back(), U'a');
    e.press({vk::Back});
    EXPECT_TRUE(e.ctrl->LookupStatus().empty());
}

// Readings typed one after another are converted one at a time: nothing
// typed after the index digits is lost.
TEST_F(InputModeTest, ReadingsTypedInARowConvertOneAfterAnother)
{
    constexpr std::uint32_t kQi2 = 0x12000, kBi2 = 0x12001, kMa = 0x12002;
    e.dictionary.AddWord(2, Key("QI"), Signs({kQi2}));
    e.dictionary.AddWord(2, Key("BI"), Signs({kBi2}));
    e.dictionary.AddWord(1, Key("MA"), Signs({kMa}));
    e.type("QI2BI2MA");
    EXPECT_EQ(e.pending(), U"qi₂bi₂ma");
    EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(e.ctrl->selSignMode().currentWord()->Cells()[0], kQi2);
    EXPECT_EQ(e.press({vk::Return}), kInputModeId);
    EXPECT_EQ(e.pending(), U"bi₂ma");
    EXPECT_EQ(e.press({vk::Space, vk::Return}), kInputModeId);
    EXPECT_EQ(e.pending(), U"ma");
    EXPECT_EQ(e.press({vk::Space, vk::Return}), kNormalModeId);
    EXPECT_EQ(LineOf(e.doc(), 0), (std::u32string{kQi2, kBi2, kMa}));
    EXPECT_EQ(e.at(), (Position{0, 3}));
    EXPECT_TRUE(e.pending().empty());
    // Each sign with the reading it was typed as, each an undo step.
    EXPECT_EQ(e.undoCount(), 3u);
    e.data->undoList->Undo();
    EXPECT_EQ(LineOf(e.doc(), 0), (std::u32string{kQi2, kBi2}));

    // du₃ma: after du₃ goes in, ma is still pending; Enter then commits it
    // as Latin, so it is never dropped.
    ModeTestEditor f;
    f.data->alphabetMode = false;
    f.type("DU3MA");
    f.press({vk::Space, vk::Return});
    EXPECT_EQ(f.mode(), kInputModeId);
    EXPECT_EQ(f.pending(), U"ma");
    f.press({vk::Return});
    EXPECT_EQ(LineOf(f.doc(), 0), (std::u32string{test::kDu3, test::kDu3, U'm', U'a'}));
}

TEST_F(InputModeTest, OnlyUpTo18CharactersAreConverted)
{
    const std::string letters(18, 'A');
    e.dictionary.AddWord(1, Key(letters), Signs({0x12000}));
    e.type(letters);
    EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId);

    ModeTestEditor f;
    f.data->alphabetMode = false;
    f.dictionary.AddWord(1, Key(letters), Signs({0x12000}));
    f.type(letters + "A");
    EXPECT_EQ(f.press({vk::Space}), kInputModeId);
    f.press({vk::Back}); // back to 18
    EXPECT_EQ(f.press({vk::Space}), kSignSelectionModeId);
}

TEST_F(InputModeTest, BackspaceEscapeAndEnterLeaveAsTheyShould)
{
    e.type("A");
    EXPECT_EQ(e.press({vk::Back}), kNormalModeId);
    EXPECT_EQ(e.type("AB"), kInputModeId);
    EXPECT_EQ(e.press({vk::Escape}), kNormalModeId);
    EXPECT_EQ(e.doc().LineLength(0), 0u);
    EXPECT_EQ(e.undoCount(), 0u);

    e.doc() = test::MakeDocument({"xy"});
    e.cursor().setPosition({0, 1});
    e.type("LU3");
    EXPECT_EQ(e.press({vk::Return}), kNormalModeId);
    const auto cells = e.doc().Line(0).Cells();
    EXPECT_EQ(std::u32string(cells.begin(), cells.end()), U"xlu₃y");
    EXPECT_EQ(e.at(), (Position{0, 4}));
    EXPECT_TRUE(e.pending().empty());
    EXPECT_EQ(e.undoCount(), 1u);
    e.data->undoList->Undo();
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"xy"}));
}

// A click commits the text like Enter: with an undo record of its own, so
// that Ctrl+Z takes back this text and not an older edit.
TEST_F(InputModeTest, ClickCommitsWithAnUndoRecord)
{
    e.data->alphabetMode = true;
    e.type("Q");
    e.data->alphabetMode = false;
    e.type("AB");
    EXPECT_EQ(e.ctrl->RouteMouse(0), kNormalModeId);
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"qab"}));
    EXPECT_EQ(e.at(), (Position{0, 3}));
    e.ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc()), (test::Lines{"q"}));
    EXPECT_EQ(e.at(), (Position{0, 1}));
}

// Typed text the line has no room for is not lost: the user is told and the
// transliteration stays for editing.
TEST_F(InputModeTest, CommittedTextThatWouldMakeTheLineTooLongIsRefusedAndKept)
{
    e.fillLine(0, 997);
    e.cursor().setPosition({0, 997});
    e.type("AB");
    e.press({vk::Return});
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    EXPECT_TRUE(e.messages.empty());

    e.type("CA");
    EXPECT_EQ(e.ctrl->RouteMouse(0), kInputModeId);
    EXPECT_EQ(e.press({vk::Return}), kInputModeId);
    EXPECT_EQ(e.pending(), U"\u0161a");
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    EXPECT_EQ(e.undoCount(), 1u);
    ASSERT_EQ(e.messages.messages().size(), 2u);
    EXPECT_EQ(e.messages.messages()[0],
              (MessageRecorder::Message{&e.window, texts::kLineTooLongToInput, "エラー"}));

    // Nothing committed: nothing is taken back, however long the line.
    e.press({vk::Escape});
    e.fillLine(0, 300);
    e.type("D");
    e.press({vk::Escape});
    EXPECT_EQ(e.doc().LineLength(0), 1299u);
    EXPECT_EQ(e.undoCount(), 1u);
}

TEST_F(InputModeTest, PendingTextIsDrawnBlueAtTheCursorAndKeptInsideTheWindow)
{
    e.doc() = test::MakeDocument({"abc", "defg"});
    e.cursor().setPosition({1, 2});
    e.type("DU");
    auto pendingText = [&](std::size_t documentCells) {
        FakeSurface surface;
        e.ctrl->CurrentMode().OnPaint(surface);
        const auto outs = surface.recording().textOuts();
        EXPECT_EQ(outs.size(), documentCells + 2);
        return outs.back();
    };
    TextOutCall last = pendingText(7);
    EXPECT_EQ(last.x, 28 + 14);
    EXPECT_EQ(last.y, 50);
    EXPECT_EQ(last.color, kBlue);
    EXPECT_TRUE(last.transparent);

    e.scrollBar->Vertical().SetPosition(1);
    e.window.setClientSize(50, 200); // 28 + 28 > 50 - 5: pulled back
    last = pendingText(4);           // the second line only
    EXPECT_EQ(last.x, 50 - 28 + 14);
    EXPECT_EQ(last.y, 0);
    EXPECT_EQ(e.fonts.requests().size(), 2u); // the fonts were made once
}

} // namespace
} // namespace velmora
