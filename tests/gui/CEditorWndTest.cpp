#include "gui/CEditorWnd.h"
#include "platform/UserTexts.h"

#include "core/commands/MainMenu.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/CFSelectedText.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFScrollBar.h"
#include "core/view/TextLayout.h"
#include "gui/CCandidateWindow.h"
#include "qt/InternalError.h"
#include "qt/QtSurface.h"
#include "qt/QtTextTranslator.h"
#include "tests/support/gui/GuiTestKit.h"

#include <QApplication>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QRegion>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

class EditorWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor = std::make_unique<CEditorWnd>(kit.services, kit.signFont, kit.dictionary,
                                              CFModeData::kMainLineLimit);
        editor->resize(600, 400);
        QObject::connect(editor.get(), &CEditorWnd::edited, [this] { ++edits; });
        ASSERT_TRUE(ShowActive(*editor));
        editor->setFocus();
    }

    CFDocument& doc() { return editor->Document(); }
    Position at() const { return editor->CursorPosition(); }
    int mode() { return editor->modeCtrl().CurrentModeId(); }
    std::u32string line(std::uint32_t n) { return CellsOf(doc().Line(n)); }
    void signSetting() { QTest::keyClick(editor.get(), Qt::Key_Space, Qt::ControlModifier); }
    void fill(std::uint32_t n, std::uint32_t cell = 'x')
    {
        const std::vector<std::uint32_t> cells(n, cell);
        doc().InsertCells(n, 0, doc().LineLength(0), cells.data());
    }

    // A point inside the cell at p (or right of the line's end), in client
    // coordinates of the unscrolled view.
    QPoint pointOf(Position p)
    {
        const auto fonts = kit.signFont.Fonts();
        QtSurface surface(editor->viewport());
        const int h = LineHeight(surface, *fonts);
        const int x = PrefixExtent(doc().Line(p.line), surface, *fonts, p.column).cx;
        return QPoint(x + 1, int(p.line) * h + h / 2);
    }

    GuiTestKit kit;
    std::unique_ptr<CEditorWnd> editor;
    int edits = 0;
};

// Sends a key press that carries text but no key code the keyboard table
// knows, as a layout's ä or a compose sequence's é arrives.
void TypeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

void CommitText(QWidget* widget, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// Every keyboard types: what a key event carries goes in as typed, an input
// method's commit as one undo step; in "Sign" the letters of a layout join
// the transliteration, and typing on after a candidate accepts it.
TEST_F(EditorWidget, TextFromAnyLayoutOrInputMethodArrivesAsTyped)
{
    EXPECT_TRUE(editor->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(editor->inputMethodQuery(Qt::ImEnabled).toBool());
    QTest::keyClicks(editor.get(), "_lugal_ ");
    for (const char* text : {"ä", "ß", "é", "š", "ṣ", "ṭ", "ḫ"})
        TypeText(editor.get(), QString::fromUtf8(text));
    CommitText(editor.get(), QStringLiteral("日本語"));
    EXPECT_EQ(line(0), U"_lugal_ äßéšṣṭḫ日本語");
    // The caret is where the input method opens its window.
    const QRect caret = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_GT(caret.height(), 0);
    EXPECT_GT(caret.x(), 0);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), U"_lugal_ äßéšṣṭḫ");

    signSetting();
    TypeText(editor.get(), QStringLiteral("š"));
    QTest::keyClicks(editor.get(), "u");
    TypeText(editor.get(), QString::fromUtf8("Ṭ"));
    // Shift+s as a layout sends it: the text "S" with Shift.
    QTest::keyClick(editor.get(), 'S', Qt::ShiftModifier);
    QTest::keyClicks(editor.get(), "c3");
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"šuṬṣš₃");
    // A character no transliteration holds is refused, and said so.
    TypeText(editor.get(), QStringLiteral("é"));
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"šuṬṣš₃");
    EXPECT_NE(editor->LookupStatus().find("é"), std::string::npos);
    QTest::keyClick(editor.get(), Qt::Key_Escape);

    doc() = CFDocument();
    editor->DocumentReplaced();
    QTest::keyClicks(editor.get(), "du3");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    EXPECT_EQ(mode(), kSignSelectionModeId);
    CommitText(editor.get(), QStringLiteral("lugal"));
    EXPECT_EQ(line(0), (std::u32string{kDu3, kDu3}));
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"lugal");
}

// Typed, pasted and accepted text replaces the selection, and one Undo
// brings the selected text back with the readings of its signs.
TEST_F(EditorWidget, ASelectionIsReplacedAndUndoBringsItBack)
{
    signSetting();
    QTest::keyClicks(editor.get(), "du3");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    signSetting();
    QTest::keyClicks(editor.get(), "ab");
    const std::u32string before = line(0);
    const auto reading = doc().Line(0).ReadingAt(0);
    ASSERT_TRUE(reading);
    // The two signs of du₃ and the a: typing x replaces them.
    QTest::keyClick(editor.get(), Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(editor.get(), "x");
    EXPECT_EQ(line(0), U"xb");
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), before);
    EXPECT_EQ(doc().Line(0).ReadingAt(0), reading);

    // A paste over the selection, one step.
    kit.clipboard.setText(u"yz");
    QTest::keyClick(editor.get(), Qt::Key_End);
    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(editor.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(line(0), (std::u32string{kDu3, kDu3, U'a', U'y', U'z'}));
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), before);

    // An accepted candidate over the selection: the selection stays while
    // the transliteration is typed.
    signSetting();
    QTest::keyClick(editor.get(), Qt::Key_Home);
    QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(editor.get(), "lugal");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    EXPECT_EQ(line(0), (std::u32string{kLugal, U'a', U'b'}));
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), before);
}

