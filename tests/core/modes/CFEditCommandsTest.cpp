#include "core/modes/CFEditCommands.h"
#include "platform/UserTexts.h"
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

using Message = MessageRecorder::Message;

// The editing commands driven by keys, as the editor widget sends them,
// through the mode controller into the editing state.
class EditCommandsTest : public ::testing::Test {
protected:
    void load(const Lines& lines) { e.doc() = MakeDocument(lines); }
    void at(std::uint32_t line, std::uint32_t column) { e.cursor().setPosition({line, column}); }
    void shiftPress(std::initializer_list<std::uint32_t> keys)
    {
        e.keyboard.setShift(true);
        e.press(keys);
        e.keyboard.setShift(false);
    }
    int ctrlShiftPress(std::uint32_t key) { return e.ctrlPress(key, true); }
    std::pair<Position, Position> selection() const { return {e.selectionStart(), e.selectionEnd()}; }

    ModeTestEditor e;
};

TEST_F(EditCommandsTest, HomeEndAndTheirCtrlFormsStopAtLineAndDocumentEnds)
{
    load({"a-na be-li2-ia", "", "qi2-bi2-ma"});
    at(0, 5);
    e.press({vk::End});
    EXPECT_EQ(e.at(), (Position{0, 14}));
    e.press({vk::End});
    EXPECT_EQ(e.at(), (Position{0, 14}));
    e.press({vk::Home, vk::Home});
    EXPECT_EQ(e.at(), (Position{0, 0}));
    e.ctrlPress(vk::End);
    EXPECT_EQ(e.at(), (Position{2, 10}));
    e.ctrlPress(vk::End);
    EXPECT_EQ(e.at(), (Position{2, 10}));
    e.ctrlPress(vk::Home);
    EXPECT_EQ(e.at(), (Position{0, 0}));
    at(1, 0);
    e.press({vk::End, vk::Home});
    EXPECT_EQ(e.at(), (Position{1, 0}));

    // With Shift the selection grows from where the cursor was.
    at(0, 5);
    shiftPress({vk::End});
    EXPECT_EQ(selection(), std::pair(Position{0, 5}, Position{0, 14}));
    e.ctrlPress(vk::End, true);
    EXPECT_EQ(selection(), std::pair(Position{0, 5}, Position{2, 10}));
    shiftPress({vk::Home});
    EXPECT_EQ(selection(), std::pair(Position{0, 5}, Position{2, 0}));
    e.ctrlPress(vk::Home, true);
    EXPECT_EQ(selection(), std::pair(Position{0, 0}, Position{0, 5}));
    e.press({vk::End});
    EXPECT_FALSE(e.selecting());
}

TEST_F(EditCommandsTest, CtrlArrowsMoveBySpaceSeparatedWordsOverLineEnds)
{
    load({"i-nu an-um  si-ru-um", "lugal"});
    const Position right[] = {{0, 5}, {0, 12}, {0, 20}, {1, 0}, {1, 5}, {1, 5}};
    for (const Position& p : right) {
        e.ctrlPress(vk::Right);
        EXPECT_EQ(e.at(), p);
    }
    const Position left[] = {{1, 0}, {0, 20}, {0, 12}, {0, 5}, {0, 0}, {0, 0}};
    for (const Position& p : left) {
        e.ctrlPress(vk::Left);
        EXPECT_EQ(e.at(), p);
    }
    at(0, 14); // inside a word: to its start
    e.ctrlPress(vk::Left, true);
    e.ctrlPress(vk::Left, true);
    EXPECT_EQ(selection(), std::pair(Position{0, 5}, Position{0, 14}));
}

TEST_F(EditCommandsTest, PageKeysMoveByTheRowsShownAndScrollTheViewAsFar)
{
    Lines lines(100, "ab");
    lines[12] = "";
    load(lines);
    e.scrollBar->UpdatePage(13, 100); // 12 whole rows and a part
    at(0, 2);
    e.press({vk::Next});
    EXPECT_EQ(e.at(), (Position{12, 0}));
    EXPECT_EQ(e.scrollBar->TopLine(), 12u);
    e.press({vk::Next});
    EXPECT_EQ(e.at(), (Position{24, 0}));
    shiftPress({vk::Prior});
    EXPECT_EQ(selection(), std::pair(Position{12, 0}, Position{24, 0}));
    EXPECT_EQ(e.scrollBar->TopLine(), 12u);
    e.press({vk::Prior, vk::Prior});
    EXPECT_EQ(e.at(), (Position{0, 0}));
    EXPECT_EQ(e.scrollBar->TopLine(), 0u);

    // At the end the cursor stops on the last line and the view on the
    // last full page.
    at(95, 1);
    e.scrollBar->Vertical().SetPosition(80);
    e.press({vk::Next, vk::Next});
    EXPECT_EQ(e.at(), (Position{99, 1}));
    EXPECT_EQ(e.scrollBar->TopLine(), 88u);
}

