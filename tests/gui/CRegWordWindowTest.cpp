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
#include <QLabel>
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

// The user types du3 and the signs and presses Register at once: the
// transliteration still pending (blue) and the candidate on show count as
// typed, and the window says what it registered.
TEST_F(RegWordWindow, TypedWordIsRegisteredAsTypedAndConfirmed)
{
    ASSERT_EQ(window.activeField(), 0);
    // Keys typed into the window go to the active field.
    QTest::keyClicks(&window, "du3");
    EXPECT_EQ(textOf(window.alphabetField()), U"");
    EXPECT_EQ(CellsOf(window.alphabetField().modeData().pending), U"du\u2083");

    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.activeField(), 1);
    EXPECT_TRUE(window.signField().hasFocus());
    QTest::keyClicks(&window.signField(), "du3");
    QTest::keyClick(&window.signField(), Qt::Key_Space);
    ASSERT_EQ(window.signField().modeCtrl().CurrentModeId(), kSignSelectionModeId);
    EXPECT_EQ(textOf(window.signField()), U"");

    const WordPtr key = KeyWord("DU");
    ASSERT_EQ(kit.dictionary.CountCandidates(key), 3u);
    QTest::mouseClick(&window.registerButton(), Qt::LeftButton);
    EXPECT_TRUE(kit.messages.empty());
    ASSERT_EQ(kit.dictionary.CountCandidates(key), 4u);
    const WordPtr added = kit.dictionary.GetCandidate(3, key);
    EXPECT_EQ(added->number, 3u);
    EXPECT_EQ(std::u32string(added->Cells().begin(), added->Cells().end()), (std::u32string{kDu3, kDu3}));
    EXPECT_EQ(window.registeredNote().text(), QString::fromUcs4(U"registered du\u2083 \U00012157\U00012157"));
    EXPECT_TRUE(window.registeredNote().isVisible());

    for (CEditorWnd* field : {&window.alphabetField(), &window.signField()}) {
        EXPECT_EQ(textOf(*field), U"");
        EXPECT_EQ(field->modeData().pending.Length(), 0u);
        EXPECT_EQ(field->CursorPosition(), (Position{0, 0}));
        EXPECT_EQ(field->modeCtrl().CurrentModeId(), kNormalModeId);
        // The fields stay in the "Sign" setting.
        EXPECT_FALSE(field->AlphabetMode());
    }
    // The next word typed takes the note away.
    QTest::keyClicks(&window.signField(), "l");
    EXPECT_EQ(window.registeredNote().text(), QString());

    // Text before the cursor and a pending transliteration after it.
    setText(window.alphabetField(), U"lu");
    window.alphabetField().setFocus();
    QTest::keyClick(&window.alphabetField(), Qt::Key_End);
    QTest::keyClicks(&window.alphabetField(), "gal");
    setText(window.signField(), std::u32string(1, char32_t(kLugal)));
    EXPECT_TRUE(window.RegisterWord());
    EXPECT_EQ(kit.dictionary.CountCandidates(KeyWord("LUGAL")), 2u);
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