// While a transliteration is pending, Ctrl+Z takes back its last keystroke
// and the commands that would edit underneath it wait, saying so.
TEST_F(EditorWidget, PendingInputIsNeitherLostNorEditedUnderneath)
{
    QTest::keyClicks(editor.get(), "ab");
    signSetting();
    QTest::keyClick(editor.get(), Qt::Key_A, Qt::ControlModifier);
    kit.clipboard.setText(u"zz");
    QTest::keyClicks(editor.get(), "lu");
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"l");
    for (const auto key : {Qt::Key_X, Qt::Key_V}) {
        QTest::keyClick(editor.get(), key, Qt::ControlModifier);
        EXPECT_EQ(line(0), U"ab");
        EXPECT_EQ(CellsOf(editor->modeData().pending), U"l");
        EXPECT_FALSE(editor->LookupStatus().empty());
    }
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    editor->ConvertTransliteration();
    EXPECT_EQ(line(0), U"ab");
    EXPECT_EQ(mode(), kInputModeId);
    // Undo from the menu does what Ctrl+Z does: the last keystroke, and
    // with nothing pending the last edit.
    editor->Undo();
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(line(0), U"ab");
    editor->Undo();
    EXPECT_EQ(line(0), U"a");
}

TEST_F(EditorWidget, SignSettingConvertsATransliterationAndInsertsTheSign)
{
    signSetting();
    EXPECT_FALSE(editor->AlphabetMode());
    edits = 0;
    QTest::keyClicks(editor.get(), "lugal");
    EXPECT_EQ(mode(), kInputModeId);
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"lugal");
    EXPECT_EQ(edits, 5);
    QTest::keyClick(editor.get(), Qt::Key_Space);
    EXPECT_EQ(mode(), kSignSelectionModeId);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(line(0), std::u32string(1, char32_t(kLugal)));
    EXPECT_EQ(at(), (Position{0, 1}));
    EXPECT_EQ(edits, 7);
}

TEST_F(EditorWidget, ASignRemembersTheReadingItWasTypedAsAndHoveringShowsIt)
{
    signSetting();
    QTest::keyClicks(editor.get(), "du3");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    // The third candidate is two signs, with one reading for both.
    ASSERT_EQ(line(0), (std::u32string{kDu3, kDu3}));
    const auto sign = editor->CurrentSign();
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->reading, "du₃");

    const QPoint onSign = pointOf({0, 0});
    QHelpEvent help(QEvent::ToolTip, onSign, editor->viewport()->mapToGlobal(onSign));
    QApplication::sendEvent(editor->viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("typed as du₃")))
        << QToolTip::text().toStdString();
    EXPECT_TRUE(QToolTip::text().contains(QString::fromStdString(sign->name + " " + sign->CodePoint())));
    // Right of the line's end there is no sign to tell about.
    EXPECT_TRUE(editor->signToolTip(pointOf({0, 2}) + QPoint(40, 0)).isEmpty());
    QToolTip::hideText();
}

TEST_F(EditorWidget, TypedSignNumberPreselectsItsCandidateAndDownCycles)
{
    signSetting();
    QTest::keyClicks(editor.get(), "du3");
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"du\u2083");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_EQ(mode(), kSignSelectionModeId);
    EXPECT_EQ(CellsOf(editor->modeData().candidates), (std::u32string{kDu3, kDu3}));
    // After the last candidate comes the first.
    QTest::keyClick(editor.get(), Qt::Key_Down);
    EXPECT_EQ(CellsOf(editor->modeData().candidates), std::u32string(1, char32_t(kDu1)));
    QTest::keyClick(editor.get(), Qt::Key_Down);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    EXPECT_EQ(line(0), std::u32string(1, char32_t(kDu2)));
    EXPECT_EQ(at(), (Position{0, 1}));
}

