#include "core/document/CFUndoList.h"
#include "core/document/CCursor.h"
#include "core/document/CFSelectedText.h"
#include "core/document/DocumentError.h"

#include "tests/support/DocumentText.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using test::Lines;
using test::MakeDocument;
using test::TextOf;
using test::ThrownCode;

constexpr Position P(std::uint32_t line, std::uint32_t column)
{
    return {line, column};
}

// A document with its cursor, selection and undo list, edited the way the
// editing modes edit it: each edit recorded as the modes record it.
struct Editor {
    explicit Editor(const Lines& text)
        : document(MakeDocument(text))
        , cursor(boost::make_shared<CCursor>(document, nullptr))
        , selection(nullptr, document)
        , undo(nullptr, document, cursor)
    {
    }

    Position at() const { return cursor->position(); }

    void type(char c)
    {
        const auto [l, col] = at();
        document.InsertCell(l, col, static_cast<unsigned char>(c));
        cursor->setPosition({l, col + 1});
        undo.RecordUndo(kInsertion, l, col, l, col + 1);
    }

    void enter()
    {
        const auto [l, col] = at();
        document.InsertLine(l + 1);
        const auto length = document.LineLength(l);
        document.AppendCells(l + 1, l, col, length);
        document.EraseCells(l, col, length);
        cursor->setPosition({l + 1, 0});
        undo.RecordUndo(kInsertion, l, col, l + 1, 0);
    }

    // Backspace at column 0 of a line after the first.
    void joinWithPrevious()
    {
        const auto l = at().line;
        const auto previous = document.LineLength(l - 1);
        undo.RecordUndo(kDeletion, l - 1, previous, l, 0);
        document.AppendCells(l - 1, l, 0, document.LineLength(l));
        document.EraseLine(l);
        cursor->setPosition({l - 1, previous});
    }

    void deleteRange(Position from, Position to)
    {
        selection.Reset();
        selection.Extend(from.line, from.column);
        selection.Extend(to.line, to.column);
        undo.RecordUndo(kDeletion, selection.start(), selection.end());
        selection.DeleteSelected();
        cursor->setPosition(selection.start());
        selection.Reset();
    }

    CFDocument document;
    boost::shared_ptr<CCursor> cursor;
    CFSelectedText selection;
    CFUndoList undo;
};

TEST(CFUndoList, UndoOnAnEmptyListChangesNothing)
{
    Editor e({"abc", "de"});
    e.cursor->setPosition({1, 1});
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abc", "de"}));
    EXPECT_EQ(e.at(), P(1, 1));
    EXPECT_EQ(e.undo.count(), 0u);
}

TEST(CFUndoList, TypedCharactersAreTakenBackOneAtATime)
{
    Editor e({""});
    e.type('a');
    e.type('b');
    e.type('c');
    ASSERT_EQ(TextOf(e.document), Lines{"abc"});

    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{"ab"});
    EXPECT_EQ(e.at(), P(0, 2));
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{"a"});
    EXPECT_EQ(e.at(), P(0, 1));
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{""});
    EXPECT_EQ(e.at(), P(0, 0));
    EXPECT_EQ(e.undo.count(), 0u);
}

TEST(CFUndoList, SplitAndJoinUndoEachOther)
{
    Editor split({"abcd", "z"});
    split.cursor->setPosition({0, 2});
    split.enter();
    ASSERT_EQ(TextOf(split.document), (Lines{"ab", "cd", "z"}));
    split.undo.Undo();
    EXPECT_EQ(TextOf(split.document), (Lines{"abcd", "z"}));
    EXPECT_EQ(split.at(), P(0, 2));

    Editor join({"ab", "cd", "z"});
    join.cursor->setPosition({1, 0});
    join.joinWithPrevious();
    ASSERT_EQ(TextOf(join.document), (Lines{"abcd", "z"}));
    join.undo.Undo();
    EXPECT_EQ(TextOf(join.document), (Lines{"ab", "cd", "z"}));
    EXPECT_EQ(join.at(), P(0, 2)); // the end of the previous line
}

TEST(CFUndoList, DeletedTextIsSavedWhenRecordedAndPutBack)
{
    Editor e({"abc", "def", "ghi"});
    e.cursor->setPosition({2, 3});
    e.deleteRange(P(1, 2), P(0, 1)); // selected backwards
    ASSERT_EQ(TextOf(e.document), (Lines{"af", "ghi"}));
    ASSERT_EQ(e.at(), P(0, 1));

    e.cursor->setPosition({1, 3});
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abc", "def", "ghi"}));
    EXPECT_EQ(e.at(), P(0, 1)); // the selection's start
}

