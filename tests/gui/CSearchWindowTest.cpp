#include "gui/CSearchWindow.h"
#include "gui/CRegWordWindow.h"
#include "gui/CReplaceWindow.h"

#include "base/Utf8Codec.h"

#include "core/document/CFDocument.h"
#include "core/document/CFSelectedText.h"
#include "core/modes/CFModeData.h"
#include "core/search/SearchCommands.h"
#include "gui/CCandidateWindow.h"
#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"
#include "qt/QtTextTranslator.h"
#include "tests/support/gui/GuiTestKit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr char32_t L = kLugal;

// A main editor holding a document, and the tool windows working on it.
class ToolWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main.resize(600, 400);
        ASSERT_TRUE(ShowActive(main));
    }

    // Replaces the editor's text; a newline starts another line.
    void setText(CEditorWnd& editor, const std::u32string& text)
    {
        editor.NewDocument();
        CFDocument& doc = editor.Document();
        std::uint32_t line = 0;
        for (char32_t c : text) {
            if (c == U'\n') {
                doc.InsertLine(++line);
                continue;
            }
            doc.InsertCell(line, doc.LineLength(line), c);
        }
    }
    std::u32string line(CEditorWnd& editor, std::uint32_t n) { return CellsOf(editor.Document().Line(n)); }
    Position selStart() { return main.modeData().selection->start(); }
    Position selEnd() { return main.modeData().selection->end(); }
    Position cursor() { return main.CursorPosition(); }

    GuiTestKit kit;
    CEditorWnd main{kit.services, kit.signFont, kit.dictionary, CFModeData::kMainLineLimit};
};

using SearchWindow = ToolWindowTest;

TEST_F(SearchWindow, StartsHiddenWithItsLayout)
{
    CSearchWindow window(main, kit.services, kit.signFont, kit.dictionary);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Document search");
    EXPECT_EQ(window.size(), QSize(400, 200));
    EXPECT_EQ(window.wordField().geometry(), QRect(10, 35, 370, 80));
    EXPECT_EQ(window.wordField().lineLimit(), 1);
    EXPECT_TRUE(window.wordField().AlphabetMode());
    EXPECT_EQ(window.searchButton().geometry(), QRect(10, 130, 100, 30));
    EXPECT_EQ(window.previousButton().geometry(), QRect(120, 130, 100, 30));
    EXPECT_EQ(window.nextButton().geometry(), QRect(230, 130, 100, 30));
}

TEST_F(SearchWindow, ButtonsSelectMatchesAndGiveTheFocusBack)
{
    setText(main, std::u32string{U'a', L, U'b', L, U'\n', L});
    CSearchWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // The word is typed as a transliteration in the field.
    CEditorWnd& field = window.wordField();
    QTest::mouseClick(field.viewport(), Qt::LeftButton);
    QTest::keyClick(&field, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClicks(&field, "lugal");
    QTest::keyClick(&field, Qt::Key_Space);
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_EQ(CellsOf(field.text()), std::u32string(1, L));

    QTest::mouseClick(&window.searchButton(), Qt::LeftButton);
    EXPECT_EQ(selStart(), (Position{0, 1}));
    EXPECT_EQ(selEnd(), (Position{0, 2}));
    EXPECT_EQ(cursor(), (Position{0, 1}));
    EXPECT_EQ(QApplication::focusWidget(), &window);

    QTest::mouseClick(&window.nextButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{0, 3}));
    QTest::mouseClick(&window.nextButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{1, 0}));
    EXPECT_EQ(selEnd(), (Position{1, 1}));

    // After the last one Next goes on from the top, and says so; Previous
    // from the first goes on from the end.
    QStringList notes;
    QObject::connect(&window, &CToolWindow::mainEditorUsed, [&](const QString& note) { notes << note; });
    QTest::mouseClick(&window.nextButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{0, 1}));
    QTest::mouseClick(&window.previousButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{1, 0}));
    QTest::mouseClick(&window.previousButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{0, 3}));
    EXPECT_EQ(notes, (QStringList{"search wrapped", "search wrapped", ""}));
    EXPECT_TRUE(kit.messages.empty());

    // A word that occurs nowhere is told, and nothing moves.
    setText(field, U"qqq");
    QTest::mouseClick(&window.nextButton(), Qt::LeftButton);
    ASSERT_EQ(kit.messages.messages().size(), 1u);
    const MessageRecorder::Message& miss = kit.messages.messages()[0];
    EXPECT_EQ(miss.owner, &window.ownerWindow());
    EXPECT_EQ(miss.text, "「qqq」は見つかりませんでした。");
    EXPECT_EQ(miss.caption, "検索終了");
    EXPECT_EQ(cursor(), (Position{0, 3}));
}

