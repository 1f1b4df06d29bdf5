#include "platform/VirtualKeys.h"
#include "tests/support/DocumentText.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ModeTestEditor;

TEST(ModeCtrlTest, BadIdThrowsTheControllersValueAndChangesNothing)
{
    ModeTestEditor e;
    e.ctrl->SetMode(kInputModeId);
    try {
        e.ctrl->SetMode(3);
        FAIL() << "no exception";
    } catch (CFModeCtrl::Error error) {
        EXPECT_EQ(error, 0);
    }
    EXPECT_EQ(e.ctrl->CurrentModeId(), kInputModeId);
    EXPECT_EQ(&e.ctrl->CurrentMode(), static_cast<CFMode*>(&e.ctrl->inputMode()));
    EXPECT_THROW(e.ctrl->SetMode(-1), CFModeCtrl::Error);

    e.ctrl->setForceSwitch(true);
    e.ctrl->SetMode(kInputModeId);
    EXPECT_FALSE(e.ctrl->forceSwitch());
}

// The whole table of transitions, driven by keys and clicks.
TEST(ModeCtrlTest, KeysAndClicksLeadThroughTheModes)
{
    ModeTestEditor e;
    // "Alphabet": no key leaves normal mode.
    for (std::uint32_t key = 0; key < 0x100; ++key)
        EXPECT_EQ(e.press({key}), kNormalModeId) << key;

    ModeTestEditor s;
    s.data->alphabetMode = false;
    s.keyboard.setCtrl(true);
    EXPECT_EQ(s.press({'L'}), kNormalModeId); // Ctrl+letter stays
    s.keyboard.setCtrl(false);
    EXPECT_EQ(s.press({vk::Oem1}), kNormalModeId);
    EXPECT_EQ(s.press({'L'}), kInputModeId);
    EXPECT_EQ(s.data->firstKey, 'L');
    EXPECT_EQ(s.type("UGAL"), kInputModeId);
    EXPECT_EQ(s.pending(), U"lugal"); // no re-entry while the mode stays
    EXPECT_EQ(s.press({vk::Tab, vk::Oem7}), kInputModeId);
    EXPECT_EQ(s.press({vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(s.press({'A', vk::Down, vk::Up}), kSignSelectionModeId);
    EXPECT_EQ(s.press({vk::Back}), kInputModeId);
    EXPECT_EQ(s.pending(), U"lugal"); // entered from 2: the text stays
    EXPECT_EQ(s.press({vk::Space, vk::Return}), kNormalModeId);
    EXPECT_EQ(s.doc().Line(0).Cells()[0], test::kLugal);

    EXPECT_EQ(s.press({'D', 'U', 'X', vk::Space}), kInputModeId); // no candidate
    EXPECT_EQ(s.press({vk::Escape}), kNormalModeId);
    EXPECT_EQ(s.press({'A', vk::Back}), kNormalModeId);
    EXPECT_EQ(s.press({'A', 'B', vk::Back}), kInputModeId);
    EXPECT_EQ(s.press({vk::Return}), kNormalModeId);
    EXPECT_EQ(s.press({'L'}), kInputModeId);
    EXPECT_EQ(s.ctrl->RouteMouse(0), kNormalModeId);
    EXPECT_EQ(s.press({'D', 'U', vk::Space}), kSignSelectionModeId);
    EXPECT_EQ(s.ctrl->RouteMouse(0), kNormalModeId);
    EXPECT_EQ(s.ctrl->RouteMouse(0), kNormalModeId);
    EXPECT_EQ(test::TextOf(s.doc()).size(), 1u);
    const auto cells = s.doc().Line(0).Cells();
    EXPECT_EQ(std::u32string(cells.begin(), cells.end()),
              (std::u32string{test::kLugal, U'a', U'l', test::kDu1}));
}

} // namespace
} // namespace velmora
