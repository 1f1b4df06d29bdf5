#include "platform/UserTexts.h"
#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::kDu1;
using test::kDu2;
using test::kDu3;
using test::ModeTestEditor;

class SelSignModeTest : public ::testing::Test {
protected:
    SelSignModeTest() { e.data->alphabetMode = false; }

    // Types the keys and converts them.
    void convert(const std::string& keys)
    {
        e.type(keys);
        ASSERT_EQ(e.press({vk::Space}), kSignSelectionModeId);
    }
    std::int32_t index() { return e.ctrl->selSignMode().candidateIndex(); }
    std::uint32_t shown() { return e.data->candidates.CellAt(0); }

    ModeTestEditor e;
};

TEST_F(SelSignModeTest, TheRequestedNumberPicksTheFirstCandidate)
{
    convert("DU");
    EXPECT_EQ(index(), 0);
    EXPECT_EQ(shown(), kDu1);
    EXPECT_EQ(e.ctrl->selSignMode().candidateCount(), 3);
    e.press({vk::Back});           // back to input
    e.press({vk::Back, vk::Back}); // empty: normal mode

    convert("DU1");
    EXPECT_EQ(index(), 0);
    e.ctrl->RouteMouse(0);

    convert("DU3");
    EXPECT_EQ(index(), 2);
    EXPECT_EQ(e.data->candidates.Length(), 2u);
    EXPECT_EQ(shown(), kDu3);
    e.press({vk::Up});
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(shown(), kDu2);
    e.ctrl->RouteMouse(0);

    convert("DU7"); // no such number: the walk runs off the end
    EXPECT_EQ(index(), 0);
    EXPECT_EQ(shown(), kDu1);
}

TEST_F(SelSignModeTest, CyclingWrapsAtBothEnds)
{
    convert("DU");
    e.press({vk::Up});
    EXPECT_EQ(index(), 2);
    e.press({vk::Space});
    EXPECT_EQ(index(), 0);
    e.press({vk::Down, vk::Down});
    EXPECT_EQ(shown(), kDu3);
    e.press({vk::Down});
    EXPECT_EQ(shown(), kDu1);

    ModeTestEditor one;
    one.data->alphabetMode = false;
    one.type("LUGAL");
    one.press({vk::Space, vk::Space, vk::Up, vk::Down, 'A', vk::Return});
    EXPECT_EQ(one.mode(), kNormalModeId);
    ASSERT_EQ(one.doc().LineLength(0), 1u);
    EXPECT_EQ(one.doc().CellAt(0, 0), test::kLugal);
}

TEST_F(SelSignModeTest, BackspaceKeepsTheTextAndAFreshConversionStartsAgain)
{
    convert("DU");
    e.press({vk::Down, 'K'});
    EXPECT_EQ(e.press({vk::Back}), kInputModeId);
    EXPECT_EQ(e.pending(), U"du");
    EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(index(), 0);
}

TEST_F(SelSignModeTest, EnterAndClickAcceptTheShownCandidate)
{
    convert("DU");
    e.press({vk::Down, vk::Return});
    EXPECT_TRUE(e.pending().empty());
    EXPECT_EQ(e.data->currentWord->Cells()[0], kDu2);
    convert("DU");
    e.window.setPointer({700, 500}); // wherever the pointer is
    e.press({vk::Up});
    e.ctrl->RouteMouse(0);
    const auto cells = e.doc().Line(0).Cells();
    EXPECT_EQ(std::u32string(cells.begin(), cells.end()), (std::u32string{kDu2, kDu3, kDu3}));
    EXPECT_EQ(e.at(), (Position{0, 3}));
    EXPECT_EQ(e.undoCount(), 2u);
}