TEST_F(SearchWindow, MenuCommandsUseTheWordWhileTheWindowIsHidden)
{
    setText(main, std::u32string{L, U'x', L});
    CSearchWindow window(main, kit.services, kit.signFont, kit.dictionary);
    setText(window.wordField(), std::u32string(1, L));
    ASSERT_FALSE(window.isVisible());

    EXPECT_TRUE(window.FindNext(main));
    EXPECT_EQ(cursor(), (Position{0, 2}));
    EXPECT_TRUE(main.hasFocus());
    EXPECT_TRUE(window.FindPrevious(main));
    EXPECT_EQ(cursor(), (Position{0, 0}));
    setText(window.wordField(), U"x");
    EXPECT_TRUE(window.FindPrevious(main));
    EXPECT_EQ(cursor(), (Position{0, 1}));
    setText(window.wordField(), U"y");
    EXPECT_FALSE(window.FindPrevious(main));
    ASSERT_EQ(kit.messages.messages().size(), 1u);
    EXPECT_EQ(kit.messages.ownerWidgets()[0], &main);
    EXPECT_FALSE(window.isVisible());

    // With no word to search for, the window opens for one to be typed.
    setText(window.wordField(), U"");
    EXPECT_FALSE(window.FindNext(main));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(kit.messages.messages().size(), 1u);
    EXPECT_EQ(cursor(), (Position{0, 1}));
}

TEST_F(SearchWindow, KeysTypedIntoTheWindowEditTheFieldAndCloseKeepsThem)
{
    CSearchWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), &window);
    QTest::keyClicks(&window, "ab");
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(CellsOf(window.wordField().text()), U"ab");
    EXPECT_EQ(QApplication::focusWidget(), &window);

    window.close();
    EXPECT_FALSE(window.isVisible());
    window.showWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(CellsOf(window.wordField().text()), U"ab");
}

// The field starts in the main editor's setting, so that a word is typed
// as in the document; Enter after the word runs Next.
TEST_F(SearchWindow, TheFieldTakesTheMainSettingAndEnterSearchesOn)
{
    setText(main, std::u32string{L, U' ', L});
    main.setAlphabetMode(false);
    CSearchWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_FALSE(window.wordField().AlphabetMode());

    QTest::keyClicks(&window, "lugal");
    QTest::keyClick(&window, Qt::Key_Space);
    // The field lists its candidates too, and the window keeps the keys.
    const CCandidateWindow& candidates = window.wordField().candidateWindow();
    EXPECT_TRUE(candidates.isVisible());
    EXPECT_EQ(candidates.list().rows.at(0).reading, "lugal");
    EXPECT_EQ(QApplication::focusWidget(), &window);
    QTest::keyClick(&window, Qt::Key_Return); // accepts the sign
    EXPECT_FALSE(candidates.isVisible());
    ASSERT_EQ(CellsOf(window.wordField().text()), std::u32string(1, L));
    EXPECT_EQ(cursor(), (Position{0, 0}));
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(cursor(), (Position{0, 2}));
    EXPECT_EQ(QApplication::focusWidget(), &window);

    window.close();
    main.setAlphabetMode(true);
    window.showWindow();
    EXPECT_TRUE(window.wordField().AlphabetMode());
}