TEST(CFUndoList, MixedEditsAreTakenBackNewestFirst)
{
    const Lines original{"abc", "def", "ghi"};
    Editor e(original);
    e.cursor->setPosition({0, 3});
    e.type('x');
    e.enter();
    e.type('y');
    e.deleteRange(P(1, 1), P(3, 1));
    e.cursor->setPosition({1, 0});
    e.joinWithPrevious();
    e.type('z');
    ASSERT_EQ(TextOf(e.document), Lines{"abcxzyhi"});
    ASSERT_EQ(e.undo.count(), 6u);

    const Lines expected[] = {
        {"abcxyhi"},
        {"abcx", "yhi"},
        {"abcx", "y", "def", "ghi"},
        {"abcx", "", "def", "ghi"},
        {"abcx", "def", "ghi"},
        original,
    };
    for (const auto& text : expected) {
        e.undo.Undo();
        EXPECT_EQ(TextOf(e.document), text);
    }
    EXPECT_EQ(e.at(), P(0, 3));
    EXPECT_EQ(e.undo.count(), 0u);
}

TEST(CFUndoList, OnlyTheNewest256EditsAreKept)
{
    Editor e({""});
    std::string typed;
    for (int i = 0; i < 300; ++i) {
        const char c = static_cast<char>('a' + i % 26);
        e.type(c);
        typed.push_back(c);
    }
    EXPECT_EQ(e.undo.count(), CFUndoList::kMaxCommands);

    for (std::size_t i = 0; i < CFUndoList::kMaxCommands; ++i)
        e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{typed.substr(0, 44)});
    EXPECT_EQ(e.at(), P(0, 44));

    e.undo.Undo(); // the 257th: nothing left
    EXPECT_EQ(TextOf(e.document), Lines{typed.substr(0, 44)});
}

TEST(CFUndoList, UndoneStepsAreRedoneUntilANewEditIsRecorded)
{
    Editor e({"abc", "def", "ghi"});
    e.cursor->setPosition({0, 3});
    e.type('x');
    e.enter();
    e.deleteRange(P(1, 0), P(2, 2));
    e.cursor->setPosition({1, 0});
    e.joinWithPrevious();
    const Lines done = TextOf(e.document);
    ASSERT_EQ(done, (Lines{"abcxf", "ghi"}));

    while (e.undo.count() > 0)
        e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abc", "def", "ghi"}));
    EXPECT_EQ(e.undo.redoCount(), 4u);

    // Each redo leaves the cursor where the edit left it.
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abcx", "def", "ghi"}));
    EXPECT_EQ(e.at(), P(0, 4));
    e.undo.Redo();
    EXPECT_EQ(e.at(), P(1, 0));
    e.undo.Redo();
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), done);
    EXPECT_EQ(e.at(), P(0, 4));
    e.undo.Redo(); // nothing left to redo
    EXPECT_EQ(TextOf(e.document), done);

    // Undo and redo alternate freely; a new edit forgets what was undone.
    e.undo.Undo();
    e.undo.Undo();
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abcx", "f", "ghi"}));
    e.cursor->setPosition({1, 1});
    e.type('!');
    EXPECT_EQ(e.undo.redoCount(), 0u);
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), (Lines{"abcx", "f!", "ghi"}));
}