// The candidate window: listed beside the caret, off the caret's row, while
// candidates are shown; the keys move its highlight; a click on a row
// accepts that candidate; it goes with the focus, Escape and a move of the
// window, and never takes the keys from the editor.
TEST_F(EditorWidget, CandidateWindowFollowsTheKeysAndAcceptsAClickedRow)
{
    const CCandidateWindow& list = editor->candidateWindow();
    QTest::keyClicks(editor.get(), "aa ");
    signSetting();
    QTest::keyClicks(editor.get(), "du");
    EXPECT_FALSE(list.isVisible());
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_TRUE(list.isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(QApplication::activeWindow(), editor.get());
    ASSERT_EQ(list.list().rows.size(), 3u);
    EXPECT_EQ(list.list().rows[0].reading, "du");
    EXPECT_EQ(list.list().rows[1].reading, "du₂");
    EXPECT_EQ(list.list().rows[2].reading, "du₃");
    EXPECT_EQ(list.list().rows[2].signs, (std::vector<std::uint32_t>{kDu3, kDu3}));
    EXPECT_EQ(list.list().rows[0].names, "DU");
    // Beside the caret, not over its row.
    const QPoint origin = editor->viewport()->mapToGlobal(QPoint(0, 0));
    const QPoint caret = origin + pointOf(at()) - QPoint(1, 0);
    const int rowHeight = 2 * (pointOf({0, 0}).y());
    const QRect caretRow(origin.x(), caret.y() - rowHeight / 2, editor->viewport()->width(), rowHeight);
    EXPECT_FALSE(list.geometry().intersects(caretRow));
    EXPECT_EQ(list.geometry().left(), caret.x());

    // The keys move the highlight as they move the candidate, also a key
    // the window system gave the list (the focus following the pointer).
    QTest::keyClick(const_cast<CCandidateWindow*>(&list), Qt::Key_Down);
    EXPECT_EQ(list.list().current, 1);
    QTest::keyClick(editor.get(), Qt::Key_Up);
    QTest::keyClick(editor.get(), Qt::Key_Up);
    EXPECT_EQ(list.list().current, 2);
    EXPECT_EQ(editor->modeCtrl().selSignMode().candidateIndex(), 2);

    // A click on du₂ accepts it; the list closes.
    edits = 0;
    QTest::mouseClick(const_cast<CCandidateWindow*>(&list), Qt::LeftButton, {}, list.rowRect(1).center());
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(line(0), (std::u32string{U'a', U'a', U' ', kDu2}));
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(edits, 1);

    // Away with the focus, back with it; Escape drops the candidates.
    QTest::keyClicks(editor.get(), "du");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_TRUE(list.isVisible());
    QWidget other;
    ASSERT_TRUE(ShowActive(other));
    other.setFocus();
    EXPECT_FALSE(list.isVisible());
    ASSERT_TRUE(ShowActive(*editor));
    editor->setFocus();
    EXPECT_TRUE(list.isVisible());
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(line(0), (std::u32string{U'a', U'a', U' ', kDu2}));

    // The window moves: the list closes until the next key.
    QTest::keyClicks(editor.get(), "du");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_TRUE(list.isVisible());
    editor->move(editor->pos() + QPoint(30, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list.isVisible(); }, 1000));
    QTest::keyClick(editor.get(), Qt::Key_Down);
    EXPECT_TRUE(list.isVisible());
}

// On the last line in view the list opens above the caret's row rather
// than over whatever lies under the editor (the status bar).
TEST_F(EditorWidget, CandidateListOpensAboveTheCaretOnTheLastLineInView)
{
    const CCandidateWindow& list = editor->candidateWindow();
    const QRect view(editor->viewport()->mapToGlobal(QPoint(0, 0)), editor->viewport()->size());
    const auto fonts = kit.signFont.Fonts();
    QtSurface surface(editor->viewport());
    const int rowHeight = LineHeight(surface, *fonts);
    const int rows = view.height() / rowHeight;
    ASSERT_GT(rows, 2);
    for (int i = 1; i < rows; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Return);
    signSetting();
    QTest::keyClicks(editor.get(), "du");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_TRUE(list.isVisible());
    const int caretTop = view.top() + int(at().line - editor->scrollBar().TopLine()) * rowHeight;
    EXPECT_LE(list.geometry().bottom(), caretTop);
    EXPECT_GE(list.geometry().top(), view.top());

    // On the first line, below it.
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(editor.get(), "du");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    ASSERT_TRUE(list.isVisible());
    EXPECT_GE(list.geometry().top(), view.top() + rowHeight);
}

TEST_F(EditorWidget, AlphabetSettingTypesWhatTheLayoutShowsAndBackspaceDeletes)
{
    ASSERT_TRUE(editor->AlphabetMode());
    QTest::keyClicks(editor.get(), "a-B?@(\"^");
    EXPECT_EQ(line(0), U"a-B?@(\"^");
    QTest::keyClick(editor.get(), Qt::Key_Backspace);
    QTest::keyClick(editor.get(), Qt::Key_Backspace);
    EXPECT_EQ(line(0), U"a-B?@(");
    EXPECT_EQ(at(), (Position{0, 6}));
}

TEST_F(EditorWidget, KeysTheModesDoNotKnowAreLeftToTheParent)
{
    QTest::keyClick(editor.get(), Qt::Key_F5);
    QTest::keyClick(editor.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(line(0), U"");
}

TEST_F(EditorWidget, ClickPlacesTheCursorAndResetsTheSelection)
{
    QTest::keyClicks(editor.get(), "abcdef");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClicks(editor.get(), "gh");
    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    ASSERT_TRUE(editor->modeData().selection->active());
    edits = 0;

    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, pointOf({0, 3}));
    EXPECT_EQ(at(), (Position{0, 3}));
    const CFSelectedText& selection = *editor->modeData().selection;
    EXPECT_EQ(selection.start(), (Position{0, 3}));
    EXPECT_EQ(selection.end(), (Position{0, 3}));
    EXPECT_EQ(edits, 1);

    // Right of the end of the second line.
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, pointOf({1, 2}) + QPoint(40, 0));
    EXPECT_EQ(at(), (Position{1, 2}));
}