TEST_F(SelSignModeTest, CandidateIsDrawnBlueAtTheCursorWithoutPullBack)
{
    e.doc() = test::MakeDocument({"abc"});
    e.cursor().setPosition({0, 3});
    e.window.setClientSize(60, 200);
    convert("DU3");
    FakeSurface surface;
    e.ctrl->CurrentMode().OnPaint(surface);
    const auto outs = surface.recording().textOuts();
    ASSERT_EQ(outs.size(), 5u);
    EXPECT_EQ(outs[3].x, 42);
    EXPECT_EQ(outs[4].x, 92);
    EXPECT_EQ(outs[4].y, 0);
    EXPECT_EQ(outs[4].color, kBlue);
    EXPECT_EQ(outs[4].font->height, 50);
    EXPECT_EQ(e.fonts.requests().size(), 2u); // the fonts were made once
}

// Page Down and Page Up move a page of candidates, stopping at the last and
// the first, and wrap from there.
TEST_F(SelSignModeTest, PageKeysPageTheCandidates)
{
    for (std::uint32_t n = 1; n <= 20; ++n)
        e.dictionary.AddWord(n, test::Key("A"), test::Signs({0x12000 + n}));
    convert("A");
    const std::int32_t page = CFSelSignMode::kCandidatePage;
    e.press({vk::Next});
    EXPECT_EQ(index(), page);
    EXPECT_EQ(shown(), 0x12000u + page + 1);
    e.press({vk::Next, vk::Next});
    EXPECT_EQ(index(), 19); // the last
    e.press({vk::Next});
    EXPECT_EQ(index(), 0); // and round to the first
    e.press({vk::Prior});
    EXPECT_EQ(index(), 19);
    e.press({vk::Prior, vk::Prior, vk::Prior});
    EXPECT_EQ(index(), 0);
    e.press({vk::Down, vk::Next, vk::Return});
    EXPECT_EQ(e.doc().CellAt(0, 0), 0x12000u + 1 + 1 + page);
}

// A candidate the line has no room for is refused with a message; the
// transliteration and the candidate stay for the user to choose again.
TEST_F(SelSignModeTest, ACandidateTooLongForTheLineIsRefusedAndKept)
{
    e.fillLine(0, 998);
    e.cursor().setPosition({0, 998});
    convert("DU3"); // two signs: 1000 cells
    EXPECT_EQ(e.press({vk::Return}), kSignSelectionModeId);
    EXPECT_EQ(e.ctrl->RouteMouse(0), kSignSelectionModeId);
    EXPECT_EQ(e.doc().LineLength(0), 998u);
    EXPECT_EQ(e.pending(), U"du\u2083");
    EXPECT_EQ(e.messages.messages().at(0).text, texts::kLineTooLongToInput);
    e.press({vk::Down}); // one sign fits
    EXPECT_EQ(e.press({vk::Return}), kNormalModeId);
    EXPECT_EQ(e.doc().LineLength(0), 999u);
    EXPECT_EQ(e.undoCount(), 1u);
}

