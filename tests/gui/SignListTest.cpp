#include "gui/CSignListWindow.h"

#include "tests/support/gui/MainWindowWithEditor.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr std::uint32_t kKak = 0x12195, kA = 0x12000, kAn = 0x1202D;

class SignListTest : public ::testing::Test, public MainWindowWithEditor {
protected:
    CSignListWindow& open()
    {
        window.action(CommandId::SignList)->trigger();
        CSignListWindow* list = window.signList();
        EXPECT_NE(list, nullptr);
        return *list;
    }
    std::vector<std::uint32_t> typeFilter(CSignListWindow& list, const QString& text)
    {
        list.filterField()->clear();
        // One key event with its text per character, as a keyboard layout
        // or an input method sends ₃.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(list.filterField(), &press);
        }
        return list.shownSigns();
    }
    std::u32string line() { return CellsOf(editor->Document().Line(0)); }
};

TEST_F(SignListTest, TheFilterFindsReadingsNamesAndCodePointsAsTheUserTypes)
{
    CSignListWindow& list = open();
    EXPECT_TRUE(list.isVisible());
    EXPECT_TRUE(list.filterField()->hasFocus());
    const std::size_t all = list.shownSigns().size();
    EXPECT_GT(all, 900u);

    // Readings in ASCII and in subscript notation, then a name: KAK first
    // and current, so that Enter takes it.
    for (const QString& filter : {QStringLiteral("du3"), QStringLiteral("du₃"), QStringLiteral("KAK")}) {
        const auto shown = typeFilter(list, filter);
        ASSERT_FALSE(shown.empty()) << filter.toStdString();
        EXPECT_EQ(shown.front(), kKak) << filter.toStdString();
        EXPECT_EQ(list.currentSign(), kKak) << filter.toStdString();
        EXPECT_LT(shown.size(), all);
    }
    // A compound name lists its signs; a code point its sign.
    const auto aan = typeFilter(list, QStringLiteral("|A.AN|"));
    ASSERT_GE(aan.size(), 2u);
    EXPECT_EQ(std::vector(aan.begin(), aan.begin() + 2), (std::vector<std::uint32_t>{kA, kAn}));
    EXPECT_EQ(typeFilter(list, QStringLiteral("U+12195")), std::vector<std::uint32_t>{kKak});
    EXPECT_EQ(typeFilter(list, QStringLiteral("12195")), std::vector<std::uint32_t>{kKak});
    // Down in the field moves through the list.
    const auto du = typeFilter(list, QStringLiteral("du"));
    QTest::keyClick(list.filterField(), Qt::Key_Down);
    EXPECT_EQ(list.currentSign(), du.at(1));
    list.filterField()->clear();
    EXPECT_EQ(list.shownSigns().size(), all);
}

TEST_F(SignListTest, EnterAndDoubleClickInsertTheSignAsOneUndoStepReplacingTheSelection)
{
    QTest::keyClicks(editor, QStringLiteral("ab"));
    QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
    CSignListWindow& list = open();
    typeFilter(list, QStringLiteral("du3"));
    QTest::keyClick(list.filterField(), Qt::Key_Return);
    EXPECT_EQ(line(), std::u32string(U"a") + char32_t(kKak));
    EXPECT_EQ(editor->CursorPosition(), (Position{0, 2}));
    // One step takes the sign back and brings the selected b again.
    editor->Undo();
    EXPECT_EQ(line(), U"ab");
    editor->Redo();
    EXPECT_EQ(line(), std::u32string(U"a") + char32_t(kKak));

    typeFilter(list, QStringLiteral("lugal"));
    const QModelIndex first = list.view()->model()->index(0, 1);
    const QPoint centre = list.view()->visualRect(first).center();
    // A double click is a click and a second press that the window system
    // reports as a double click.
    QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.view()->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(line(), std::u32string(U"a") + char32_t(kKak) + char32_t(kLugal));
    EXPECT_TRUE(window.isWindowModified());

    // "At Cursor" shows the sign before the cursor, clearing a filter that
    // hides it.
    typeFilter(list, QStringLiteral("du3"));
    list.findChild<QPushButton*>(QStringLiteral("signAtCursor"))->click();
    EXPECT_EQ(list.currentSign(), kLugal);
    EXPECT_TRUE(list.filterField()->text().isEmpty());
}

} // namespace
} // namespace velmora::test