TEST_F(EditorWidget, ClicksFollowTheWidthsOfAFontChosenLater)
{
    QTest::keyClicks(editor.get(), "abcdefgh");
    const QPoint third = pointOf({0, 3});
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, third);
    ASSERT_EQ(at(), (Position{0, 3}));

    // Letters twice as wide: the same point now lies over the second cell.
    FontAttributes wide = CFSignFont::DefaultTextFont();
    wide.width *= 2;
    kit.signFont.ChooseTextFont(wide);
    editor->ResetView();
    const QPoint thirdNow = pointOf({0, 3});
    EXPECT_GT(thirdNow.x(), third.x() + 20);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, thirdNow);
    EXPECT_EQ(at(), (Position{0, 3}));
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(at(), (Position{0, 1}));
}

// Remembers the region of every paint of a widget.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

TEST_F(EditorWidget, KeysPaintTheRowsThatChangedAndANewLineTheWholeView)
{
    QTest::keyClicks(editor.get(), "abc");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClicks(editor.get(), "def");
    QApplication::processEvents();
    const int h = pointOf({1, 0}).y() - pointOf({0, 0}).y();
    ASSERT_GT(h, 0);
    PaintRegions paints(editor->viewport());

    QTest::keyClick(editor.get(), Qt::Key_Left);
    QApplication::processEvents();
    ASSERT_FALSE(paints.regions.empty());
    EXPECT_EQ(paints.regions.back().boundingRect(), QRect(0, h, editor->viewport()->width(), h + 1));
    QTest::keyClick(editor.get(), Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_EQ(paints.regions.back().boundingRect(), QRect(0, 0, editor->viewport()->width(), 2 * h + 1));

    QTest::keyClicks(editor.get(), "x");
    QApplication::processEvents();
    EXPECT_EQ(paints.regions.back().boundingRect(), QRect(0, 0, editor->viewport()->width(), h + 1));
    EXPECT_EQ(line(0), U"abxc");

    // A new line moves every line below it.
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(paints.regions.back().boundingRect(), editor->viewport()->rect());
}

TEST_F(EditorWidget, ClickCommitsPendingInputAndTakesTheFocus)
{
    signSetting();
    QTest::keyClicks(editor.get(), "lu");
    editor->clearFocus();
    ASSERT_EQ(mode(), kInputModeId);

    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(line(0), U"lu");
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(EditorWidget, DragSelectsInNormalModeOnly)
{
    QTest::keyClicks(editor.get(), "abcdef");
    QWidget* viewport = editor->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf({0, 1}));
    QTest::mouseMove(viewport, pointOf({0, 4}));
    const CFSelectedText& selection = *editor->modeData().selection;
    EXPECT_EQ(selection.start(), (Position{0, 1}));
    EXPECT_EQ(selection.end(), (Position{0, 4}));
    EXPECT_EQ(at(), (Position{0, 4}));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pointOf({0, 4}));

    // A letter typed in the "Sign" setting while the button is held starts
    // input mode, which a drag does not reach.
    editor->modeData().alphabetMode = false;
    QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf({0, 1}));
    QTest::keyClick(editor.get(), Qt::Key_L);
    ASSERT_EQ(mode(), kInputModeId);
    QTest::mouseMove(viewport, pointOf({0, 5}));
    EXPECT_EQ(at(), (Position{0, 1}));
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"l");
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pointOf({0, 5}));
}

// A letter as it would be written: a name in signs, then the greeting in
// transliteration.
const std::u32string kLetterLine = U"\U0001202D\U00012097\U000121A4 a-na be-li₂-ia";

// Shift+click extends the selection from its anchor, a double click
// selects the word under the pointer, a triple click the line; while a
// transliteration is pending a click of any kind commits it, in place of
// the selection it was typed over, as Enter does.
TEST_F(EditorWidget, ShiftDoubleAndTripleClicksSelect)
{
    doc() = CFDocument();
    doc().InsertCells(static_cast<std::uint32_t>(kLetterLine.size()), 0, 0,
                      reinterpret_cast<const std::uint32_t*>(kLetterLine.data()));
    doc().InsertLine(1);
    const std::u32string second = U"um-ma ARAD-ka-a-ma";
    doc().InsertCells(static_cast<std::uint32_t>(second.size()), 1, 0,
                      reinterpret_cast<const std::uint32_t*>(second.data()));
    editor->DocumentReplaced();
    QWidget* viewport = editor->viewport();
    const CFSelectedText& selection = *editor->modeData().selection;
    const auto selected = [&] { return std::pair(selection.start(), selection.end()); };

    // Click inside "a-na", Shift+click on the second line, copy.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, pointOf({0, 5}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, pointOf({1, 2}));
    EXPECT_EQ(selected(), std::pair(Position{0, 5}, Position{1, 2}));
    EXPECT_EQ(at(), (Position{1, 2}));
    QTest::keyClick(editor.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(kit.clipboard.content());
    EXPECT_EQ(*kit.clipboard.content(), u"-na be-li₂-ia\r\num");
    // A second Shift+click moves the far end; the anchor stays.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, pointOf({0, 1}));
    EXPECT_EQ(selected(), std::pair(Position{0, 1}, Position{0, 5}));
    // Without a selection Shift+click reaches from the caret.
    QTest::keyClick(editor.get(), Qt::Key_End);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, pointOf({0, 9}));
    EXPECT_EQ(selected(), std::pair(Position{0, 9}, Position{0, 18}));

    // Double clicks: the signs of the name, a word of transliteration, and
    // right of the line's end its last word.
    const auto doubleClick = [&](QPoint point) {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
    };
    doubleClick(pointOf({0, 1}));
    EXPECT_EQ(selected(), std::pair(Position{0, 0}, Position{0, 3}));
    doubleClick(pointOf({0, 12}));
    EXPECT_EQ(selected(), std::pair(Position{0, 9}, Position{0, 18}));
    EXPECT_EQ(at(), (Position{0, 18}));
    doubleClick(pointOf({1, 18}) + QPoint(30, 0));
    EXPECT_EQ(selected(), std::pair(Position{1, 6}, Position{1, 18}));

    // A third click soon after a double click selects the line.
    doubleClick(pointOf({1, 2}));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, pointOf({1, 2}));
    EXPECT_EQ(selected(), std::pair(Position{1, 0}, Position{1, 18}));

    // Over the selected name, "lugal" is typed; a Shift+click commits it in
    // place of the name and selects nothing under it.
    signSetting();
    doubleClick(pointOf({0, 1}));
    QTest::keyClicks(editor.get(), "lugal");
    ASSERT_EQ(mode(), kInputModeId);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, pointOf({1, 4}));
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(line(0), U"lugal a-na be-li₂-ia");
    EXPECT_EQ(line(1), second);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), kLetterLine);
    // A double click while a transliteration is pending: the press commits
    // it, the double click then selects a word.
    QTest::keyClick(editor.get(), Qt::Key_End);
    QTest::keyClicks(editor.get(), "ma");
    doubleClick(pointOf({1, 1}));
    EXPECT_EQ(line(0), kLetterLine + U"ma");
    EXPECT_EQ(selected(), std::pair(Position{1, 0}, Position{1, 5}));
}