// The tool windows open wholly on the main window's screen, clear of its
// menu bar, wherever the main window stands; then where the user left them,
// moved back onto the screen where they would not be wholly on it.
TEST_F(SearchWindow, ToolWindowsOpenOnTheScreenClearOfTheMenuBarAndKeepTheirPlace)
{
    QMainWindow anchor;
    anchor.menuBar()->addMenu(QStringLiteral("File"));
    anchor.setCentralWidget(new QWidget);
    ASSERT_TRUE(anchor.screen());
    const QRect area = anchor.screen()->availableGeometry();

    // Filling the screen, then low on it, where a window under the menu bar
    // would run off the screen's bottom.
    const QRect low(area.x() + area.width() / 4, area.y() + area.height() * 9 / 16, area.width() / 2,
                    area.height() * 3 / 8);
    for (const QRect& place : {area, low}) {
        anchor.setGeometry(place);
        ASSERT_TRUE(ShowActive(anchor));
        const QRect bar(anchor.menuBar()->mapToGlobal(QPoint(0, 0)), anchor.menuBar()->size());
        CSearchWindow search(main, kit.services, kit.signFont, kit.dictionary);
        CReplaceWindow replace(main, kit.services, kit.signFont, kit.dictionary);
        CRegWordWindow registration(kit.services, kit.signFont, kit.dictionary);
        for (CToolWindow* tool : std::vector<CToolWindow*>{&search, &replace, &registration}) {
            tool->setAnchor(&anchor);
            tool->showWindow();
            const QRect frame = tool->frameGeometry();
            const std::string name = tool->windowTitle().toStdString();
            EXPECT_TRUE(area.contains(frame)) << name;
            // Wherever the screen leaves room beside the menu bar.
            const bool room = bar.top() - area.top() >= frame.height()
                || area.bottom() - bar.bottom() >= frame.height() || bar.left() - area.left() >= frame.width()
                || area.right() - bar.right() >= frame.width();
            EXPECT_FALSE(room && frame.intersects(bar)) << name;
        }
    }

    // Moved by the user, it opens there again; moved partly off the screen,
    // wholly on it.
    CSearchWindow moved(main, kit.services, kit.signFont, kit.dictionary);
    moved.setAnchor(&anchor);
    moved.showWindow();
    moved.move(area.topLeft() + QPoint(30, 40));
    moved.close();
    moved.showWindow();
    EXPECT_EQ(moved.pos(), area.topLeft() + QPoint(30, 40));
    moved.move(area.right() - 100, area.top() + 10);
    moved.close();
    moved.showWindow();
    EXPECT_EQ(moved.frameGeometry().right(), area.right());
    EXPECT_TRUE(area.contains(moved.frameGeometry()));
}

using ReplaceWindow = ToolWindowTest;

TEST_F(ReplaceWindow, StartsHiddenWithItsLayout)
{
    CReplaceWindow window(main, kit.services, kit.signFont, kit.dictionary);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Document replace");
    EXPECT_EQ(window.size(), QSize(400, 320));
    EXPECT_EQ(window.findField().geometry(), QRect(10, 35, 370, 80));
    EXPECT_EQ(window.replaceField().geometry(), QRect(10, 150, 370, 80));
    EXPECT_EQ(window.searchButton().geometry(), QRect(10, 245, 100, 30));
    EXPECT_EQ(window.replaceButton().geometry(), QRect(120, 245, 100, 30));
    EXPECT_EQ(window.replaceAllButton().geometry(), QRect(230, 245, 100, 30));
    EXPECT_EQ(window.replaceAllButton().text(), "Replace All");
}

TEST_F(ReplaceWindow, AClickBesideTheFieldsLeavesTheFocusInTheReplaceField)
{
    CReplaceWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.replaceField().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), &window.replaceField());
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::keyClicks(QApplication::focusWidget(), "ab");
    EXPECT_EQ(CellsOf(window.replaceField().text()), U"ab");
    EXPECT_EQ(CellsOf(window.findField().text()), U"");
}