// The candidate window's rows follow the keys: the current candidate stays
// in view, the rows scroll by as little as a move needs and by a page with
// the page keys; a click on a row accepts that candidate.
TEST_F(SelSignModeTest, CandidateListKeepsTheCurrentRowInViewAndAClickAcceptsARow)
{
    for (std::uint32_t n = 1; n <= 20; ++n)
        e.dictionary.AddWord(n, test::Key("A"), test::Signs({0x12000 + n - 1}));
    const CFSelSignMode& mode = e.ctrl->selSignMode();
    convert("A");
    CandidateList list = mode.List();
    EXPECT_EQ(list.count, 20);
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(list.first, 0);
    ASSERT_EQ(list.rows.size(), 9u);
    EXPECT_EQ(list.rows[0].reading, "a");
    EXPECT_EQ(list.rows[0].signs, std::vector<std::uint32_t>{0x12000});
    EXPECT_EQ(list.rows[0].names, "A");
    EXPECT_EQ(list.rows[1].reading, "a₂");
    EXPECT_EQ(list.rows[1].names, "|A×A|");
    EXPECT_EQ(e.ctrl->LookupStatus(), "a 1/20");

    // Down to the ninth row keeps the view; the tenth scrolls it by one.
    for (int i = 0; i < 8; ++i)
        e.press({vk::Down});
    EXPECT_EQ(mode.List().first, 0);
    e.press({vk::Space});
    list = mode.List();
    EXPECT_EQ(list.first, 1);
    EXPECT_EQ(list.current, 9);
    EXPECT_EQ(list.rows.back().reading, "a₁₀");
    EXPECT_EQ(e.ctrl->LookupStatus(), "a₁₀ 10/20");

    // A page on: the current candidate keeps its row, as far as the list
    // goes; at the end the view shows the last page.
    e.press({vk::Next});
    EXPECT_EQ(mode.List().current, 18);
    EXPECT_EQ(mode.List().first, 10);
    e.press({vk::Next});
    EXPECT_EQ(mode.List().current, 19);
    EXPECT_EQ(mode.List().first, 11);
    // Round to the first, and Up round to the last.
    e.press({vk::Space});
    EXPECT_EQ(mode.List().first, 0);
    e.press({vk::Up});
    EXPECT_EQ(mode.List().first, 11);
    EXPECT_EQ(e.ctrl->LookupStatus(), "a₂₀ 20/20");
    e.press({vk::Prior});
    EXPECT_EQ(mode.List().current, 10);
    EXPECT_EQ(mode.List().first, 2);

    // A row outside the list changes nothing; a row of it is accepted.
    EXPECT_EQ(e.ctrl->ChooseCandidate(20), kSignSelectionModeId);
    EXPECT_EQ(e.ctrl->ChooseCandidate(-1), kSignSelectionModeId);
    EXPECT_EQ(e.ctrl->ChooseCandidate(4), kNormalModeId);
    EXPECT_EQ(e.doc().CellAt(0, 0), 0x12004u);
    EXPECT_TRUE(e.pending().empty());
    EXPECT_EQ(e.ctrl->LookupStatus(), "");
    // Outside sign selection a pick does nothing.
    EXPECT_EQ(e.ctrl->ChooseCandidate(0), kNormalModeId);
    EXPECT_EQ(e.doc().LineLength(0), 1u);
    EXPECT_EQ(e.undoCount(), 1u);
}

// The status bar tells what a lookup found: the candidate on show, a typed
// index that no candidate carries, a transliteration without any sign.
TEST_F(SelSignModeTest, EveryLookupIsReportedAndEscapeDropsTheCandidates)
{
    convert("DU3");
    EXPECT_EQ(e.ctrl->LookupStatus(), "du₃ 3/3");
    e.press({vk::Escape});
    EXPECT_EQ(e.mode(), kNormalModeId);
    EXPECT_TRUE(e.pending().empty());
    EXPECT_EQ(e.data->candidates.Length(), 0u);
    EXPECT_EQ(e.doc().LineLength(0), 0u); // nothing inserted
    EXPECT_EQ(e.undoCount(), 0u);
    EXPECT_EQ(e.ctrl->LookupStatus(), "");

    // du₉₉: the first candidate is taken, and the status bar says so until
    // the next key.
    convert("DU99");
    EXPECT_EQ(e.ctrl->LookupStatus(), "no du₉₉: du 1/3");
    e.press({vk::Down});
    EXPECT_EQ(e.ctrl->LookupStatus(), "du₂ 2/3");
    e.press({vk::Back, vk::Back, vk::Back});
    convert("2"); // du₂ found
    EXPECT_EQ(e.ctrl->LookupStatus(), "du₂ 2/3");
    e.press({vk::Escape});

    // No sign: the text stays for correction and the miss is told until
    // the next key.
    e.type("XYZ");
    EXPECT_EQ(e.press({vk::Space}), kInputModeId);
    EXPECT_EQ(e.ctrl->LookupStatus(), "no sign for xyz");
    EXPECT_EQ(e.pending(), U"xyz");
    e.press({vk::Back});
    EXPECT_EQ(e.ctrl->LookupStatus(), "");
    EXPECT_EQ(e.pending(), U"xy");
    // A text too long to be looked up is a miss too.
    e.press({vk::Escape});
    e.type("ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(e.press({vk::Space}), kInputModeId);
    EXPECT_EQ(e.ctrl->LookupStatus(), "no sign for abšdefgḫijklmnopqrs");
}

} // namespace
} // namespace velmora