// The context menu: the Edit menu's editing commands with their keys, each
// enabled only when it can act, none acting underneath a pending
// transliteration, each running the command its key runs.
TEST_F(EditorWidget, ContextMenuOffersWhatCanActAndRunsIt)
{
    QTest::keyClicks(editor.get(), "a-na be-li2-ia");
    kit.clipboard.setNoText();
    const auto openMenu = [&] {
        QWindow* window = editor->windowHandle();
        const QPoint point = window->mapFromGlobal(editor->viewport()->mapToGlobal(pointOf({0, 0})));
        QTest::mouseClick(window, Qt::RightButton, {}, point);
        QMenu* menu = editor->contextMenu();
        EXPECT_NE(menu, nullptr);
        std::map<CommandId, QAction*> actions;
        if (menu) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    actions[static_cast<CommandId>(action->data().toInt())] = action;
            }
        }
        return actions;
    };
    const auto enabled = [](const std::map<CommandId, QAction*>& actions) {
        std::set<CommandId> on;
        for (const auto& [id, action] : actions) {
            if (action->isEnabled())
                on.insert(id);
        }
        return on;
    };

    auto actions = openMenu();
    ASSERT_EQ(actions.size(), 8u);
    EXPECT_EQ(actions.at(CommandId::CutLine)->text(), UiText(texts::kCutLineItem));
    EXPECT_EQ(actions.at(CommandId::CutLine)->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(actions.at(CommandId::ConvertTransliteration)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+T")));
    // Nothing selected, nothing on the clipboard.
    EXPECT_EQ(enabled(actions),
              (std::set{CommandId::Undo, CommandId::SelectAll, CommandId::ConvertTransliteration}));
    editor->contextMenu()->close();

    // "be-li2-ia" selected: Cut, Copy, Delete too; Cut takes it out as one
    // step that Undo takes back.
    QTest::keyClick(editor.get(), Qt::Key_End);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    actions = openMenu();
    EXPECT_EQ(enabled(actions),
              (std::set{CommandId::Undo, CommandId::CutLine, CommandId::CopyLine, CommandId::DeleteLine,
                        CommandId::SelectAll, CommandId::ConvertTransliteration}));
    actions.at(CommandId::CutLine)->trigger();
    editor->contextMenu()->close();
    EXPECT_EQ(line(0), U"a-na ");
    ASSERT_TRUE(kit.clipboard.content());
    EXPECT_EQ(*kit.clipboard.content(), u"be-li2-ia");
    actions = openMenu();
    EXPECT_EQ(enabled(actions),
              (std::set{CommandId::Undo, CommandId::PasteLine, CommandId::SelectAll,
                        CommandId::ConvertTransliteration}));
    actions.at(CommandId::Undo)->trigger();
    editor->contextMenu()->close();
    EXPECT_EQ(line(0), U"a-na be-li2-ia");
    actions = openMenu();
    EXPECT_TRUE(actions.at(CommandId::Redo)->isEnabled());
    editor->contextMenu()->close();

    // While "lu" is pending over a selection, only Undo (the keystroke) and
    // Copy (of the selection) can act; the right click commits nothing.
    signSetting();
    QTest::keyClick(editor.get(), Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(editor.get(), "lu");
    actions = openMenu();
    EXPECT_EQ(mode(), kInputModeId);
    EXPECT_EQ(enabled(actions), (std::set{CommandId::Undo, CommandId::CopyLine}));
    actions.at(CommandId::Undo)->trigger();
    editor->contextMenu()->close();
    EXPECT_EQ(CellsOf(editor->modeData().pending), U"l");
    EXPECT_EQ(line(0), U"a-na be-li2-ia");
    QTest::keyClick(editor.get(), Qt::Key_Escape);

    // Convert Transliteration needs letters: none in a line of signs.
    doc() = CFDocument();
    editor->DocumentReplaced();
    QTest::keyClicks(editor.get(), "lugal");
    QTest::keyClick(editor.get(), Qt::Key_Space);
    QTest::keyClick(editor.get(), Qt::Key_Return);
    ASSERT_EQ(line(0), (std::u32string{kLugal}));
    actions = openMenu();
    EXPECT_FALSE(actions.at(CommandId::ConvertTransliteration)->isEnabled());
    editor->contextMenu()->close();
}

// Dragging past the bottom edge keeps scrolling while the pointer stays
// there, the selection following; past the top it scrolls back.
TEST_F(EditorWidget, DragPastTheEdgeScrollsAndExtendsTheSelection)
{
    for (int i = 0; i < 60; ++i) {
        QTest::keyClicks(editor.get(), "a-na");
        QTest::keyClick(editor.get(), Qt::Key_Return);
    }
    QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
    const CFScrollBar& scroll = editor->scrollBar();
    ASSERT_EQ(scroll.TopLine(), 0u);
    QWidget* viewport = editor->viewport();
    const int rows = viewport->height() / (pointOf({1, 0}).y() - pointOf({0, 0}).y());
    const CFSelectedText& selection = *editor->modeData().selection;

    QTest::mousePress(viewport, Qt::LeftButton, {}, pointOf({1, 2}));
    QTest::mouseMove(viewport, QPoint(40, viewport->height() + 30));
    QTest::qWait(400);
    const std::uint32_t top = scroll.TopLine();
    EXPECT_GT(top, 2u);
    EXPECT_EQ(selection.start(), (Position{1, 2}));
    EXPECT_GT(selection.end().line, std::uint32_t(rows));
    EXPECT_EQ(at(), selection.end());
    // The caret stays in view.
    EXPECT_GE(at().line, scroll.TopLine());

    // Back above the top edge: up again, the anchor kept.
    QTest::mouseMove(viewport, QPoint(40, -20));
    QTest::qWait(200);
    EXPECT_LT(scroll.TopLine(), top);
    EXPECT_EQ(at().line, scroll.TopLine());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, -20));
    const std::uint32_t released = scroll.TopLine();
    QTest::qWait(150);
    EXPECT_EQ(scroll.TopLine(), released);
}