TEST_F(ReplaceWindow, ReplacesOneOccurrenceAtATime)
{
    setText(main, std::u32string{U'x', L, U'y', L});
    CReplaceWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Keys typed into the window go to the find-word field.
    QTest::keyClick(&window, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClicks(&window, "lugal");
    QTest::keyClick(&window, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Return);
    ASSERT_EQ(CellsOf(window.findField().text()), std::u32string(1, L));
    setText(window.replaceField(), U"ab");

    QTest::mouseClick(&window.replaceButton(), Qt::LeftButton);
    EXPECT_EQ(line(main, 0), (std::u32string{U'x', U'a', U'b', U'y', L}));
    EXPECT_EQ(selStart(), (Position{0, 1}));
    EXPECT_EQ(selEnd(), (Position{0, 3}));
    EXPECT_EQ(QApplication::focusWidget(), &window);

    QTest::mouseClick(&window.replaceButton(), Qt::LeftButton);
    EXPECT_EQ(line(main, 0), U"xabyab");
    QTest::mouseClick(&window.replaceButton(), Qt::LeftButton);
    ASSERT_EQ(kit.messages.messages().size(), 1u);
    EXPECT_EQ(kit.messages.messages()[0].text,
              "「" + Utf8Of(std::u32string(1, L)) + "」は見つかりませんでした。");
    EXPECT_EQ(line(main, 0), U"xabyab");

    setText(window.findField(), U"b");
    QTest::mouseClick(&window.searchButton(), Qt::LeftButton);
    EXPECT_EQ(cursor(), (Position{0, 2}));
}

// Replace All changes every occurrence as one step that the main editor's
// Ctrl+Z takes back; Enter in the replace field replaces the next one, in
// the find field it searches from the top.
TEST_F(ReplaceWindow, ReplaceAllIsOneStepAndEnterRunsTheFieldsCommand)
{
    setText(main, std::u32string{U'a', L, U'b', L, U'\n', L});
    CReplaceWindow window(main, kit.services, kit.signFont, kit.dictionary);
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    setText(window.findField(), std::u32string(1, L));
    setText(window.replaceField(), U"du");

    QTest::mouseClick(&window.replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(line(main, 0), U"adubdu");
    EXPECT_EQ(line(main, 1), U"du");
    ASSERT_EQ(kit.messages.messages().size(), 1u);
    EXPECT_EQ(kit.messages.messages()[0].text, "3 個置換しました。");
    EXPECT_EQ(kit.messages.messages()[0].caption, "Velmora");
    EXPECT_EQ(kit.messages.ownerWidgets()[0], &window);

    main.setFocus();
    QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(main, 0), (std::u32string{U'a', L, U'b', L}));
    EXPECT_EQ(line(main, 1), std::u32string(1, L));

    main.ResetView();
    QTest::mouseClick(window.replaceField().viewport(), Qt::LeftButton);
    QTest::keyClick(&window.replaceField(), Qt::Key_Return);
    EXPECT_EQ(line(main, 0), (std::u32string{U'a', U'd', U'u', U'b', L}));
    QTest::mouseClick(window.findField().viewport(), Qt::LeftButton);
    QTest::keyClick(&window.findField(), Qt::Key_Return);
    EXPECT_EQ(selStart(), (Position{0, 4}));
    EXPECT_EQ(line(main, 0), (std::u32string{U'a', U'd', U'u', U'b', L}));
}

// The word fields take what a layout's key event carries and an input
// method's commit, as the main editor does; while a transliteration is
// pending in the main editor, Search, Replace and Replace All wait and the
// status bar asks for Enter or Escape first.
TEST_F(ReplaceWindow, FieldsTakeTypedTextAndNothingRunsUnderPendingInput)
{
    setText(main, U"a-na ṣa-bi a-na ṣa-bi");
    CReplaceWindow window(main, kit.services, kit.signFont, kit.dictionary);
    QStringList notes;
    QObject::connect(&window, &CToolWindow::mainEditorUsed, [&](const QString& note) { notes << note; });
    window.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ṣ"));
    QApplication::sendEvent(&window, &key);
    QTest::keyClicks(&window, "a");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("-bi"));
    QApplication::sendEvent(&window, &commit);
    EXPECT_EQ(CellsOf(window.findField().text()), U"ṣa-bi");
    commit.setCommitString(QString::fromUtf8("šu-ut"));
    QApplication::sendEvent(&window.replaceField(), &commit);
    EXPECT_EQ(CellsOf(window.replaceField().text()), U"šu-ut");

    main.setAlphabetMode(false);
    QTest::keyClicks(&main, "lu");
    ASSERT_TRUE(main.InputPending());
    const std::u32string before = line(main, 0);
    for (QPushButton* button :
         {&window.replaceButton(), &window.replaceAllButton(), &window.searchButton()}) {
        notes.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(line(main, 0), before);
        EXPECT_EQ(CellsOf(main.modeData().pending), U"lu");
        EXPECT_EQ(cursor(), (Position{0, 0}));
        EXPECT_EQ(notes, QStringList{UiText(texts::kFinishPendingFirst)});
    }
    EXPECT_TRUE(kit.messages.messages().empty());

    QTest::keyClick(&main, Qt::Key_Escape);
    QTest::mouseClick(&window.replaceAllButton(), Qt::LeftButton);
    EXPECT_EQ(line(main, 0), U"a-na šu-ut a-na šu-ut");
}

} // namespace
} // namespace velmora::test
