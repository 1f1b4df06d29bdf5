#include "gui/CRegWordWindow.h"

#include "core/commands/WordRegistration.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/document/CFDocument.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"
#include "tests/support/gui/GuiTestKit.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace velmora::test {
namespace {

class RegWordWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.showWindow();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.setFocus();
    }

    static void setText(CEditorWnd& field, const std::u32string& text)
    {
        field.NewDocument();
        for (char32_t c : text)
            field.Document().InsertCell(0, field.Document().LineLength(0), c);
    }
    static std::u32string textOf(CEditorWnd& field) { return CellsOf(field.text()); }
    void expectMessage(const char* text)
    {
        ASSERT_EQ(kit.messages.messages().size(), 1u);
        const MessageRecorder::Message& message = kit.messages.messages()[0];
        EXPECT_EQ(message.text, text);
        EXPECT_EQ(message.caption, "エラー");
        EXPECT_EQ(message.owner, &window.ownerWindow());
        kit.messages.clear();
    }

    GuiTestKit kit;
    CRegWordWindow window{kit.services, kit.signFont, kit.dictionary};
};

TEST_F(RegWordWindow, LayoutAndSignSettingFields)
{
    EXPECT_EQ(window.windowTitle(), "Word registration");
    EXPECT_EQ(window.size(), QSize(400, 400));
    EXPECT_EQ(window.alphabetField().geometry(), QRect(10, 35, 370, 80));
    EXPECT_EQ(window.signField().geometry(), QRect(10, 155, 370, 80));
    EXPECT_EQ(window.registerButton().geometry(), QRect(280, 275, 100, 30));
    for (CEditorWnd* field : {&window.alphabetField(), &window.signField()}) {
        EXPECT_EQ(field->lineLimit(), 1);
        EXPECT_FALSE(field->AlphabetMode());
        // Ctrl+Space does not switch to Latin input.
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Space, Qt::ControlModifier);
        EXPECT_FALSE(field->AlphabetMode());
    }
}

TEST_F(RegWordWindow, TypedWordIsRegisteredAndTheFieldsEmptied)
{
    ASSERT_EQ(window.activeField(), 0);
    // Keys typed into the window go to the active field.
    QTest::keyClicks(&window, "lugal");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(textOf(window.alphabetField()), U"lugal");

    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.activeField(), 1);
    EXPECT_TRUE(window.signField().hasFocus());
    QTest::keyClicks(&window.signField(), "du3");
    QTest::keyClick(&window.signField(), Qt::Key_Space);
    QTest::keyClick(&window.signField(), Qt::Key_Return);
    ASSERT_EQ(textOf(window.signField()), (std::u32string{kDu3, kDu3}));

    const WordPtr key = KeyWord("LUGAL");
    ASSERT_EQ(kit.dictionary.CountCandidates(key), 1u);
    QTest::mouseClick(&window.registerButton(), Qt::LeftButton);
    EXPECT_TRUE(kit.messages.empty());
    ASSERT_EQ(kit.dictionary.CountCandidates(key), 2u);
    const WordPtr added = kit.dictionary.GetCandidate(0, key);
    EXPECT_EQ(added->number, 0u);
    EXPECT_EQ(std::u32string(added->Cells().begin(), added->Cells().end()), (std::u32string{kDu3, kDu3}));

    for (CEditorWnd* field : {&window.alphabetField(), &window.signField()}) {
        EXPECT_EQ(textOf(*field), U"");
        EXPECT_EQ(field->CursorPosition(), (Position{0, 0}));
        EXPECT_EQ(field->modeCtrl().CurrentModeId(), kNormalModeId);
        // The fields stay in the "Sign" setting.
        EXPECT_FALSE(field->AlphabetMode());
    }
}

TEST_F(RegWordWindow, InvalidInputIsToldAndKept)
{
    EXPECT_FALSE(window.RegisterWord());
    expectMessage(texts::kNoPhoneticSymbols);

    setText(window.alphabetField(), U"du3");
    setText(window.signField(), std::u32string(1, char32_t(kDu1)));
    EXPECT_FALSE(window.RegisterWord());
    expectMessage(texts::kUsePhoneticSymbols);

    setText(window.alphabetField(), U"du\u2083");
    setText(window.signField(), U"");
    QTest::mouseClick(&window.registerButton(), Qt::LeftButton);
    expectMessage(texts::kNoConversionCharacters);
    EXPECT_EQ(textOf(window.alphabetField()), U"du\u2083");
    EXPECT_EQ(kit.dictionary.CountCandidates(KeyWord("DU")), 3u);

    setText(window.signField(), std::u32string(1, char32_t(kLugal)));
    EXPECT_TRUE(window.RegisterWord());
    EXPECT_EQ(kit.dictionary.CountCandidates(KeyWord("DU")), 4u);
    EXPECT_EQ(kit.dictionary.GetCandidate(3, KeyWord("DU"))->Cells()[0], kLugal);
}

TEST_F(RegWordWindow, TabAndClicksChooseTheActiveField)
{
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.activeField(), 1);
    EXPECT_TRUE(window.signField().hasFocus());
    // From a field as well, both ways round.
    QTest::keyClick(&window.signField(), Qt::Key_Tab);
    EXPECT_EQ(window.activeField(), 0);
    EXPECT_TRUE(window.alphabetField().hasFocus());
    QTest::keyClick(&window.alphabetField(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.activeField(), 1);

    QTest::mouseClick(window.alphabetField().viewport(), Qt::LeftButton);
    EXPECT_EQ(window.activeField(), 0);
    EXPECT_TRUE(window.alphabetField().hasFocus());
    // A click on the window itself changes nothing.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(200, 360));
    EXPECT_EQ(window.activeField(), 0);

    QTest::mouseClick(window.signField().viewport(), Qt::LeftButton);
    EXPECT_EQ(window.activeField(), 1);
    window.setFocus();
    QTest::keyClicks(&window, "ka");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(textOf(window.signField()), U"ka");
    EXPECT_EQ(textOf(window.alphabetField()), U"");
}

TEST_F(RegWordWindow, ClosingKeepsTheText)
{
    setText(window.alphabetField(), U"lugal");
    window.close();
    EXPECT_FALSE(window.isVisible());
    window.showWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(textOf(window.alphabetField()), U"lugal");
}

} // namespace
} // namespace velmora::test