TEST_F(EditorWidget, CaretBlinksWhileFocusedAndHidesWithoutFocus)
{
    const CCursor& cursor = *editor->modeData().cursor;
    ASSERT_TRUE(editor->hasFocus());
    EXPECT_TRUE(cursor.caretVisible);
    bool blinked = false;
    for (int i = 0; i < 60 && !blinked; ++i) {
        QTest::qWait(50);
        blinked = !cursor.caretVisible;
    }
    EXPECT_TRUE(blinked);

    QWidget other;
    ASSERT_TRUE(ShowActive(other));
    other.setFocus();
    ASSERT_FALSE(editor->hasFocus());
    EXPECT_FALSE(cursor.caretVisible);
    QTest::qWait(700);
    EXPECT_FALSE(cursor.caretVisible);
}

TEST_F(EditorWidget, TabIsAKeyOfTheEditor)
{
    QWidget parent;
    auto* first = new CEditorWnd(kit.services, kit.signFont, kit.dictionary, 60000, &parent);
    auto* second = new CEditorWnd(kit.services, kit.signFont, kit.dictionary, 60000, &parent);
    second->move(0, 200);
    int firstEdits = 0;
    QObject::connect(first, &CEditorWnd::edited, [&] { ++firstEdits; });
    ASSERT_TRUE(ShowActive(parent));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_FALSE(second->hasFocus());
    // The Tab presses and the Shift went to the editor.
    EXPECT_EQ(firstEdits, 3);
}

TEST_F(EditorWidget, ViewFollowsTheCursorOnALongDocument)
{
    QApplication::processEvents();
    EXPECT_FALSE(editor->verticalScrollBar()->isVisible());
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Return);
    const CFScrollBar& scroll = editor->scrollBar();
    EXPECT_EQ(at(), (Position{40, 0}));
    EXPECT_GT(scroll.TopLine(), 0u);
    EXPECT_EQ(editor->verticalScrollBar()->value(), int(scroll.TopLine()));
    EXPECT_EQ(scroll.Vertical().Info().nMax, 41);
    // The bar appears once there is more than a page to scroll through.
    QApplication::processEvents();
    EXPECT_TRUE(editor->verticalScrollBar()->isVisible());

    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Up);
    EXPECT_EQ(scroll.TopLine(), 0u);
    EXPECT_EQ(editor->verticalScrollBar()->value(), 0);

    editor->NewDocument();
    QApplication::processEvents();
    EXPECT_FALSE(editor->verticalScrollBar()->isVisible());
}

