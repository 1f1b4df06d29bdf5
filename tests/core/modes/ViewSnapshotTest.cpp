#include "core/modes/ViewSnapshot.h"

#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Lines = std::vector<ViewSnapshot::LineRange>;

// After each step, the lines whose rows must be painted again: the rows whose
// text changed and those of the caret, the pending text, the candidate and
// the selection, as long as neither the view nor the mode nor the number of
// lines changed.
TEST(ViewSnapshot, NamesTheRowsOfWhatMovedAndEverythingWhenTextOrViewMoved)
{
    test::ModeTestEditor e;
    e.doc() = test::MakeDocument({"a-na be-li2-ia", "qi2-bi2-ma", "um-ma", "i-nu an-um"});
    const auto changed = [&](auto&& step) {
        const ViewSnapshot before(*e.data, e.mode(), 12);
        step();
        return before.ChangedLines(*e.data, e.mode());
    };

    EXPECT_EQ(changed([] {}), Lines{});
    EXPECT_EQ(changed([&] { e.press({vk::Down}); }), (Lines{{0, 0}, {1, 1}}));
    EXPECT_EQ(changed([&] { e.cursor().caretVisible = !e.cursor().caretVisible; }), (Lines{{1, 1}, {1, 1}}));
    EXPECT_EQ(changed([&] { e.data->alphabetMode = false; }), (Lines{{1, 1}, {1, 1}}));

    // Shift+Down selects from line 1 to line 2; Up takes the selection away.
    e.keyboard.setShift(true);
    EXPECT_EQ(changed([&] { e.press({vk::Shift, vk::Down}); }), (Lines{{1, 1}, {2, 2}, {1, 2}}));
    e.keyboard.setShift(false);
    EXPECT_EQ(changed([&] { e.press({vk::Up}); }), (Lines{{2, 2}, {1, 1}, {1, 2}}));

    // Typing a transliteration changes the mode, then only its row.
    EXPECT_EQ(changed([&] { e.type("L"); }), std::nullopt);
    EXPECT_EQ(changed([&] { e.type("UGAL"); }), (Lines{{1, 1}, {1, 1}}));
    EXPECT_EQ(changed([&] { e.press({vk::Space}); }), std::nullopt);
    EXPECT_EQ(changed([&] { e.press({vk::Return}); }), std::nullopt); // the sign goes in

    // The text of the cursor's row; a new line moves all below it.
    e.data->alphabetMode = true;
    EXPECT_EQ(changed([&] { e.type("x"); }), (Lines{{1, 1}, {1, 1}, {1, 1}}));
    EXPECT_EQ(changed([&] { e.press({vk::Return}); }), std::nullopt);

    // The view.
    EXPECT_EQ(changed([&] { e.scrollBar->Vertical().SetPosition(1); }), std::nullopt);
    EXPECT_EQ(changed([&] { e.scrollBar->Horizontal().SetPosition(14); }), std::nullopt);
}

} // namespace
} // namespace velmora
