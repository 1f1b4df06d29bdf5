#include "tests/support/gui/MainWindowWithEditor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class EditMenuTest : public ::testing::Test, public MainWindowWithEditor {
protected:
    QMenu* Edit() const { return window.menuBar()->actions().at(1)->menu(); }
    // The Edit commands enabled while the menu is open.
    std::vector<CommandId> Enabled()
    {
        emit Edit()->aboutToShow();
        std::vector<CommandId> on;
        for (const CommandId id :
             {CommandId::Undo, CommandId::Redo, CommandId::CutLine, CommandId::CopyLine, CommandId::PasteLine,
              CommandId::DeleteLine, CommandId::SelectAll, CommandId::ConvertTransliteration})
            if (window.action(id)->isEnabled())
                on.push_back(id);
        emit Edit()->aboutToHide();
        return on;
    }
};

// The Edit menu greys out what cannot act, as the context menu does, and
// gives every key back when it closes.
TEST_F(EditMenuTest, OffersOnlyWhatCanActAndKeepsTheKeysWorking)
{
    using enum CommandId;
    kit.clipboard.setNoText();
    EXPECT_EQ(Enabled(), std::vector<CommandId>{}); // an empty document

    for (const char c : std::string("a-na be-li2-ia"))
        QTest::keyClick(editor, c);
    EXPECT_EQ(Enabled(), (std::vector<CommandId>{Undo, SelectAll, ConvertTransliteration}));

    // A selection to cut, and text on the clipboard once it is copied.
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Enabled(),
              (std::vector<CommandId>{Undo, CutLine, CopyLine, PasteLine, DeleteLine, SelectAll,
                                      ConvertTransliteration}));

    // While a transliteration is pending, Undo takes back a keystroke; the
    // rest waits.
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_L);
    QTest::keyClick(editor, Qt::Key_U);
    const std::vector<CommandId> pending = Enabled();
    EXPECT_EQ(pending.front(), Undo);
    for (const CommandId id : {CutLine, PasteLine, DeleteLine, SelectAll, ConvertTransliteration})
        EXPECT_EQ(std::count(pending.begin(), pending.end(), id), 0) << int(id);

    // Closed, the menu leaves every item enabled: Ctrl+Z still reaches the
    // editor and takes back the u.
    for (const CommandId id : {Undo, Redo, CutLine, PasteLine, DeleteLine})
        EXPECT_TRUE(window.action(id)->isEnabled()) << int(id);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(editor->InputPending());
}

} // namespace
} // namespace velmora::test
