#include "gui/CTypingHelpWindow.h"

#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainWindowWithEditor.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {
namespace {

class FirstStartTest : public ::testing::Test, public MainWindowWithEditor {};

TEST_F(FirstStartTest, AnEmptyNewDocumentShowsAHintUntilTheFirstKeyThatTypesSomething)
{
    QLabel* hint = window.emptyHint();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains(QStringLiteral("Ctrl+Space")));
    EXPECT_TRUE(hint->text().contains(QStringLiteral("lugal")));
    EXPECT_TRUE(hint->text().contains(QStringLiteral("Import ATF")));
    // Inside the editor, clear of the first line where the caret is.
    EXPECT_GT(hint->geometry().top(), 0);
    EXPECT_TRUE(editor->viewport()->rect().contains(hint->geometry()));

    // Keys that type nothing leave it; switching to Sign is what it teaches.
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Right);
    EXPECT_TRUE(hint->isVisible());
    // The first letter starts a transliteration: the hint goes, and stays
    // away when the transliteration is dropped again.
    QTest::keyClick(editor, Qt::Key_L, Qt::NoModifier);
    EXPECT_FALSE(hint->isVisible());
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(editor->IsBlank());
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(FirstStartTest, ADocumentWithTextShowsNoHint)
{
    ScratchFolder folder;
    std::ofstream(folder / "letter.txt") << "a-na be-li2-ia";
    EXPECT_TRUE(window.openFile(folder / "letter.txt"));
    EXPECT_FALSE(window.emptyHint()->isVisible());
}

// The rows of the README's table of the keys of the "Sign" setting.
std::vector<std::pair<std::string, std::string>> ReadmeKeyTable()
{
    std::ifstream readme(VELMORA_SOURCE_DIR "/README.md");
    std::vector<std::pair<std::string, std::string>> rows;
    bool inTable = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("| Key (Sign setting) | Types |")) {
            inTable = true;
            continue;
        }
        if (!inTable || line.starts_with("|---"))
            continue;
        if (!line.starts_with("| "))
            break;
        const auto middle = line.find(" | ");
        rows.emplace_back(line.substr(2, middle - 2), line.substr(middle + 3, line.size() - middle - 5));
    }
    return rows;
}

TEST_F(FirstStartTest, TypingCuneiformShowsTheKeyTableOfTheReadme)
{
    window.action(CommandId::TypingHelp)->trigger();
    auto* help = window.findChild<CTypingHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const auto readme = ReadmeKeyTable();
    ASSERT_GT(readme.size(), 10u);
    QTableWidget* table = help->table();
    ASSERT_EQ(std::size_t(table->rowCount()), readme.size());
    for (int row = 0; row < table->rowCount(); ++row) {
        EXPECT_EQ(table->item(row, 0)->text().toStdString(), readme[std::size_t(row)].first) << row;
        EXPECT_EQ(table->item(row, 1)->text().toStdString(), readme[std::size_t(row)].second) << row;
    }
}

} // namespace
} // namespace velmora::test
