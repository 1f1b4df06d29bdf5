// The readings signs were made from, kept beside the cells of a line: how
// they follow edits, undo and redo, and the clipboard.
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFUndoList.h"
#include "core/document/LineClipboard.h"
#include "core/document/RangeEdit.h"
#include "core/document/ReadingTable.h"

#include "tests/support/DocumentText.h"

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

using test::MakeDocument;

ReadingId R(const char* text)
{
    return ReadingTable::Intern(std::string_view(text));
}

// The readings of a document as "line:begin-end=reading", in order.
std::string ReadingsOf(const CFDocument& document)
{
    std::string out;
    for (std::uint32_t l = 0; l < document.LineCount(); ++l) {
        for (const ReadingSpan& span : document.Line(l).Readings()) {
            if (!out.empty())
                out += ' ';
            out += std::to_string(l) + ':' + std::to_string(span.begin) + '-' + std::to_string(span.end) + '='
                + ReadingTable::Text(span.reading);
        }
    }
    return out;
}

// "abcdefgh" with du₃ on c and the group reading a₄ on e and f.
CFDocument Sample()
{
    CFDocument document = MakeDocument({"abcdefgh"});
    document.SetReading(0, 2, 3, R("du₃"));
    document.SetReading(0, 4, 6, R("a₄"));
    return document;
}

TEST(ReadingsTest, ReadingsMoveWithTheirSignsAndAGroupReadingBrokenByAnEditGoes)
{
    EXPECT_EQ(ReadingTable::Intern(std::string_view("du₃")), R("du₃"));
    EXPECT_EQ(ReadingTable::Text(R("du₃")), "du₃");
    EXPECT_EQ(ReadingTable::Text(kNoReading), "");

    CFDocument d = Sample();
    EXPECT_EQ(ReadingsOf(d), "0:2-3=du₃ 0:4-6=a₄");
    EXPECT_EQ(d.Line(0).ReadingAt(5)->reading, R("a₄"));
    EXPECT_FALSE(d.Line(0).ReadingAt(3));

    // Cells inserted before a reading move it; between the signs of a group
    // they split it, and it no longer describes what is there.
    d.InsertCell(0, 0, 'x');
    EXPECT_EQ(ReadingsOf(d), "0:3-4=du₃ 0:5-7=a₄");
    d.InsertCell(0, 6, 'y');
    EXPECT_EQ(ReadingsOf(d), "0:3-4=du₃");

    // Erasing takes a reading with its sign, and a group erased in part.
    d = Sample();
    d.EraseCells(0, 0, 2);
    EXPECT_EQ(ReadingsOf(d), "0:0-1=du₃ 0:2-4=a₄");
    d.EraseCell(0, 3);
    EXPECT_EQ(ReadingsOf(d), "0:0-1=du₃");
    d.EraseCell(0, 0);
    EXPECT_FALSE(d.Line(0).HasReadings()); // the side table goes with the last one
    EXPECT_FALSE(d.HasReadings());

    // Copies carry the readings that lie wholly inside what is copied, also
    // across lines and between documents; a line split inside a group
    // drops it.
    d = Sample();
    EXPECT_EQ(ReadingsOf(CopyRange(d, {0, 2}, {0, 5})), "0:0-1=du₃");
    EXPECT_EQ(ReadingsOf(CopyRange(d, {0, 1}, {0, 6})), "0:1-2=du₃ 0:3-5=a₄");
    CFDocument other = MakeDocument({"12", "34"});
    InsertText(other, {1, 1}, CopyRange(d, {0, 2}, {0, 8}));
    EXPECT_EQ(ReadingsOf(other), "1:1-2=du₃ 1:3-5=a₄");
    InsertText(d, {0, 5}, MakeDocument({"", ""}));
    EXPECT_EQ(ReadingsOf(d), "0:2-3=du₃");
    d = Sample();
    EraseRange(d, {0, 3}, {0, 3});
    d.AppendCells(0, 0, 2, 6);
    EXPECT_EQ(ReadingsOf(d), "0:2-3=du₃ 0:4-6=a₄ 0:8-9=du₃ 0:10-12=a₄");

    // A line is a value: a copy has readings of its own, and readings
    // count when lines are compared.
    const CFDocument sample = Sample();
    CFDocument copy = sample;
    copy.SetReading(0, 2, 3, R("kak"));
    EXPECT_EQ(ReadingsOf(sample), "0:2-3=du₃ 0:4-6=a₄");
    EXPECT_NE(copy, sample);
    copy.SetReading(0, 2, 3, R("du₃"));
    EXPECT_EQ(copy, sample);
    // Setting a reading replaces those it overlaps.
    copy.SetReading(0, 3, 5, R("|A.AN|"));
    EXPECT_EQ(ReadingsOf(copy), "0:2-3=du₃ 0:3-5=|A.AN|");
}

