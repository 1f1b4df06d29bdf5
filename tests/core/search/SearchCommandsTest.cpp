#include "core/search/SearchCommands.h"
#include "core/document/CCursor.h"
#include "core/document/CFSelectedText.h"
#include "core/document/CFUndoList.h"
#include "core/document/ReadingTable.h"
#include "core/search/SearchTarget.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "platform/UserTexts.h"
#include "tests/support/DocumentText.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/RecordingScrollSink.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::TextOf;

CFLine Word(const std::string& text)
{
    CFLine line;
    for (char c : text)
        line.InsertCell(line.Length(), static_cast<unsigned char>(c));
    return line;
}

// A main editor with a window, scroll state and fonts, and a search window.
class SearchCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { scrollBar->InitVertical(), scrollBar->InitHorizontal(); }

    Position Cursor() const { return cursor->position(); }

    FakeWindow editorWindow{{0, 0, 400, 300}};
    FakeWindow searchWindow;
    RecordingScrollSink sink;
    FakeFontFactory fontFactory;
    MemorySettings settings;
    CFSignFont signFont{fontFactory, settings};
    MessageRecorder messages;
    CFDocument document = MakeDocument({"abcab", "", "xabx"});
    boost::shared_ptr<CFScrollBar> scrollBar = boost::make_shared<CFScrollBar>(&editorWindow, &sink);
    boost::shared_ptr<CCursor> cursor = boost::make_shared<CCursor>(document, scrollBar);
    CFSelectedText selection{&editorWindow, document};
    CFUndoList undo{&editorWindow, document, cursor};
    SearchTarget target{document, selection, *cursor, *scrollBar, signFont, undo, &editorWindow};
};

