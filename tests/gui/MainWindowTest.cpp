#include "gui/CMainWindow.h"

#include "core/dictionary/CFWordDictionary.h"
#include "core/document/ReadingTable.h"
#include "core/files/CrashRecovery.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFSignFont.h"
#include "gui/CEditorWnd.h"
#include "gui/CSignInfoWindow.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "tests/support/CommandDoubles.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedSaveQuestion.h"
#include "tests/support/gui/GuiTestKit.h"
#include "tests/support/gui/ModalHelper.h"
#include "tests/support/gui/QStringPrinter.h"
#include "tests/support/gui/TestEditorWidget.h"

#include <QAction>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace velmora {
namespace {

class MainWindowTest : public ::testing::Test, protected test::CommandDoubles<> {
protected:
    TestEditorWidget* editor = new TestEditorWidget;
    MainWindowServices services{dialogs, messages, question, fontDialog, dictionary, signFont, settings};
    CMainWindow window{services, editor};

    QLabel* Part(const char* name) const { return window.findChild<QLabel*>(QString::fromLatin1(name)); }
    void Type(char c) { editor->document.InsertCell(0, editor->document.LineLength(0), c); }
    void Activate(QWidget& w)
    {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
};

// The menu as text: "Popup: item, item, -, item".
std::vector<QString> MenuText(const QMenuBar& bar)
{
    std::vector<QString> out;
    for (QAction* popup : bar.actions()) {
        QString line = popup->text() + QStringLiteral(":");
        for (QAction* item : popup->menu()->actions())
            line += QStringLiteral(" ") + (item->isSeparator() ? QStringLiteral("-") : item->text());
        out.push_back(line);
    }
    return out;
}

TEST_F(MainWindowTest, MenuHasThePopupsItemsAndSeparatorsInOrder)
{
    EXPECT_EQ(
        MenuText(*window.menuBar()),
        (std::vector<QString>{
            "File(&F): New File(&N) - Open…(&O) Recent Files(&R) Save(&S) Save As…(&A) - Save HTML…(&H) "
            "Save HTML with Transliteration…(&T) Import ATF…(&I) Export ATF…(&E) - Print…(&P) Print "
            "Preview…(&V) "
            "Export PDF…(&D) - Load Worddata…(&L) "
            "Save Worddata…(&W) - Exit(&X)",
            "Edit(&E): Undo(&U) Redo(&R) - Cut(&T) Copy(&C) Paste(&P) Delete(&D) Select All(&A) - Find(&F) "
            "Find Next(&N) Find Previous(&V) - Replace(&E) - Convert Transliteration(&O)",
            "Word(&W): Word Registration(&R) Sign Information(&I) Sign List(&L)",
            "Setting(&V): Font…(&F) Zoom In(&I) Zoom Out(&O) Reset Zoom(&Z) - Sign Input(&S) Language(&L)",
            "Help(&H): Typing Cuneiform(&T) About(&A)...",
        }));
    // Every item, in every menu and submenu, has a letter of its own there.
    std::vector<QMenu*> menus;
    for (QAction* popup : window.menuBar()->actions())
        menus.push_back(popup->menu());
    menus.push_back(window.findChild<QMenu*>(QStringLiteral("languages")));
    for (QMenu* menu : menus) {
        QStringList letters;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << item->text().toStdString();
            const QString letter = item->text().mid(amp + 1, 1).toUpper();
            EXPECT_FALSE(letters.contains(letter)) << item->text().toStdString();
            letters << letter;
        }
    }
}

TEST_F(MainWindowTest, AcceleratorsAreWindowShortcuts)
{
    const auto keys = [&](CommandId id) {
        QStringList out;
        for (const QKeySequence& k : window.action(id)->shortcuts())
            out << k.toString(QKeySequence::PortableText);
        return out;
    };
    EXPECT_EQ(keys(CommandId::About), (QStringList{"Alt+?", "Alt+/"}));
    EXPECT_EQ(keys(CommandId::NewFile), QStringList{"Ctrl+N"});
    EXPECT_EQ(keys(CommandId::Open), QStringList{"Ctrl+O"});
    EXPECT_EQ(keys(CommandId::Save), QStringList{"Ctrl+S"});
    EXPECT_EQ(keys(CommandId::SaveAs), QStringList{"Ctrl+Shift+S"});
    EXPECT_EQ(keys(CommandId::Print), QStringList{"Ctrl+P"});
    EXPECT_EQ(keys(CommandId::Exit), QStringList{"Ctrl+Q"});
    EXPECT_EQ(keys(CommandId::Find), QStringList{"Ctrl+F"});
    // The menu shows the first: F3, as on other editors.
    EXPECT_EQ(keys(CommandId::FindNext), (QStringList{"F3", "Ctrl+F3"}));
    EXPECT_EQ(keys(CommandId::FindPrevious), (QStringList{"Shift+F3", "Ctrl+Shift+F3"}));
    EXPECT_EQ(keys(CommandId::Replace), QStringList{"Ctrl+H"});
    EXPECT_EQ(keys(CommandId::Undo), QStringList{"Ctrl+Z"});
    EXPECT_EQ(keys(CommandId::Redo), (QStringList{"Ctrl+Y", "Ctrl+Shift+Z"}));
    EXPECT_EQ(keys(CommandId::SelectAll), QStringList{"Ctrl+A"});
    EXPECT_EQ(keys(CommandId::ConvertTransliteration), QStringList{"Ctrl+T"});
    EXPECT_EQ(keys(CommandId::SignInformation), QStringList{"F1"});
    for (const CommandId id :
         {CommandId::About, CommandId::NewFile, CommandId::Open, CommandId::Save, CommandId::SaveAs,
          CommandId::Exit, CommandId::Find, CommandId::FindNext, CommandId::FindPrevious, CommandId::Replace,
          CommandId::Undo, CommandId::Redo, CommandId::SelectAll, CommandId::ConvertTransliteration})
        EXPECT_EQ(window.action(id)->shortcutContext(), Qt::WindowShortcut);

    // The editing keys are in the same table: their items run the editor's
    // commands, as the menu does.
    EXPECT_EQ(keys(CommandId::CutLine), QStringList{"Ctrl+X"});
    EXPECT_EQ(keys(CommandId::CopyLine), QStringList{"Ctrl+C"});
    EXPECT_EQ(keys(CommandId::PasteLine), QStringList{"Ctrl+V"});
    EXPECT_EQ(keys(CommandId::DeleteLine), QStringList{"Del"});
    EXPECT_EQ(keys(CommandId::SignInput), QStringList{"Ctrl+Space"});
    Activate(window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(editor->cuts, 1);
    EXPECT_EQ(editor->deletions, 1);
    EXPECT_FALSE(editor->alphabetMode);
}

TEST_F(MainWindowTest, AcceleratorsActInTheMainWindowOnlyAndReachTheToolCommands)
{
    int next = 0;
    int previous = 0;
    int finds = 0;
    window.setToolWindowCommands({[&] { ++finds; }, [&] { ++next; }, [&] { ++previous; }, {}, {}});
    EXPECT_FALSE(window.action(CommandId::Replace)->isEnabled());
    EXPECT_TRUE(window.action(CommandId::Find)->isEnabled());

    Activate(window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.calls().size(), 1u);
    QTest::keyClick(editor, Qt::Key_F3, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(next, 1);
    EXPECT_EQ(previous, 1);
    EXPECT_EQ(finds, 1);

    // Another top-level window, as a tool window is.
    QWidget tool;
    Activate(tool);
    QTest::keyClick(&tool, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&tool, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(next, 1);
}

TEST_F(MainWindowTest, ZoomKeysAndTheWheelZoomTheEditorForTheSession)
{
    Activate(window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(signFont.zoomPercent(), 125);
    QTest::keyClick(editor, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(signFont.zoomPercent(), 110);
    EXPECT_EQ(editor->fontChanges, 3);
    // Ctrl+wheel notches arrive as steps.
    window.zoom(-3);
    EXPECT_EQ(signFont.zoomPercent(), 80);
    QTest::keyClick(editor, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(signFont.zoomPercent(), 100);
    EXPECT_EQ(editor->fontChanges, 7);
    // Already at the chosen size: nothing to follow.
    QTest::keyClick(editor, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(editor->fontChanges, 7);
    EXPECT_TRUE(settings.writes().empty());
}

TEST_F(MainWindowTest, BothAboutKeysOpenTheAboutBox)
{
    for (const Qt::Key key : {Qt::Key_Question, Qt::Key_Slash}) {
        Activate(window);
        editor->setFocus();
        QString caption;
        test::OnNextModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            static_cast<QDialog*>(modal)->accept();
        });
        QTest::keyClick(editor, key, Qt::AltModifier);
        EXPECT_EQ(caption, QStringLiteral("バージョン情報 Velmora")) << key;
    }
}

TEST_F(MainWindowTest, StatusBarShowsTheInitialTextsThenTheEditorsState)
{
    ASSERT_TRUE(Part("statusMode") && Part("statusLine") && Part("statusColumn"));
    EXPECT_EQ(Part("statusMode")->text(), "Alphabet");
    EXPECT_EQ(Part("statusLine")->text(), "line: 1");
    EXPECT_EQ(Part("statusColumn")->text(), "column: 1");
    EXPECT_EQ(Part("statusMode")->width(), 80);
    EXPECT_EQ(Part("statusLine")->width(), 80);
    EXPECT_EQ(Part("statusMode")->parentWidget(), window.statusBar());

    // Counted from 1, as the messages count lines.
    editor->alphabetMode = false;
    editor->cursor = {12, 345};
    window.updateStatusBar();
    EXPECT_EQ(Part("statusMode")->text(), "Sign");
    EXPECT_EQ(Part("statusLine")->text(), "line: 13");
    EXPECT_EQ(Part("statusColumn")->text(), "column: 346");

    // What a lookup found takes the setting's place, as wide as it needs.
    window.show();
    editor->lookupStatus = "no sign for lugalšarrukīn";
    window.updateStatusBar();
    EXPECT_EQ(Part("statusMode")->text(), "no sign for lugalšarrukīn");
    QApplication::processEvents();
    EXPECT_GE(Part("statusMode")->width(), Part("statusMode")->sizeHint().width());
    editor->lookupStatus.clear();
    window.updateStatusBar();
    EXPECT_EQ(Part("statusMode")->text(), "Sign");
}

TEST_F(MainWindowTest, TheSignAtTheCursorIsInTheStatusBarAndF1ShowsAllItsReadings)
{
    editor->document.InsertCell(0, 0, 0x12195);
    editor->document.SetReading(0, 0, 1, ReadingTable::Intern(std::string_view("du₃")));
    editor->cursor = {0, 1};
    window.updateStatusBar();
    // The sign part follows when the keys pause.
    ASSERT_TRUE(Part("statusSign") && Part("statusSignGlyph"));
    EXPECT_EQ(Part("statusSign")->text(), "");
    QTest::qWait(CMainWindow::kSignStatusDelayMs * 3);
    EXPECT_EQ(Part("statusSignGlyph")->text(), QString::fromUtf8("𒆕"));
    EXPECT_EQ(Part("statusSign")->text(),
              QString::fromUtf8("KAK U+12195 · typed as du₃ · gag gak kak kaq qaq habur …"));
    // Its tooltip has room for all the readings.
    EXPECT_TRUE(Part("statusSign")->toolTip().contains(QString::fromUtf8("tu₂₀")));

    Activate(window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_F1);
    auto* info = window.findChild<CSignInfoWindow*>(QStringLiteral("signInformation"));
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->isVisible());
    const auto label = [&](const char* name) {
        return info->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    EXPECT_EQ(label("name"), "KAK  U+12195");
    EXPECT_EQ(label("typed"), QString::fromUtf8("du₃"));
    EXPECT_TRUE(label("readings").startsWith("gag gak kak"));
    EXPECT_TRUE(label("readings").contains(QString::fromUtf8("du₃")));
    EXPECT_EQ(label("names"), "KAK");
    EXPECT_TRUE(messages.messages().empty());

    // No sign before the cursor: the status bar part is empty, and Sign
    // Information says what to do.
    editor->cursor = {0, 0};
    window.updateStatusBar();
    QTest::qWait(CMainWindow::kSignStatusDelayMs * 3);
    EXPECT_EQ(Part("statusSignGlyph")->text(), "");
    EXPECT_EQ(Part("statusSign")->text(), "");
    window.action(CommandId::SignInformation)->trigger();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, texts::kNoSignChosen);
}

TEST_F(MainWindowTest, EditorFillsTheAreaAboveTheStatusBarAtEverySize)
{
    window.show();
    for (const QSize size : {QSize(640, 480), QSize(300, 200), QSize(1000, 700)}) {
        window.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(window.centralWidget(), editor);
        EXPECT_EQ(editor->geometry().bottom() + 1, window.statusBar()->geometry().top());
        EXPECT_EQ(editor->width(), window.width());
    }
}

TEST_F(MainWindowTest, TitleNamesTheDocument)
{
    EXPECT_EQ(window.windowTitle(), "new file[*] - Velmora");
    test::ScratchFolder folder;
    test::WriteBytes(folder / "tablet.txt", "abc");
    EXPECT_TRUE(window.openFile(folder / "tablet.txt"));
    EXPECT_EQ(window.windowTitle(), "tablet.txt[*] - Velmora");
    EXPECT_FALSE(window.openFile(folder / "missing.txt"));
    EXPECT_EQ(window.windowTitle(), "tablet.txt[*] - Velmora");
    EXPECT_EQ(messages.messages().size(), 1u);

    // Unsaved changes are marked from the next editor event until saved.
    EXPECT_FALSE(window.isWindowModified());
    Type('x');
    window.updateStatusBar();
    EXPECT_TRUE(window.isWindowModified());
    window.action(CommandId::Save)->trigger();
    EXPECT_FALSE(window.isWindowModified());

    // A "[*]" of the file's own name is shown as it stands.
    test::WriteBytes(folder / "odd[*].txt", "abc");
    EXPECT_TRUE(window.openFile(folder / "odd[*].txt"));
    EXPECT_EQ(window.windowTitle(), "odd[*][*].txt[*] - Velmora");
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow)
{
    QSignalSpy closed(&window, &CMainWindow::closed);
    window.show();
    Type('a');
    question.answer(SaveChangesAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(closed.count(), 0);
    ASSERT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(question.questions()[0].owner, window.platformWindow());

    // Exit asks the same way.
    question.answer(SaveChangesAnswer::Cancel);
    window.action(CommandId::Exit)->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(question.questions().size(), 2u);

    question.answer(SaveChangesAnswer::Discard);
    window.action(CommandId::Exit)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, ClosingAfterAWordWasRegisteredAsksAboutTheWordData)
{
    QSignalSpy closed(&window, &CMainWindow::closed);
    window.show();
    dictionary.AddWord(0, CFWordSign::FromCells(std::vector<std::uint32_t>{'A'}),
                       CFWordSign::FromCells(std::vector<std::uint32_t>{0x12000}));
    question.answer(SaveChangesAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(question.questions()[0].text, "文字変換データは変更されています。保存しますか？");

    question.answer(SaveChangesAnswer::Discard);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, TypedTextReachesTheRecoveryCopyAndIsOfferedToTheNextRun)
{
    test::ScratchFolder folder;
    auto recovery = std::make_unique<CrashRecovery>(folder / "data");
    window.setCrashRecovery(recovery.get());
    Type('a');
    Type('b');
    // This editor reports no edits as they are made: the window's regular
    // check finds the changed text and hands it over; the copy catches up on
    // its own thread.
    for (int wait = 0; wait < 40 && !recovery->HasUnsavedCopy(); ++wait)
        QTest::qWait(50);
    ASSERT_TRUE(recovery->HasUnsavedCopy());
    ASSERT_TRUE(recovery->Flush());
    QLabel* warning = window.findChild<QLabel*>(QStringLiteral("statusRecovery"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isHidden());
    // This run ends without closing its window, as a killed one would.
    window.setCrashRecovery(nullptr);
    recovery.reset();

    TestEditorWidget* nextEditor = new TestEditorWidget;
    ScriptedSaveQuestion nextQuestion;
    CMainWindow next{
        MainWindowServices{dialogs, messages, nextQuestion, fontDialog, dictionary, signFont, settings},
        nextEditor};
    CrashRecovery nextRecovery(folder / "data");
    next.setCrashRecovery(&nextRecovery);
    QString text;
    test::OnNextModal([&](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        text = box->text();
        box->defaultButton()->click();
    });
    EXPECT_TRUE(next.offerRecovery());
    EXPECT_TRUE(text.startsWith(QStringLiteral("前回保存されなかった変更があります。復元しますか？")));
    EXPECT_TRUE(text.contains(QStringLiteral("new file")));
    EXPECT_EQ(nextEditor->document.Line(0).Cells().size(), 2u);
    EXPECT_TRUE(next.commands().IsModified());
    EXPECT_EQ(next.windowTitle(), "new file[*] - Velmora");
    EXPECT_TRUE(next.isWindowModified());

    // Giving the changes up on Exit removes the copy, and none comes back.
    nextQuestion.answer(SaveChangesAnswer::Discard);
    next.show();
    next.action(CommandId::Exit)->trigger();
    EXPECT_FALSE(next.isVisible());
    EXPECT_FALSE(std::filesystem::exists(nextRecovery.CopyPath()));
    EXPECT_TRUE(CrashRecovery(folder / "data").FindLeftOvers().empty());
}

TEST_F(MainWindowTest, EscapeOnTheRecoveryQuestionKeepsTheCopyForTheNextStart)
{
    test::ScratchFolder folder;
    {
        CrashRecovery killed(folder / "data");
        CFDocument text;
        text.InsertCell(0, 0, 0x12217);
        killed.Update(text, true, {});
        ASSERT_TRUE(killed.Flush());
    }
    for (int start = 0; start < 2; ++start) {
        CrashRecovery recovery(folder / "data");
        window.setCrashRecovery(&recovery);
        bool asked = false;
        test::OnNextModal([&](QWidget* modal) {
            asked = true;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        EXPECT_FALSE(window.offerRecovery());
        EXPECT_TRUE(asked) << "start " << start;
        window.setCrashRecovery(nullptr);
    }
}

TEST_F(MainWindowTest, AnUnchangedDocumentClosesWithoutAQuestion)
{
    QSignalSpy closed(&window, &CMainWindow::closed);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(question.questions().empty());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, EditCommandsGoToTheEditorAndAFailureIsReportedWithTheDocumentKept)
{
    window.action(CommandId::CopyLine)->trigger();
    window.action(CommandId::PasteLine)->trigger();
    window.action(CommandId::DeleteLine)->trigger();
    window.action(CommandId::CutLine)->trigger();
    EXPECT_EQ(editor->copies, 1);
    EXPECT_EQ(editor->pastes, 1);
    EXPECT_EQ(editor->deletions, 1);
    EXPECT_EQ(editor->cuts, 1);
    EXPECT_TRUE(messages.empty());

    Type('k');
    editor->throwOnCut = true;
    window.action(CommandId::CutLine)->trigger();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "内部エラーが発生しました。ドキュメントは保持されています。");
    EXPECT_EQ(messages.messages()[0].caption, "エラー");
    EXPECT_EQ(editor->document.LineLength(0), 1u);
    EXPECT_TRUE(window.commands().IsModified());
}

// The history keys, Select All and Convert Transliteration reach the
// editor's commands; Undo and Redo
// show in the menu whether there is anything to take back or make again;
// "Sign Input" and a click on the status bar's setting switch the setting.
TEST_F(MainWindowTest, HistoryKeysSelectAllAndTheSignInputSwitch)
{
    Activate(window);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(editor->undos, 1);
    EXPECT_EQ(editor->redos, 2);
    EXPECT_EQ(editor->selectAlls, 1);
    EXPECT_EQ(editor->conversions, 1);

    QMenu* edit = window.menuBar()->actions().at(1)->menu();
    ASSERT_TRUE(edit);
    editor->canUndo = true;
    emit edit->aboutToShow();
    EXPECT_TRUE(window.action(CommandId::Undo)->isEnabled());
    EXPECT_FALSE(window.action(CommandId::Redo)->isEnabled());
    emit edit->aboutToHide();
    EXPECT_TRUE(window.action(CommandId::Redo)->isEnabled());

    QAction& signInput = *window.action(CommandId::SignInput);
    EXPECT_TRUE(signInput.isCheckable());
    EXPECT_FALSE(signInput.isChecked());
    signInput.trigger();
    EXPECT_FALSE(editor->alphabetMode);
    EXPECT_TRUE(signInput.isChecked());
    EXPECT_EQ(Part("statusMode")->text(), "Sign");
    QTest::mouseClick(Part("statusMode"), Qt::LeftButton);
    EXPECT_TRUE(editor->alphabetMode);
    EXPECT_FALSE(signInput.isChecked());
    EXPECT_EQ(Part("statusMode")->text(), "Alphabet");
}

TEST_F(MainWindowTest, FontCommandChangesTheSignFontOnlyWhenAFontIsChosen)
{
    editor->cursor = {3, 4};
    window.action(CommandId::Font)->trigger();
    EXPECT_FALSE(signFont.useChosenSignFont());
    EXPECT_EQ(editor->CursorPosition(), (Position{3, 4}));

    FontAttributes chosen;
    chosen.faceName = "Noto Sans Cuneiform";
    chosen.height = -30;
    fontDialog.choice = chosen;
    window.action(CommandId::Font)->trigger();
    EXPECT_TRUE(signFont.useChosenSignFont());
    EXPECT_EQ(signFont.signAttributes(), chosen);
    EXPECT_EQ(editor->CursorPosition(), (Position{0, 0}));
    EXPECT_EQ(Part("statusLine")->text(), "line: 1");
    EXPECT_EQ(fontDialog.owners.back(), window.platformWindow());
}

// The texts of the Recent Files submenu as the user sees it when the File
// menu opens, "-" for the separator.
QStringList RecentMenu(CMainWindow& window)
{
    QMenu* file = window.menuBar()->actions().at(0)->menu();
    emit file->aboutToShow();
    QStringList out;
    for (QAction* item : window.action(CommandId::RecentFiles)->menu()->actions())
        out << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

QAction* RecentItem(CMainWindow& window, int index)
{
    return window.action(CommandId::RecentFiles)->menu()->actions().at(index);
}

QString Label(int number, const std::filesystem::path& path)
{
    return QStringLiteral("&%1 ").arg(number) + QString::fromStdU16String(path.u16string());
}

TEST_F(MainWindowTest, RecentFilesOfferTheDocumentsOpenedAndSavedLastAndReopenThem)
{
    test::ScratchFolder folder;
    const auto letter = folder / "letter.txt";
    const auto hymn = folder / "hymn & prayer.txt";
    const auto copy = folder / "copy.txt";
    test::WriteBytes(letter, "a-na be-li2-ia");
    test::WriteBytes(hymn, "i-nu an-um");
    EXPECT_EQ(RecentMenu(window), (QStringList{"-", "Clear(&C)"}));
    EXPECT_FALSE(window.action(CommandId::RecentFiles)->isEnabled());

    ASSERT_TRUE(window.openFile(letter));
    ASSERT_TRUE(window.openFile(hymn));
    dialogs.choose(copy);
    window.action(CommandId::SaveAs)->trigger();
    EXPECT_FALSE(window.openFile(folder / "missing.txt"));
    messages.clear();
    // "&" in a name is shown as itself, not as a mnemonic.
    EXPECT_EQ(RecentMenu(window),
              (QStringList{Label(1, copy), Label(2, folder / "hymn && prayer.txt"), Label(3, letter), "-",
                           "Clear(&C)"}));
    EXPECT_TRUE(window.action(CommandId::RecentFiles)->isEnabled());

    // A file deleted meanwhile is left out.
    std::filesystem::remove(copy);
    EXPECT_EQ(RecentMenu(window).size(), 4);

    // Choosing one with unsaved changes asks first, then opens it.
    Type('x');
    question.answer(SaveChangesAnswer::Discard);
    RecentItem(window, 1)->trigger();
    EXPECT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(window.windowTitle(), "letter.txt[*] - Velmora");
    EXPECT_EQ(RecentMenu(window).at(0), Label(1, letter));
    EXPECT_TRUE(messages.empty());

    // Clear empties the list for good.
    RecentMenu(window);
    RecentItem(window, 3)->trigger();
    EXPECT_FALSE(window.action(CommandId::RecentFiles)->isEnabled());
    EXPECT_EQ(RecentMenu(window), (QStringList{"-", "Clear(&C)"}));
    EXPECT_EQ(settings.readString("RecentFiles", "File1", "none"), "none");
    // A settings file that takes no writes is told once, and files still
    // open.
    settings.setWritable(false);
    messages.clear();
    ASSERT_TRUE(window.openFile(hymn));
    ASSERT_TRUE(window.openFile(letter));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, Tr(texts::kSettingsNotWritten));
    EXPECT_EQ(window.windowTitle(), "letter.txt[*] - Velmora");
}

TEST_F(MainWindowTest, AFileDroppedOnTheWindowOpensAfterTheQuestionAboutChanges)
{
    test::ScratchFolder folder;
    test::WriteBytes(folder / "tablet.txt", "lugal");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QString::fromStdU16String(folder.path().u16string())),
                   QUrl(QStringLiteral("https://oracc.org/x.txt")),
                   QUrl::fromLocalFile(QString::fromStdU16String((folder / "tablet.txt").u16string()))});
    QMimeData folderOnly;
    folderOnly.setUrls({QUrl::fromLocalFile(QString::fromStdU16String(folder.path().u16string()))});

    const auto enter = [&](const QMimeData& data) {
        QDragEnterEvent event(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        event.setAccepted(false);
        QApplication::sendEvent(&window, &event);
        return event.isAccepted();
    };
    // As a drag does: it enters the window, then drops.
    const auto drop = [&](const QMimeData& data) {
        ASSERT_TRUE(enter(data));
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
        QApplication::processEvents();
    };
    EXPECT_TRUE(window.acceptDrops());
    // The real editor leaves drops on it to the window around it.
    test::GuiTestKit kit;
    const CEditorWnd realEditor(kit.services, kit.signFont, kit.dictionary, CFModeData::kMainLineLimit);
    EXPECT_FALSE(realEditor.acceptDrops() || realEditor.viewport()->acceptDrops());
    EXPECT_FALSE(enter(folderOnly));
    EXPECT_TRUE(enter(files));

    Type('x');
    question.answer(SaveChangesAnswer::Cancel);
    drop(files);
    EXPECT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(window.windowTitle(), "new file[*] - Velmora");

    question.answer(SaveChangesAnswer::Discard);
    drop(files);
    EXPECT_EQ(question.questions().size(), 2u);
    EXPECT_EQ(window.windowTitle(), "tablet.txt[*] - Velmora");
    EXPECT_EQ(editor->document.LineLength(0), 5u);
    EXPECT_EQ(settings.readString("RecentFiles", "File1", ""), (folder / "tablet.txt").string());
}

TEST_F(MainWindowTest, PlaceAndSizeAreKeptForTheNextStart)
{
    window.show();
    window.setGeometry(QRect(60, 70, 640, 480));
    QApplication::processEvents();
    ASSERT_TRUE(window.close());
    EXPECT_EQ(settings.readString("Window", "Width", ""), "640");
    EXPECT_EQ(settings.readString("Window", "Maximized", ""), "0");

    CMainWindow next(services, new TestEditorWidget);
    EXPECT_EQ(next.geometry(), QRect(60, 70, 640, 480));
    EXPECT_FALSE(next.windowState() & Qt::WindowMaximized);

    // Maximized, it keeps the size it returns to.
    next.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(next.close());
    EXPECT_EQ(settings.readString("Window", "Maximized", ""), "1");
    EXPECT_EQ(settings.readString("Window", "Height", ""), "480");
    CMainWindow third(services, new TestEditorWidget);
    EXPECT_TRUE(third.windowState() & Qt::WindowMaximized);

    // A place no screen shows any more: the size is kept, the place left to
    // the window system.
    settings.set("Window", "X", "-50000");
    settings.set("Window", "Maximized", "0");
    CMainWindow moved(services, new TestEditorWidget);
    EXPECT_EQ(moved.size(), QSize(640, 480));
    EXPECT_NE(moved.geometry().x(), -50000);
}

} // namespace
} // namespace velmora