TEST_F(EditCommandsTest, SelectAllCoversTheDocumentForCopyAndDelete)
{
    load({"um-ma", "", "a-bi-ka"});
    at(1, 0);
    e.ctrlPress('A');
    EXPECT_EQ(selection(), std::pair(Position{0, 0}, Position{2, 7}));
    EXPECT_EQ(e.at(), (Position{2, 7}));
    e.ctrlPress('C');
    EXPECT_EQ(*e.clipboard.content(), u"um-ma\r\n\r\na-bi-ka");
    e.press({vk::Delete});
    EXPECT_EQ(TextOf(e.doc()), Lines{""});
    e.ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc()), (Lines{"um-ma", "", "a-bi-ka"}));
    EXPECT_EQ(e.at(), (Position{0, 0}));
}

// Every command the user sees as one is one step back and one step forward.
TEST_F(EditCommandsTest, UndoAndRedoWalkTheHistoryOneCommandAtATime)
{
    std::vector<Lines> states{TextOf(e.doc())};
    std::vector<Position> cursors{e.at()};
    const auto done = [&] {
        states.push_back(TextOf(e.doc()));
        cursors.push_back(e.at());
    };
    e.type("A");
    done();
    e.press({vk::Return});
    done();
    e.clipboard.setText(u"be-li\r\nqi-bi-ma\r\n");
    e.ctrlPress('V');
    done();
    shiftPress({vk::Up, vk::Up});
    e.ctrlPress('X');
    done();
    e.data->alphabetMode = false;
    e.type("DU3");
    e.press({vk::Space, vk::Return});
    done();
    ASSERT_EQ(e.undoCount(), 5u);

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        e.ctrlPress('Z');
        EXPECT_EQ(TextOf(e.doc()), states[i - 1]) << i;
    }
    e.ctrlPress('Z'); // nothing left
    EXPECT_EQ(TextOf(e.doc()), states[0]);
    for (std::size_t i = 1; i < states.size(); ++i) {
        i % 2 ? e.ctrlPress('Y') : ctrlShiftPress('Z');
        EXPECT_EQ(TextOf(e.doc()), states[i]) << i;
        EXPECT_EQ(e.at(), cursors[i]) << i;
    }

    // A new edit after an undo forgets what was undone.
    e.ctrlPress('Z');
    e.data->alphabetMode = true;
    e.type("Q");
    e.ctrlPress('Y');
    EXPECT_EQ(e.undoCount(), 5u);
    EXPECT_EQ(e.data->undoList->redoCount(), 0u);
}

TEST_F(EditCommandsTest, TheHistoryKeepsTheNewest256Commands)
{
    for (int i = 0; i < 300; ++i)
        e.type("A");
    for (int i = 0; i < 257; ++i)
        e.ctrlPress('Z');
    EXPECT_EQ(e.doc().LineLength(0), 44u);
    for (int i = 0; i < 257; ++i)
        e.ctrlPress('Y');
    EXPECT_EQ(e.doc().LineLength(0), 300u);
    EXPECT_EQ(e.at(), (Position{0, 300}));
}

// The line limit counts the line breaks of the text pasted, wherever it was
// copied, and is reached, not passed.
TEST_F(EditCommandsTest, PasteCountsItsOwnLineBreaksAgainstTheLineLimit)
{
    e.doc().InsertLines(1, 59998); // 59999 lines
    e.clipboard.setText(u"a\r\nb");
    e.ctrlPress('V');
    EXPECT_EQ(e.doc().LineCount(), 60000u);
    EXPECT_TRUE(e.messages.empty());
    e.ctrlPress('V');
    EXPECT_EQ(e.doc().LineCount(), 60000u);
    EXPECT_EQ(e.messages.messages().at(0),
              (Message{&e.window, texts::kTooManyLinesToPaste, texts::kErrorCaption}));
    // Text without a line break still goes into the full document.
    e.clipboard.setText(u"lugal");
    e.ctrlPress('V');
    EXPECT_EQ(e.doc().LineLength(1), 6u);
    EXPECT_EQ(e.undoCount(), 2u);
}

