#include "core/commands/FileDialogRecord.h"
#include "qt/QtClipboard.h"
#include "qt/QtFileDialogs.h"
#include "qt/QtMessageDisplay.h"
#include "qt/QtWidgetWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "tests/support/gui/QStringPrinter.h"

#include <filesystem>
#include <functional>

namespace velmora {
namespace {

// Runs action on the next modal dialog once it is shown (checked every few
// milliseconds while the dialog's own event loop runs).
void onNextModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(5);
}

TEST(QtClipboard, TextRoundTripsAsUtf16Units)
{
    QtClipboard clipboard;
    const std::u16string text = u"lugal \xD808\xDC44\u2083\r\nšar";
    clipboard.setUnicodeText(text);
    EXPECT_TRUE(clipboard.hasUnicodeText());
    EXPECT_EQ(clipboard.unicodeText(), text);
    // Other programs see their own line breaks, and theirs read as the
    // editor's.
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromStdU16String(u"lugal \xD808\xDC44\u2083\nšar"));
    QGuiApplication::clipboard()->setText(QStringLiteral("a\nb\r\nc"));
    EXPECT_EQ(clipboard.unicodeText(), u"a\r\nb\r\nc");
}

TEST(QtClipboard, TheEditorsOwnDataGoesBesideTheTextUntilAnotherCopy)
{
    QtClipboard clipboard;
    clipboard.setUnicodeTextWithData(u"a\r\nb", "readings");
    EXPECT_EQ(clipboard.unicodeText(), u"a\r\nb");
    EXPECT_EQ(clipboard.privateData(), std::optional<std::string>("readings"));
    // Other programs read the text alone.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\nb"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QtClipboard::kPrivateFormat));
    // Any copy without the data, the editor's own or another program's,
    // takes it away.
    clipboard.setUnicodeText(u"c");
    EXPECT_FALSE(clipboard.privateData());
    clipboard.setUnicodeTextWithData(u"d", "more");
    QGuiApplication::clipboard()->setText(QStringLiteral("e"));
    EXPECT_FALSE(clipboard.privateData());
}

TEST(QtClipboard, TextEndsAtANulAndAnEmptyClipboardHasNone)
{
    QtClipboard clipboard;
    QGuiApplication::clipboard()->setText(QString::fromStdU16String(std::u16string(u"ab") + u'\0' + u"c"));
    EXPECT_EQ(clipboard.unicodeText(), u"ab");
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(clipboard.hasUnicodeText());
    EXPECT_FALSE(clipboard.unicodeText());
}

TEST(QtMessageDisplay, ShowsAnOkBoxOverTheOwner)
{
    QWidget owner;
    owner.show();
    QtWidgetWindow window(owner);
    QString title, text;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageDisplay().showMessage(
        &window, "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。", "エラー");
    EXPECT_EQ(title, QStringLiteral("エラー"));
    EXPECT_EQ(text, QStringLiteral("ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。"));
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(parent, &owner);
}

FileDialogRequest textSave(const std::filesystem::path& initial)
{
    return FileDialogRequest{
        "名前を付けてテキストを保存", {{"text(*.txt)", "*.txt"}, {"All files(*.*)", "*.*"}}, "txt", initial};
}

TEST(QtFileDialogs, SetsUpTitleFiltersSuffixAndOfferedFile)
{
    const QString folder = QDir::tempPath();
    QFileDialog dialog;
    QtFileDialogs::configure(dialog, textSave(std::filesystem::path(folder.toStdString()) / "notes.txt"),
                             QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("名前を付けてテキストを保存"));
    EXPECT_EQ(dialog.nameFilters(),
              (QStringList{QStringLiteral("text(*.txt) (*.txt)"), QStringLiteral("All files(*.*) (*)")}));
    // The list shows the descriptions alone.
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("text(*.txt)"));
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("txt"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.directory().absolutePath(), QDir(folder).absolutePath());

    QFileDialog open;
    QtFileDialogs::configure(open, textSave({}), QFileDialog::AcceptOpen);
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(QtFileDialogs::nameFilter({"html", "*.htm;*.html"}), QStringLiteral("html (*.htm *.html)"));
}

TEST(QtFileDialogs, SaveAddsTheDefaultSuffixAndCancelGivesNothing)
{
    const std::filesystem::path folder = std::filesystem::path(VELMORA_TEST_TMP_DIR) / "qt-dialogs";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    QtFileDialogs dialogs;

    onNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(dialog);
        dialog->selectFile(QStringLiteral("tablet"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = dialogs.getSaveFileName(nullptr, textSave(folder / "untitled"));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(std::filesystem::weakly_canonical(*chosen),
              std::filesystem::weakly_canonical(folder / "tablet.txt"));

    onNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(dialogs.getOpenFileName(nullptr, textSave(folder)));

    // The main window's records: a name typed without a suffix gets the
    // suffix of the file type, so Load Worddata's filter shows the file.
    const auto typed = [&](FileDialogRecord record, const char* name) {
        record.SetPath(folder / "offered");
        onNextModal([name](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_TRUE(dialog);
            dialog->selectFile(QString::fromUtf8(name));
            static_cast<QDialog*>(dialog)->accept();
        });
        const auto path = record.Run(dialogs, nullptr);
        return path ? path->filename().string() : std::string("(cancelled)");
    };
    EXPECT_EQ(typed(FileDialogRecord::WordDataSave(), "mywords"), "mywords.cfd");
    EXPECT_EQ(typed(FileDialogRecord::HtmlSave(), "ṣibtu"), "ṣibtu.html");
    EXPECT_EQ(typed(FileDialogRecord::TextSave(), "letter.v2"), "letter.v2");
}

} // namespace
} // namespace velmora