TEST_F(EditorWidget, ScrollBarActionsAndTheWheelScrollByLines)
{
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Return);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Up);
    const CFScrollBar& scroll = editor->scrollBar();
    QScrollBar& bar = *editor->verticalScrollBar();
    ASSERT_EQ(scroll.TopLine(), 0u);

    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scroll.TopLine(), 2u);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(scroll.TopLine(), 1u);
    EXPECT_EQ(bar.value(), 1);
    // A click in the trough pages by the rows shown whole, and the bar
    // stays with the view.
    const int rows = editor->scrollBar().Vertical().PageStep();
    ASSERT_GT(rows, 1);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scroll.TopLine(), 1u + rows);
    EXPECT_EQ(bar.value(), 1 + rows);
    bar.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scroll.TopLine(), 1u);
    // The bottom is the last full page, where the thumb ends.
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_EQ(scroll.TopLine(), std::uint32_t(bar.maximum()));
    EXPECT_LT(scroll.TopLine(), 41u - rows + 1);
    bar.setSliderPosition(7);
    EXPECT_EQ(scroll.TopLine(), 7u);
    bar.triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(scroll.TopLine(), 0u);

    const QPointF inside(50, 50);
    QWheelEvent down(inside, editor->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor->viewport(), &down);
    EXPECT_EQ(scroll.TopLine(), 3u);
    // Half notches add up.
    QWheelEvent half(inside, editor->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, 60), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor->viewport(), &half);
    EXPECT_EQ(scroll.TopLine(), 3u);
    QApplication::sendEvent(editor->viewport(), &half);
    EXPECT_EQ(scroll.TopLine(), 0u);
}

TEST_F(EditorWidget, ZoomKeepsTheCursorInSightAndCtrlWheelAsksForIt)
{
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Return);
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Up);
    const CFScrollBar& scroll = editor->scrollBar();
    const auto inSight = [&] {
        const std::uint32_t top = scroll.TopLine();
        return at().line >= top && at().line < top + std::uint32_t(scroll.Vertical().PageStep());
    };
    ASSERT_EQ(at(), (Position{25, 0}));
    ASSERT_TRUE(inSight());
    const int rows = scroll.Vertical().PageStep();

    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(kit.signFont.ZoomIn());
        editor->FontsChanged();
        EXPECT_TRUE(inSight()) << kit.signFont.zoomPercent() << "%";
    }
    EXPECT_LT(scroll.Vertical().PageStep(), rows);
    EXPECT_EQ(editor->verticalScrollBar()->value(), int(scroll.TopLine()));
    while (kit.signFont.ZoomOut())
        editor->FontsChanged();
    EXPECT_TRUE(inSight());
    EXPECT_GT(scroll.Vertical().PageStep(), rows);

    // With Ctrl the wheel asks for a zoom, one step a notch, and scrolls nothing.
    QSignalSpy zooms(editor.get(), &CEditorWnd::zoomRequested);
    const std::uint32_t top = scroll.TopLine();
    const QPointF inside(50, 50);
    for (const int delta : {120, -240, 60, 60}) {
        QWheelEvent wheel(inside, editor->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor->viewport(), &wheel);
    }
    ASSERT_EQ(zooms.size(), 3);
    EXPECT_EQ(zooms[0][0].toInt(), 1);
    EXPECT_EQ(zooms[1][0].toInt(), -2);
    EXPECT_EQ(zooms[2][0].toInt(), 1);
    EXPECT_EQ(scroll.TopLine(), top);
}

TEST_F(EditorWidget, HorizontalThumbReachesTheWholeRange)
{
    QScrollBar& bar = *editor->horizontalScrollBar();
    bar.setSliderPosition(300);
    EXPECT_EQ(editor->scrollBar().LeftOffset(), 300);
    bar.setSliderPosition(70000);
    EXPECT_EQ(editor->scrollBar().LeftOffset(), 70000);
    EXPECT_EQ(bar.value(), 70000);
}

// The keys of a desktop editor, with the modifiers of their events.
TEST_F(EditorWidget, NavigationSelectionDeleteAndHistoryKeys)
{
    QTest::keyClicks(editor.get(), "a-na be-li-ia");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClicks(editor.get(), "qi-bi-ma");
    QTest::keyClick(editor.get(), Qt::Key_Home);
    EXPECT_EQ(at(), (Position{1, 0}));
    QTest::keyClick(editor.get(), Qt::Key_End);
    EXPECT_EQ(at(), (Position{1, 8}));
    QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(at(), (Position{0, 5}));
    QTest::keyClick(editor.get(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    const CFSelectedText& selection = *editor->modeData().selection;
    EXPECT_EQ(selection.start(), (Position{0, 5}));
    EXPECT_EQ(selection.end(), (Position{0, 13}));
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QTest::keyClick(editor.get(), Qt::Key_Delete); // joins the next line
    EXPECT_EQ(line(0), U"a-na qi-bi-ma");
    EXPECT_EQ(doc().LineCount(), 1u);

    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), U"a-na be-li-ia");
    QTest::keyClick(editor.get(), Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(line(0), U"a-na qi-bi-ma");
    QTest::keyClick(editor.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor.get(), Qt::Key_Backspace);
    EXPECT_EQ(line(0), U"");
    QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), U"a-na qi-bi-ma");

    // Page Down moves the cursor and the view by the rows shown whole.
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(editor.get(), Qt::Key_Return);
    QTest::keyClick(editor.get(), Qt::Key_Home, Qt::ControlModifier);
    const std::uint32_t rows = editor->scrollBar().Vertical().PageStep();
    ASSERT_GT(rows, 1u);
    QTest::keyClick(editor.get(), Qt::Key_PageDown);
    EXPECT_EQ(at(), (Position{rows, 0}));
    EXPECT_EQ(editor->scrollBar().TopLine(), rows);
    QTest::keyClick(editor.get(), Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(at(), (Position{0, 0}));
    EXPECT_EQ(selection.end(), (Position{rows, 0}));
    EXPECT_EQ(editor->scrollBar().TopLine(), 0u);
}

