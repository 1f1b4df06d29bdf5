// The interface language: Japanese unless config.ini says otherwise, English
// in the menu, the messages and Qt's own dialogs when it does, and a switch
// from the Setting menu that takes effect at once and is kept.
#include "gui/CMainWindow.h"

#include "core/commands/FileDialogRecord.h"
#include "core/dictionary/CFWordDictionary.h"
#include "core/view/CFSignFont.h"
#include "platform/InterfaceLanguage.h"
#include "qt/QtLanguage.h"
#include "qt/QtMessageDisplay.h"
#include "tests/support/CommandDoubles.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScriptedSaveQuestion.h"
#include "tests/support/gui/ModalHelper.h"
#include "tests/support/gui/QStringPrinter.h"
#include "tests/support/gui/TestEditorWidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

// What a message box showed.
struct ShownBox {
    QString caption;
    QString text;
    QStringList buttons;
};

class LanguageTest : public ::testing::Test, protected test::CommandDoubles<QtMessageDisplay> {
protected:
    QtLanguage language;
    std::unique_ptr<CMainWindow> window;

    // Starts as the program does: the language from the settings, then the
    // window.
    void Start()
    {
        language.apply(ReadInterfaceLanguage(settings));
        window = std::make_unique<CMainWindow>(MainWindowServices{dialogs, messages, question, fontDialog,
                                                                  dictionary, signFont, settings, &language},
                                               new TestEditorWidget);
    }

    // Opens a file that is not there and returns the message box that says so.
    ShownBox OpenMissingFile()
    {
        ShownBox shown;
        test::OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box);
            shown = {box->windowTitle(), box->text(), {}};
            for (QAbstractButton* button : box->buttons())
                shown.buttons << button->text();
            box->accept();
        });
        EXPECT_FALSE(window->openFile("/nonexistent-folder/letter.txt"));
        return shown;
    }

    QString Item(CommandId id) const { return window->action(id)->text(); }

    // Chooses a language in the Setting menu; the windows hear of it by
    // events, as they would in the event loop.
    void Choose(const char* code)
    {
        LanguageItem(code)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    QAction* LanguageItem(const char* code) const
    {
        for (QAction* item : window->action(CommandId::Language)->menu()->actions())
            if (item->data().toString() == QLatin1String(code))
                return item;
        return nullptr;
    }

    // The text of Qt's own Cancel button, as Qt's dialogs show it.
    static QString QtCancel()
    {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    }
};

TEST_F(LanguageTest, JapaneseWithoutTheSetting)
{
    Start();
    EXPECT_EQ(language.current(), InterfaceLanguage::Japanese);
    EXPECT_EQ(Item(CommandId::PasteLine), "Paste(&P)");
    EXPECT_EQ(window->action(CommandId::Language)->text(), "Language(&L)");
    EXPECT_TRUE(LanguageItem("ja")->isChecked());
    EXPECT_FALSE(LanguageItem("en")->isChecked());

    const ShownBox box = OpenMissingFile();
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text,
              "ファイルを読み込めませんでした。\n/nonexistent-folder/letter.txt\nファイルが存在しません。");
    EXPECT_EQ(FileDialogRecord::TextOpen().request().title, "テキストを開く");
    // Qt's dialogs speak Japanese too, from the translations Qt ships.
    EXPECT_EQ(QtCancel(), "キャンセル");
}

TEST_F(LanguageTest, EnglishFromTheSettingsInMenusMessagesStatusBarAndQtDialogs)
{
    settings.writeString("ui", "language", "en");
    Start();
    EXPECT_EQ(language.current(), InterfaceLanguage::English);
    EXPECT_EQ(Item(CommandId::PasteLine), "Paste(&P)");
    EXPECT_EQ(Item(CommandId::Open), "Open…(&O)");
    EXPECT_TRUE(LanguageItem("en")->isChecked());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("statusMode"))->text(), "Alphabet");

    const ShownBox box = OpenMissingFile();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text,
              "The file could not be read.\n/nonexistent-folder/letter.txt\nThe file does not exist.");
    EXPECT_EQ(box.buttons, QStringList{"OK"});
    const FileDialogRequest request = FileDialogRecord::WordDataSave().request();
    EXPECT_EQ(request.title, "Save Word Data As");
    EXPECT_EQ(request.filters.front().description, "cfd files(*.cfd)");
    EXPECT_EQ(QtCancel(), "Cancel");
}

TEST_F(LanguageTest, TheLanguageMenuSwitchesAtOnceAndKeepsTheChoice)
{
    Start();
    Choose("en");
    EXPECT_EQ(language.current(), InterfaceLanguage::English);
    EXPECT_EQ(settings.readString("UI", "Language", ""), "en");
    EXPECT_EQ(Item(CommandId::PasteLine), "Paste(&P)");
    EXPECT_TRUE(LanguageItem("en")->isChecked());
    EXPECT_EQ(OpenMissingFile().caption, "Error");
    EXPECT_EQ(QtCancel(), "Cancel");

    Choose("ja");
    EXPECT_EQ(settings.readString("UI", "Language", ""), "ja");
    EXPECT_EQ(Item(CommandId::PasteLine), "Paste(&P)");
    EXPECT_EQ(OpenMissingFile().caption, "エラー");
    EXPECT_EQ(QtCancel(), "キャンセル");
}

} // namespace
} // namespace velmora