TEST_F(EditCommandsTest, OneLineFieldsTakePastesWithoutLineBreaks)
{
    ModeTestEditor field(1);
    field.clipboard.setText(u"an-um");
    field.ctrlPress('V');
    EXPECT_EQ(TextOf(field.doc()), Lines{"an-um"});
    EXPECT_TRUE(field.messages.empty());
    field.clipboard.setText(u"a\r\nb");
    field.ctrlPress('V');
    EXPECT_EQ(TextOf(field.doc()), Lines{"an-um"});
    EXPECT_EQ(field.messages.messages().at(0).text, texts::kTooManyLinesToPaste);
}

// A paste is never shortened: a text that does not fit goes in whole or not
// at all.
TEST_F(EditCommandsTest, APasteThatWouldMakeALineTooLongIsRefusedWhole)
{
    load({std::string(990, 'x'), "y"});
    at(0, 990);
    e.clipboard.setText(std::u16string(9, u'z'));
    e.ctrlPress('V');
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    e.clipboard.setText(u"z");
    e.ctrlPress('V');
    // Only the middle line of this one is too long.
    at(1, 0);
    e.clipboard.setText(u"a\r\n" + std::u16string(1000, u'b') + u"\r\nc");
    e.ctrlPress('V');
    EXPECT_EQ(TextOf(e.doc())[1], "y");
    EXPECT_EQ(e.doc().LineCount(), 2u);
    ASSERT_EQ(e.messages.messages().size(), 2u);
    EXPECT_EQ(e.messages.messages()[1],
              (Message{&e.window, texts::kLineTooLongToPaste, texts::kErrorCaption}));
    EXPECT_EQ(e.undoCount(), 1u);

    e.clipboard.setNoText();
    e.ctrlPress('V');
    EXPECT_EQ(e.messages.messages().back(),
              (Message{&e.window, texts::kNotUnicodeText, texts::kFailureCaption}));
}

TEST_F(EditCommandsTest, DeletingASelectionThatWouldJoinTooLongALineIsRefused)
{
    load({std::string(999, 'a'), std::string(999, 'b')});
    e.data->selection->Extend(0, 500);
    e.data->selection->Extend(1, 100);
    e.ctrlPress('X');
    e.press({vk::Back});
    CFEditCommands(*e.data).DeleteSelection();
    EXPECT_EQ(e.doc().LineCount(), 2u);
    EXPECT_EQ(e.clipboard.putCount(), 0);
    EXPECT_EQ(e.messages.messages().size(), 3u);
    EXPECT_EQ(e.messages.messages()[0].text, texts::kLineTooLongToDelete);
    EXPECT_EQ(e.undoCount(), 0u);
    // A selection whose ends join short enough goes.
    e.data->selection->Extend(1, 900);
    e.ctrlPress('X');
    EXPECT_EQ(TextOf(e.doc()), Lines{std::string(500, 'a') + std::string(99, 'b')});
    EXPECT_EQ(e.clipboard.content()->size(), 499u + 2 + 900);
}

TEST_F(EditCommandsTest, TheSettingSwitchesUnlessLockedAndResetsTheSelection)
{
    CFEditCommands commands(*e.data);
    e.data->selection->Extend(0, 0);
    EXPECT_TRUE(commands.ToggleAlphabetMode());
    EXPECT_FALSE(e.data->alphabetMode);
    EXPECT_FALSE(e.selecting());
    EXPECT_FALSE(commands.SetAlphabetMode(false));
    e.ctrlPress(vk::Space);
    EXPECT_TRUE(e.data->alphabetMode);

    e.data->alphabetLock = true;
    EXPECT_FALSE(commands.ToggleAlphabetMode());
    EXPECT_FALSE(commands.SetAlphabetMode(false));
    EXPECT_TRUE(e.data->alphabetMode);
}