TEST_F(EditorWidget, OneLineFieldNeverSplitsItsLine)
{
    CEditorWnd field(kit.services, kit.signFont, kit.dictionary, 1);
    field.resize(370, CEditorWnd::kWordFieldHeight);
    ASSERT_TRUE(ShowActive(field));
    field.setFocus();
    QTest::keyClicks(&field, "ab");
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClicks(&field, "c");
    EXPECT_EQ(field.Document().LineCount(), 1u);
    EXPECT_EQ(CellsOf(field.text()), U"abc");
}

TEST_F(EditorWidget, AWordFieldSizedAfterItWasMadeHasNothingToScrollVertically)
{
    QWidget window;
    auto* field = new CEditorWnd(kit.services, kit.signFont, kit.dictionary, 1, &window);
    field->setGeometry(10, 35, 370, CEditorWnd::kWordFieldHeight);
    ASSERT_TRUE(ShowActive(window));
    QApplication::processEvents();
    EXPECT_FALSE(field->verticalScrollBar()->isVisible());
    EXPECT_TRUE(field->horizontalScrollBar()->isVisible());
}

TEST_F(EditorWidget, CutAndDeleteLineActOnTheSelectionOnly)
{
    QTest::keyClicks(editor.get(), "abc");
    const std::size_t undoBefore = editor->modeData().undoList->count();
    editor->CutLine();
    editor->DeleteLine();
    EXPECT_EQ(line(0), U"abc");
    EXPECT_EQ(at(), (Position{0, 3}));
    EXPECT_EQ(editor->modeData().undoList->count(), undoBefore);
    EXPECT_EQ(kit.clipboard.putCount(), 0);

    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    editor->CutLine();
    EXPECT_EQ(line(0), U"a");
    EXPECT_EQ(kit.clipboard.content(), std::optional<std::u16string>(u"bc"));
    EXPECT_EQ(at(), (Position{0, 1}));

    editor->PasteLine();
    EXPECT_EQ(line(0), U"abc");
    QTest::keyClick(editor.get(), Qt::Key_Left, Qt::ShiftModifier);
    editor->CopyLine();
    EXPECT_EQ(kit.clipboard.content(), std::optional<std::u16string>(u"c"));
    editor->DeleteLine();
    EXPECT_EQ(line(0), U"ab");
}

TEST_F(EditorWidget, PasteLineNeverLeavesALineLongerThanTheLimit)
{
    fill(995);
    editor->modeData().cursor->setPosition({0, 995});
    kit.clipboard.setText(u"abcdefghij");
    editor->PasteLine();
    EXPECT_EQ(doc().LineLength(0), 995u);
    EXPECT_EQ(kit.messages.messages().at(0).text, "行の最大文字数を超えるためペーストできません。");

    kit.clipboard.setText(u"abcd");
    editor->PasteLine();
    EXPECT_EQ(doc().LineLength(0), 999u);
    EXPECT_EQ(at(), (Position{0, 999}));
}

TEST_F(EditorWidget, NewDocumentLeavesPendingInputAndOldText)
{
    QTest::keyClicks(editor.get(), "abc");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    signSetting();
    QTest::keyClicks(editor.get(), "lu");
    ASSERT_EQ(mode(), kInputModeId);

    editor->NewDocument();
    EXPECT_EQ(mode(), kNormalModeId);
    EXPECT_EQ(doc().LineCount(), 1u);
    EXPECT_EQ(line(0), U"");
    EXPECT_EQ(at(), (Position{0, 0}));
    EXPECT_TRUE(editor->modeData().pending.Empty());
    EXPECT_EQ(editor->modeData().undoList->count(), 0u);
    QTest::keyClicks(editor.get(), "ka");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    EXPECT_EQ(line(0), U"ka");
}

TEST_F(EditorWidget, RepaintAndFocusHandsTheFocusOn)
{
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    ASSERT_TRUE(ShowActive(other));
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    editor->setFocus();
    editor->repaintAndFocus(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(other.hasFocus());
}

TEST_F(EditorWidget, FailureInAKeyIsReportedAndTheDocumentKept)
{
    QTest::keyClicks(editor.get(), "ab");
    // A cursor off the document makes the edit fail inside the document.
    editor->modeData().cursor->setPosition({5, 0});
    QTest::keyClick(editor.get(), Qt::Key_C);
    ASSERT_FALSE(kit.messages.empty());
    EXPECT_EQ(kit.messages.messages()[0].text, texts::kInternalError);
    EXPECT_EQ(kit.messages.messages()[0].caption, "エラー");
    EXPECT_EQ(line(0), U"ab");

    editor->modeData().cursor->setPosition({0, 2});
    QTest::keyClick(editor.get(), Qt::Key_C);
    EXPECT_EQ(line(0), U"abc");
}

} // namespace
} // namespace velmora::test
