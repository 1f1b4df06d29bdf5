#include "core/commands/DocumentTitle.h"
#include "core/commands/FileDialogRecord.h"
#include "core/commands/StatusBarTexts.h"
#include "tests/support/FakeFileDialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(DocumentTitle, NameAndSuffix)
{
    EXPECT_EQ(ComposeDocumentTitle(u"new file"), u"new file - Velmora");
    EXPECT_EQ(ComposeDocumentTitle(u""), u" - Velmora");
}

TEST(DocumentTitle, LongNamesAreCutSoThatTheSuffixStaysWithin99Units)
{
    const std::u16string exact(99 - kTitleSuffix.size(), u'x');
    EXPECT_EQ(ComposeDocumentTitle(exact), exact + u" - Velmora");

    const std::u16string title = ComposeDocumentTitle(std::u16string(300, u'y'));
    EXPECT_EQ(title.size(), 99u);
    EXPECT_EQ(title, std::u16string(89, u'y') + u" - Velmora");

    // A sign (a surrogate pair) across the cut goes as a whole.
    std::u16string signs(88, u'a');
    signs += u"\xD808\xDC44\xD808\xDC44";
    const std::u16string cut = ComposeDocumentTitle(signs);
    EXPECT_EQ(cut, std::u16string(88, u'a') + u" - Velmora");
}

TEST(DocumentTitle, FileTitleIsTheNameWithoutFolderAndToleratesOtherBytes)
{
    EXPECT_EQ(FileTitleOf("/home/user/texts/šarru.txt"), u"šarru.txt");
    EXPECT_EQ(FileTitleOf("tablet\xF0\x92\x89\x80.txt"), u"tablet\xD808\xDE40.txt");
    EXPECT_EQ(FileTitleOf("bad\xFF\xC3.txt"), u"bad\xFFFD\xFFFD.txt");
    EXPECT_EQ(FileTitleOf("over\xC0\xAF.txt"), u"over\xFFFD\xFFFD.txt");
}

TEST(StatusBarTexts, LinesAndColumnsCountFromOne)
{
    EXPECT_EQ(StatusBarTexts::Initial(), (StatusBarTexts{"Alphabet", "line: 1", "column: 1"}));
    EXPECT_EQ(StatusBarTexts::For(true, {0, 0}), StatusBarTexts::Initial());
    EXPECT_EQ(StatusBarTexts::For(false, {59999, 999}),
              (StatusBarTexts{"Sign", "line: 60000", "column: 1000"}));
    EXPECT_EQ(StatusBarTexts::For(false, {4294967295u, 0}).line, "line: 4294967296");
}

TEST(FileDialogRecord, TheFiveDialogsAsTheUserSeesThem)
{
    using Filters = std::vector<FileDialogFilter>;
    const FileDialogFilter text{"text(*.txt)", "*.txt"};
    const FileDialogFilter all{"All files(*.*)", "*.*"};
    const FileDialogFilter cfd{"cfdファイル(*.cfd)", "*.cfd"};

    const auto check = [](const FileDialogRecord& record, FileDialogRecord::Kind kind,
                          const std::string& title, const Filters& filters, const std::string& suffix) {
        EXPECT_EQ(record.kind(), kind) << title;
        EXPECT_EQ(record.request(), (FileDialogRequest{title, filters, suffix, {}}));
    };
    using K = FileDialogRecord::Kind;
    check(FileDialogRecord::TextOpen(), K::Open, "テキストを開く", {text, all}, "txt");
    check(FileDialogRecord::TextSave(), K::Save, "名前を付けてテキストを保存", {text, all}, "txt");
    check(FileDialogRecord::HtmlSave(), K::Save, "名前を付けてHTML形式で保存",
          {{"html(*.html)", "*.html"}, text, all}, "html");
    check(FileDialogRecord::WordDataOpen(), K::Open, "単語データを開く", {cfd, all}, "cfd");
    check(FileDialogRecord::WordDataSave(), K::Save, "名前を付けてデータを保存", {cfd, all}, "cfd");
}

TEST(FileDialogRecord, ASaveDialogsNameWithoutSuffixGetsTheDefaultOne)
{
    // As dialogs that leave the suffix to the program answer.
    FakeFileDialogs dialogs;
    const auto run = [&](FileDialogRecord record, const std::filesystem::path& answer) {
        dialogs.choose(answer);
        return record.Run(dialogs, nullptr).value_or("(cancelled)");
    };
    EXPECT_EQ(run(FileDialogRecord::WordDataSave(), "/data/mywords"), "/data/mywords.cfd");
    EXPECT_EQ(run(FileDialogRecord::TextSave(), "/texts/letter"), "/texts/letter.txt");
    EXPECT_EQ(run(FileDialogRecord::HtmlSave(), "/texts/letter"), "/texts/letter.html");
    EXPECT_EQ(run(FileDialogRecord::WordDataSave(), "/data/my.words"), "/data/my.words");
    // An open dialog names an existing file: taken as it is.
    EXPECT_EQ(run(FileDialogRecord::WordDataOpen(), "/data/mywords"), "/data/mywords");
}

TEST(FileDialogRecord, PathAndFileTitleCarryOverAndClearingKeepsTheTitle)
{
    FileDialogRecord open = FileDialogRecord::TextOpen();
    FileDialogRecord save = FileDialogRecord::TextSave();
    open.SetPath("/texts/a.txt");
    EXPECT_EQ(open.request().initialPath, "/texts/a.txt");
    save.TakeOver(open);
    EXPECT_EQ(save.path(), "/texts/a.txt");
    EXPECT_EQ(save.fileTitle(), "a.txt");
    save.ClearPath();
    EXPECT_EQ(save.path(), "");
    EXPECT_EQ(save.fileTitle(), "a.txt");
    EXPECT_EQ(save.request().initialPath, "");
}

} // namespace
} // namespace velmora