// Convert Transliteration, on a letter typed in the "Alphabet" setting
// with ASCII index digits.
TEST_F(EditCommandsTest, ConvertTransliterationConvertsTheSelectionOrTheLineAsOneStep)
{
    constexpr std::uint32_t A = 0x12000, NA = 0x1223E, BAD = 0x12041, NI = 0x1224C, IA = 0x12140,
                            KI = 0x121A0, NE = 0x12248, MA = 0x12220, UM = 0x1231D, LUGAL = 0x12217;
    const auto line = [&](std::uint32_t n) {
        const auto cells = e.doc().Line(n).Cells();
        return std::u32string(cells.begin(), cells.end());
    };
    load({"a-na be-li2-ia", "qi2-bi2-ma", "um-ma lugal-ma"});

    // No selection: the cursor's line.
    at(1, 3);
    EXPECT_TRUE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(line(1), (std::u32string{KI, NE, MA}));
    EXPECT_EQ(e.at(), (Position{1, 3}));
    EXPECT_EQ(e.undoCount(), 1u);
    EXPECT_TRUE(e.messages.empty());

    // A selection over two lines, from inside the first: the spaces around
    // the words stay, the lines stay apart, cuneiform already there stays.
    at(0, 4);
    shiftPress({vk::Down, vk::Down, vk::Right, vk::Right});
    ASSERT_EQ(selection(), std::pair(Position{0, 4}, Position{2, 5}));
    EXPECT_TRUE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(line(0), (std::u32string{'a', '-', 'n', 'a', ' ', BAD, NI, IA}));
    EXPECT_EQ(line(1), (std::u32string{KI, NE, MA}));
    EXPECT_EQ(line(2), (std::u32string{UM, MA, ' ', 'l', 'u', 'g', 'a', 'l', '-', 'm', 'a'}));
    EXPECT_EQ(e.undoCount(), 2u);
    EXPECT_FALSE(e.selecting());
    e.ctrlPress('Z');
    EXPECT_EQ(TextOf(e.doc())[0], "a-na be-li2-ia");
    EXPECT_EQ(line(1), (std::u32string{KI, NE, MA}));
    e.ctrlPress('Y');

    // Converting converted text changes nothing and records nothing.
    at(1, 0);
    EXPECT_FALSE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(e.undoCount(), 2u);

    // A reading without a sign stays in Latin, and the user is told which.
    load({"a-na qqq lugal"});
    at(0, 0);
    EXPECT_TRUE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(line(0), (std::u32string{A, NA, ' ', 'q', 'q', 'q', ' ', LUGAL}));
    EXPECT_EQ(
        e.messages.messages(),
        (std::vector<Message>{{&e.window, "1 個の読みを変換できませんでした。\n1 行目: qqq", "Velmora"}}));

    // Many: the first ten with their lines, then how many more.
    e.messages.clear();
    Lines many;
    for (int i = 0; i < 6; ++i)
        many.push_back("lugal xa" + std::to_string(i) + " xb" + std::to_string(i));
    load(many);
    CFEditCommands(*e.data).SelectAll();
    EXPECT_TRUE(CFEditCommands(*e.data).ConvertTransliteration());
    ASSERT_EQ(e.messages.messages().size(), 1u);
    EXPECT_EQ(e.messages.messages()[0].text,
              "12 個の読みを変換できませんでした。\n"
              "1 行目: xa0\n1 行目: xb0\n2 行目: xa1\n2 行目: xb1\n"
              "3 行目: xa2\n3 行目: xb2\n4 行目: xa3\n4 行目: xb3\n"
              "5 行目: xa4\n5 行目: xb4\nほか 2 個");
}

TEST_F(EditCommandsTest, AConversionThatWouldMakeALineTooLongIsRefused)
{
    // "au" is six signs; the line would pass 999 cells.
    load({std::string(995, 'x') + " au"});
    at(0, 996);
    shiftPress({vk::End});
    EXPECT_FALSE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(TextOf(e.doc())[0], std::string(995, 'x') + " au");
    EXPECT_EQ(e.undoCount(), 0u);
    EXPECT_EQ(e.messages.messages(),
              (std::vector<Message>{{&e.window, texts::kLineTooLongToConvert, texts::kErrorCaption}}));
}

} // namespace
} // namespace velmora