TEST(CFUndoList, AStepTakesItsRecordsBackAndForthTogether)
{
    Editor e({"a-na be-li2-ia", "qi2-bi2-ma"});
    e.cursor->setPosition({0, 14});
    e.type('!');
    {
        // A Replace All of "-" by "." as one step, among nested steps.
        const CFUndoList::Step all(e.undo);
        e.undo.ReplaceRange(P(0, 1), P(0, 2), MakeDocument({"."}));
        {
            const CFUndoList::Step inner(e.undo);
            e.undo.ReplaceRange(P(0, 7), P(0, 8), MakeDocument({"."}));
        }
        e.undo.ReplaceRange(P(1, 3), P(1, 4), MakeDocument({"."}));
    }
    // A replacement by several lines, and a deletion, are one step each.
    EXPECT_EQ(e.undo.ReplaceRange(P(1, 0), P(1, 3), MakeDocument({"x", "", "y"})), P(3, 1));
    e.undo.ReplaceRange(P(0, 0), P(2, 0), MakeDocument({""}));
    ASSERT_EQ(TextOf(e.document), (Lines{"", "y.bi2-ma"}));
    EXPECT_EQ(e.undo.count(), 4u);

    e.undo.Undo();
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"a.na be.li2-ia!", "qi2.bi2-ma"}));
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"a-na be-li2-ia!", "qi2-bi2-ma"}));
    EXPECT_EQ(e.at(), P(0, 1));
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), (Lines{"a.na be.li2-ia!", "qi2.bi2-ma"}));
    e.undo.Redo();
    e.undo.Redo();
    EXPECT_EQ(TextOf(e.document), (Lines{"", "y.bi2-ma"}));

    // An empty step records nothing and a record after it is a step of its
    // own.
    {
        const CFUndoList::Step nothing(e.undo);
    }
    e.cursor->setPosition({0, 0});
    e.type('z');
    EXPECT_EQ(e.undo.count(), 5u);
}

// The limit counts what the user did, not the records it took.
TEST(CFUndoList, TheLimitCountsStepsAndUndoneStepsCanAllBeRedone)
{
    Editor e({""});
    for (int i = 0; i < 300; ++i) {
        const CFUndoList::Step step(e.undo);
        e.type('a');
        e.type('b');
    }
    EXPECT_EQ(e.undo.count(), CFUndoList::kMaxCommands);
    std::string kept;
    for (int i = 0; i < 44; ++i)
        kept += "ab";
    while (e.undo.count() > 0)
        e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{kept});
    EXPECT_EQ(e.undo.redoCount(), CFUndoList::kMaxCommands);
    while (e.undo.redoCount() > 0)
        e.undo.Redo();
    EXPECT_EQ(e.document.LineLength(0), 600u);
    EXPECT_EQ(e.at(), P(0, 600));
}

TEST(CFUndoList, CommandsOfOtherKindsAreDroppedWithoutEffect)
{
    Editor e({"abc"});
    e.cursor->setPosition({0, 3});
    e.type('d');
    e.undo.RecordUndo(0, 0, 0, 0, 4);
    e.undo.RecordUndo(7, 0, 1, 0, 2);
    e.cursor->setPosition({0, 1});

    e.undo.Undo();
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), Lines{"abcd"});
    EXPECT_EQ(e.at(), P(0, 1));
    e.undo.Undo(); // the typed d, beneath them
    EXPECT_EQ(TextOf(e.document), Lines{"abc"});
    EXPECT_EQ(e.at(), P(0, 3));
}

TEST(CFUndoList, ClearForgetsEveryCommand)
{
    Editor e({""});
    e.type('a');
    e.enter();
    e.undo.Clear();
    EXPECT_EQ(e.undo.count(), 0u);
    e.undo.Undo();
    EXPECT_EQ(TextOf(e.document), (Lines{"a", ""}));
    EXPECT_EQ(e.at(), P(1, 0));
}

TEST(CFUndoList, CommandsThatNoLongerFitFailWithoutChangingTheDocument)
{
    Editor e({"abc", "def", "ghi"});
    e.deleteRange(P(1, 0), P(2, 3));
    e.cursor->setPosition({1, 0});
    e.type('x');
    e.type('y');
    ASSERT_EQ(e.undo.count(), 3u);

    // The document is replaced behind the list's back.
    e.document.Clear();
    e.cursor->setPosition({0, 0});

    // Each stale command is removed as it fails, so none blocks the next.
    for (std::size_t left = 3; left > 0; --left) {
        EXPECT_EQ(ThrownCode([&] { e.undo.Undo(); }), kErrPosition);
        EXPECT_EQ(TextOf(e.document), Lines{""});
        EXPECT_EQ(e.at(), P(0, 0));
        EXPECT_EQ(e.undo.count(), left - 1);
    }

    // A deletion whose range is not in the document cannot be recorded, and
    // the failed attempt does not push an older command out.
    for (int i = 0; i < 256; ++i)
        e.type('q');
    EXPECT_EQ(ThrownCode([&] { e.undo.RecordUndo(kDeletion, 0, 0, 3, 0); }), kErrPosition);
    EXPECT_EQ(e.undo.count(), CFUndoList::kMaxCommands);
}

} // namespace
} // namespace velmora