TEST_F(SearchCommandsTest, AHitSelectsTheMatchMovesTheCursorAndReturnsTheFocus)
{
    ASSERT_TRUE(FindFromTop(target, Word("ab"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{0, 0}));
    EXPECT_TRUE(selection.active());
    EXPECT_EQ(selection.start(), (Position{0, 0}));
    EXPECT_EQ(selection.end(), (Position{0, 2}));
    EXPECT_EQ(editorWindow.invalidations(), 1);
    EXPECT_EQ(searchWindow.focusRequests(), 1);

    ASSERT_TRUE(FindNext(target, Word("ab"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{0, 3}));
    ASSERT_TRUE(FindNext(target, Word("ab"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{2, 1}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchCommandsTest, NextPreviousAndReplaceWrapAroundTheDocumentAndSaySo)
{
    cursor->setPosition({2, 1}); // on the last occurrence
    SearchResult result = FindNext(target, Word("ab"), &searchWindow, messages);
    EXPECT_TRUE(result.found && result.wrapped);
    EXPECT_EQ(Cursor(), (Position{0, 0}));
    result = FindNext(target, Word("ab"), &searchWindow, messages);
    EXPECT_TRUE(result.found && !result.wrapped);
    EXPECT_EQ(Cursor(), (Position{0, 3}));

    result = FindPrevious(target, Word("ab"), &searchWindow, messages);
    EXPECT_TRUE(result.found && !result.wrapped);
    EXPECT_EQ(Cursor(), (Position{0, 0}));
    result = FindPrevious(target, Word("ab"), &searchWindow, messages);
    EXPECT_TRUE(result.found && result.wrapped);
    EXPECT_EQ(Cursor(), (Position{2, 1}));

    // The only occurrence is found again, round the end.
    cursor->setPosition({0, 2});
    result = FindNext(target, Word("c"), &searchWindow, messages);
    EXPECT_TRUE(result.found && result.wrapped);
    EXPECT_EQ(Cursor(), (Position{0, 2}));
    // From the very end of the document.
    cursor->setPosition({2, 4});
    EXPECT_EQ(FindNext(target, Word("x"), &searchWindow, messages).wrapped, true);
    EXPECT_EQ(Cursor(), (Position{2, 0}));

    // Replace goes round the end as well.
    cursor->setPosition({2, 3});
    result = ReplaceNext(target, Word("ab"), Word("X"), &searchWindow, messages);
    EXPECT_TRUE(result.found && result.wrapped);
    EXPECT_EQ(TextOf(document), (Lines{"Xcab", "", "xabx"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SearchCommandsTest, AWordThatOccursNowhereIsToldAndMovesNothing)
{
    cursor->setPosition({2, 1});
    EXPECT_FALSE(FindNext(target, Word("zz"), &searchWindow, messages));
    EXPECT_FALSE(FindFromTop(target, Word("zz"), nullptr, messages));
    EXPECT_FALSE(FindPrevious(target, Word("zz"), &searchWindow, messages));
    EXPECT_FALSE(ReplaceNext(target, Word("zz"), Word("y"), &searchWindow, messages));
    ASSERT_EQ(messages.messages().size(), 4u);
    EXPECT_EQ(messages.messages()[0],
              (MessageRecorder::Message{&searchWindow, "「zz」は見つかりませんでした。",
                                        texts::kSearchFinishedCaption}));
    EXPECT_EQ(messages.messages()[1].owner, nullptr);
    EXPECT_EQ(messages.messages()[3].text, messages.messages()[0].text);
    // A long word is cut short in the message.
    EXPECT_FALSE(FindNext(target, Word(std::string(40, 'q')), &searchWindow, messages));
    EXPECT_EQ(messages.messages()[4].text, "「" + std::string(30, 'q') + "…」は見つかりませんでした。");
    EXPECT_EQ(Cursor(), (Position{2, 1}));
    EXPECT_FALSE(selection.active());
    EXPECT_EQ(TextOf(document), (Lines{"abcab", "", "xabx"}));
    EXPECT_EQ(editorWindow.invalidations(), 0);
}

TEST_F(SearchCommandsTest, FindPreviousFromTheStartOfALineContinuesAboveTheEmptyLine)
{
    cursor->setPosition({2, 0});
    ASSERT_TRUE(FindPrevious(target, Word("ab"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{0, 3}));
    ASSERT_TRUE(FindPrevious(target, Word("ab"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{0, 0}));
}

TEST_F(SearchCommandsTest, ReplaceNextReplacesFromTheCursorCellAndCanBeUndone)
{
    cursor->setPosition({0, 1}); // inside the first occurrence: the next one is replaced
    ASSERT_TRUE(ReplaceNext(target, Word("ab"), Word("XYZ"), &searchWindow, messages));
    EXPECT_EQ(TextOf(document), (Lines{"abcXYZ", "", "xabx"}));
    EXPECT_EQ(selection.start(), (Position{0, 3}));
    EXPECT_EQ(selection.end(), (Position{0, 6}));
    EXPECT_EQ(Cursor(), (Position{0, 3}));

    // An empty replacement deletes the occurrence and leaves an empty selection.
    ASSERT_TRUE(ReplaceNext(target, Word("ab"), Word(""), &searchWindow, messages));
    EXPECT_EQ(TextOf(document), (Lines{"abcXYZ", "", "xx"}));
    EXPECT_EQ(selection.start(), selection.end());

    // Undo takes each replacement back in one step, newest first.
    EXPECT_EQ(undo.count(), 2u);
    undo.Undo();
    EXPECT_EQ(TextOf(document), (Lines{"abcXYZ", "", "xabx"}));
    undo.Undo();
    EXPECT_EQ(TextOf(document), (Lines{"abcab", "", "xabx"}));
    undo.Redo();
    EXPECT_EQ(TextOf(document), (Lines{"abcXYZ", "", "xabx"}));
}

TEST_F(SearchCommandsTest, ReplaceAllReplacesEveryOccurrenceAsOneStepAndCountsThem)
{
    document = MakeDocument({"a-na be-li-ia", "um-ma", "", "qi-bi-ma --"});
    cursor->setPosition({3, 10});
    EXPECT_EQ(ReplaceAll(target, Word("-"), Word("--"), &searchWindow, messages), 8u);
    EXPECT_EQ(TextOf(document), (Lines{"a--na be--li--ia", "um--ma", "", "qi--bi--ma ----"}));
    EXPECT_EQ(messages.messages().back(),
              (MessageRecorder::Message{&searchWindow, "8 個置換しました。", "Velmora"}));
    EXPECT_EQ(searchWindow.focusRequests(), 1);
    EXPECT_GT(editorWindow.invalidations(), 0);
    EXPECT_EQ(Cursor(), (Position{3, 10}));
    EXPECT_FALSE(selection.active());
    EXPECT_EQ(undo.count(), 1u);
    undo.Undo();
    EXPECT_EQ(TextOf(document), (Lines{"a-na be-li-ia", "um-ma", "", "qi-bi-ma --"}));
    undo.Redo();
    EXPECT_EQ(TextOf(document)[3], "qi--bi--ma ----");

    // Occurrences do not overlap: each scan goes on after the one replaced.
    document = MakeDocument({"aaaaa"});
    cursor->setPosition({0, 0});
    undo.Clear();
    EXPECT_EQ(ReplaceAll(target, Word("aa"), Word("b"), &searchWindow, messages), 2u);
    EXPECT_EQ(TextOf(document), (Lines{"bba"}));

    // None found, or an empty word: nothing changes, nothing is recorded.
    EXPECT_EQ(ReplaceAll(target, Word("zz"), Word("b"), &searchWindow, messages), 0u);
    EXPECT_EQ(ReplaceAll(target, Word(""), Word("b"), &searchWindow, messages), 0u);
    EXPECT_EQ(messages.messages().back().text, "0 個置換しました。");
    EXPECT_EQ(TextOf(document), (Lines{"bba"}));
    EXPECT_EQ(undo.count(), 1u);
}

TEST_F(SearchCommandsTest, AReplacementTypedAsTransliterationBringsItsReadingsAndOthersStay)
{
    const ReadingId du3 = ReadingTable::Intern(std::string_view("du₃"));
    const ReadingId kak = ReadingTable::Intern(std::string_view("KAK"));
    // "c" of the first line and "b" of the last were made from readings.
    document.SetReading(0, 2, 3, kak);
    document.SetReading(2, 2, 3, kak);
    CFLine replacement = Word("D");
    replacement.SetReading(0, 1, du3);
    const auto readings = [&](std::uint32_t line) {
        const auto spans = document.Line(line).Readings();
        return std::vector<ReadingSpan>(spans.begin(), spans.end());
    };

    ASSERT_TRUE(ReplaceNext(target, Word("ab"), replacement, &searchWindow, messages));
    EXPECT_EQ(readings(0), (std::vector<ReadingSpan>{{0, 1, du3}, {1, 2, kak}}));
    undo.Undo();
    EXPECT_EQ(readings(0), (std::vector<ReadingSpan>{{2, 3, kak}}));

    // Replace All rebuilds the lines it changes; the text between the
    // occurrences keeps its readings, and an occurrence that takes part of
    // a reading's signs takes the reading.
    EXPECT_EQ(ReplaceAll(target, Word("ab"), replacement, &searchWindow, messages), 3u);
    EXPECT_EQ(TextOf(document), (Lines{"DcD", "", "xDx"}));
    EXPECT_EQ(readings(0), (std::vector<ReadingSpan>{{0, 1, du3}, {1, 2, kak}, {2, 3, du3}}));
    EXPECT_EQ(readings(2), (std::vector<ReadingSpan>{{1, 2, du3}}));
    undo.Undo();
    EXPECT_EQ(readings(0), (std::vector<ReadingSpan>{{2, 3, kak}}));
    EXPECT_EQ(readings(2), (std::vector<ReadingSpan>{{2, 3, kak}}));
}

TEST_F(SearchCommandsTest, ReplaceAllRefusesWholeWhenAnyLineWouldPassTheLimit)
{
    document = MakeDocument({"xb", std::string(998, 'a') + "bb", "b"});
    EXPECT_EQ(ReplaceAll(target, Word("b"), Word("cc"), &searchWindow, messages), 0u);
    EXPECT_EQ(messages.messages().back().text, texts::kReplacementTooLong);
    EXPECT_EQ(TextOf(document)[0], "xb");
    EXPECT_EQ(undo.count(), 0u);
    // The limit is the one typing keeps: 999 cells, not 1000.
    document = MakeDocument({std::string(998, 'a') + "b"});
    EXPECT_EQ(ReplaceAll(target, Word("b"), Word("cc"), &searchWindow, messages), 0u);
    EXPECT_EQ(document.LineLength(0), 999u);
    EXPECT_EQ(ReplaceAll(target, Word("ab"), Word("cc"), &searchWindow, messages), 1u);
    EXPECT_EQ(document.LineLength(0), 999u);
    // A longer line read from a file may shrink.
    document = MakeDocument({std::string(1000, 'a') + "bb"});
    EXPECT_EQ(ReplaceAll(target, Word("bb"), Word("c"), &searchWindow, messages), 1u);
    EXPECT_EQ(document.LineLength(0), 1001u);
}

TEST_F(SearchCommandsTest, ReplaceNextRefusesALineBeyondTheLengthLimit)
{
    document = MakeDocument({std::string(998, 'a') + "b"});
    cursor->setPosition({0, 0});
    EXPECT_FALSE(ReplaceNext(target, Word("b"), Word("cc"), &searchWindow, messages));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, texts::kReplacementTooLong);
    EXPECT_EQ(document.LineLength(0), 999u);
    EXPECT_EQ(undo.count(), 0u);
    // A replacement of the same length fits.
    EXPECT_TRUE(ReplaceNext(target, Word("b"), Word("c"), &searchWindow, messages));
}

TEST_F(SearchCommandsTest, AHitIsShownWithTextAroundItNotAtTheViewsEdge)
{
    // The view shows 6 rows of 50 pixels and 400 pixels of Latin letters
    // 14 wide.
    Lines lines(200, "");
    lines[0] = "first";
    lines[149] = "needle needle";
    lines[151] = "needle";
    lines[160] = std::string(100, 'a') + "needle";
    document = MakeDocument(lines);
    ASSERT_TRUE(FindFromTop(target, Word("needle"), &searchWindow, messages));
    EXPECT_EQ(scrollBar->TopLine(), 146u); // in the middle
    // Already clear of the edges: the view stays.
    ASSERT_TRUE(FindNext(target, Word("needle"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{149, 7}));
    EXPECT_EQ(scrollBar->TopLine(), 146u);
    // Too near the last row shown: the middle again.
    ASSERT_TRUE(FindNext(target, Word("needle"), &searchWindow, messages));
    EXPECT_EQ(Cursor(), (Position{151, 0}));
    EXPECT_EQ(scrollBar->TopLine(), 148u);
    EXPECT_EQ(scrollBar->LeftOffset(), 0);
    // Far right: the match starts a quarter into the view.
    ASSERT_TRUE(FindNext(target, Word("needle"), &searchWindow, messages));
    EXPECT_EQ(scrollBar->LeftOffset(), 1400 - 100);
    // Near the top of the document the view goes no further than its start.
    ASSERT_TRUE(FindFromTop(target, Word("first"), &searchWindow, messages));
    EXPECT_EQ(scrollBar->TopLine(), 0u);
    EXPECT_EQ(scrollBar->LeftOffset(), 0);
}

} // namespace
} // namespace velmora