TEST(ReadingsTest, UndoAndRedoGiveBackTheReadingsOfEveryEdit)
{
    CFDocument d = Sample();
    d.InsertLine(1);
    const std::uint32_t jk[] = {'j', 'k'};
    d.InsertCells(2, 1, 0, jk);
    d.SetReading(1, 0, 2, R("|A.AN|"));
    const CFDocument before = d;
    auto cursor = boost::make_shared<CCursor>(d, nullptr);
    CFUndoList undo(nullptr, d, cursor);

    // Deleting from inside the group to inside the next line's group: the
    // readings of the deleted text, and both groups broken, come back.
    undo.ReplaceRange({0, 5}, {1, 1}, MakeDocument({"z"}));
    EXPECT_EQ(ReadingsOf(d), "0:2-3=du₃");
    const CFDocument after = d;
    undo.Undo();
    EXPECT_EQ(d, before);
    undo.Redo();
    EXPECT_EQ(d, after);
    undo.Undo();

    // Text typed between the signs of a group: the group goes, and comes
    // back with Undo.
    undo.ReplaceRange({0, 5}, {0, 5}, MakeDocument({"q"}));
    EXPECT_EQ(ReadingsOf(d), "0:2-3=du₃ 1:0-2=|A.AN|");
    undo.Undo();
    EXPECT_EQ(d, before);

    // A text with readings put in by a replacement: Redo brings them again.
    undo.ReplaceRange({0, 0}, {0, 1}, TextOfCells(std::vector<std::uint32_t>{0x12195}, R("du₃")));
    EXPECT_EQ(ReadingsOf(d), "0:0-1=du₃ 0:2-3=du₃ 0:4-6=a₄ 1:0-2=|A.AN|");
    undo.Undo();
    EXPECT_EQ(d, before);
    undo.Redo();
    EXPECT_EQ(ReadingsOf(d), "0:0-1=du₃ 0:2-3=du₃ 0:4-6=a₄ 1:0-2=|A.AN|");
}

TEST(ReadingsTest, TheClipboardCarriesReadingsOnlyToTheTextTheyBelongTo)
{
    CFDocument d = Sample();
    d.InsertLine(1);
    d.InsertCell(1, 0, 0x12000);
    d.SetReading(1, 0, 1, R("a"));
    const CFDocument text = CopyRange(d, {0, 1}, {1, 1});
    const std::u16string units = EncodeClipboardText(text);
    const std::string data = EncodeClipboardReadings(text);

    // What a paste in the editor reads back: the same text and readings.
    CFDocument pasted = DecodeClipboardText(units);
    EXPECT_TRUE(DecodeClipboardReadings(data, pasted));
    EXPECT_EQ(pasted, text);
    EXPECT_EQ(ReadingsOf(pasted), "0:1-2=du₃ 0:3-5=a₄ 1:0-1=a");

    // Another text (the clipboard changed under the data), data that is
    // not the editor's or is cut off: no readings at all.
    CFDocument changed = DecodeClipboardText(u"bcdefgX\r\n\U00012000");
    EXPECT_FALSE(DecodeClipboardReadings(data, changed));
    EXPECT_FALSE(changed.HasReadings());
    for (const std::string& bad : {std::string("plain text"), data.substr(0, data.size() - 3),
                                   data + "0 0 99 0\n", data + "r \n0 0 1 3\n"}) {
        CFDocument again = DecodeClipboardText(units);
        EXPECT_FALSE(DecodeClipboardReadings(bad, again)) << bad;
        EXPECT_FALSE(again.HasReadings());
    }
    // A text without readings has no data to go with it.
    EXPECT_EQ(EncodeClipboardReadings(MakeDocument({"abc"})), "");
}

} // namespace
} // namespace velmora
