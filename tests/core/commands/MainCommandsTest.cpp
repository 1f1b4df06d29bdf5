#include "core/commands/MainCommands.h"

#include "core/dictionary/CFWordDictionary.h"
#include "core/files/AtfImport.h"
#include "core/view/CFSignFont.h"
#include "tests/support/CommandDoubles.h"
#include "tests/support/DocumentText.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/FakeMainEditor.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedSaveQuestion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Lines;
using test::ReadBytes;
using test::TextOf;
using test::WriteBytes;
using Answer = SaveChangesAnswer;

WordPtr Key(const std::string& text)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(text.begin(), text.end()));
}

class MainCommandsTest : public ::testing::Test, protected test::CommandDoubles<> {
protected:
    test::ScratchFolder folder;
    FakeMainEditor editor;
    FakeWindow owner;
    std::vector<std::u16string> titles;
    std::vector<fs::path> used;
    MainCommands commands{{editor, dialogs, messages, question, fontDialog, dictionary, signFont, &owner,
                           [this](std::u16string_view title) { titles.emplace_back(title); },
                           [this](const fs::path& path) { used.push_back(path); }}};

    fs::path File(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder / name;
        WriteBytes(path, bytes);
        return path;
    }
    // An edit, as typing would make it.
    void Type(char c)
    {
        CFDocument& d = editor.document;
        d.InsertCell(0, d.LineLength(0), static_cast<unsigned char>(c));
    }
    std::u16string Shown() const { return titles.empty() ? u"" : titles.back(); }
    bool OnlyErrorNaming(const fs::path& path) const
    {
        return messages.messages().size() == 1 && messages.messages()[0].caption == "エラー"
            && messages.messages()[0].owner == &owner
            && messages.messages()[0].text.find(path.string()) != std::string::npos;
    }
    // The failure is told with its reason, as FailureText words it.
    bool Says(std::string_view reason) const
    {
        return !messages.messages().empty()
            && messages.messages().back().text.find(reason) != std::string::npos;
    }
    static constexpr std::string_view kNoFolder = "ファイルに書き込めません（No such file or directory）。";
};

TEST_F(MainCommandsTest, StartsAsAnUnchangedDocumentWithoutFile)
{
    EXPECT_EQ(titles, std::vector<std::u16string>{u"new file - Velmora"});
    EXPECT_FALSE(commands.IsModified());
    EXPECT_TRUE(commands.CurrentFile().empty());
    Type('a');
    EXPECT_TRUE(commands.IsModified());
}

TEST_F(MainCommandsTest, OpenReplacesTheDocumentAndSaveThenWritesThereWithoutADialog)
{
    const fs::path file = File("tablet.txt", "ab\r\ncd");
    dialogs.choose(file);
    EXPECT_TRUE(commands.Open());
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, FakeFileDialogs::Kind::Open);
    EXPECT_EQ(dialogs.calls()[0].request.title, "テキストを開く");
    EXPECT_EQ(dialogs.calls()[0].owner, &owner);
    EXPECT_EQ(TextOf(editor.document), (Lines{"ab", "cd"}));
    EXPECT_EQ(editor.replacements, 1);
    EXPECT_EQ(editor.viewResets, 1);
    EXPECT_EQ(editor.focusRequests, 1);
    EXPECT_EQ(Shown(), u"tablet.txt - Velmora");
    EXPECT_EQ(commands.CurrentFile(), file);
    EXPECT_FALSE(commands.IsModified());

    Type('x');
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(ReadBytes(file), "abx\r\ncd");
    EXPECT_FALSE(commands.IsModified());
    // The save dialog now offers the opened file.
    EXPECT_EQ(commands.textSaveRecord().path(), file);

    // Every document file read or written is reported (the recent files);
    // a failed open and an HTML export are not.
    EXPECT_FALSE(commands.OpenFile(folder / "missing.txt"));
    dialogs.choose(folder / "tablet.html");
    EXPECT_TRUE(commands.SaveHtml());
    dialogs.choose(folder / "copy.txt");
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_EQ(used, (std::vector<fs::path>{file, file, folder / "copy.txt"}));
}

TEST_F(MainCommandsTest, SaveOfADocumentWithoutFileAsksForANameEveryTimeUntilOneIsSaved)
{
    const fs::path opened = File("a.txt", "a");
    dialogs.choose(opened);
    ASSERT_TRUE(commands.Open());
    ASSERT_TRUE(commands.NewFile());
    EXPECT_EQ(Shown(), u"new file - Velmora");
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_EQ(TextOf(editor.document), Lines{""});

    Type('n');
    dialogs.cancel();
    EXPECT_FALSE(commands.Save());
    ASSERT_EQ(dialogs.calls().size(), 2u);
    EXPECT_EQ(dialogs.calls()[1].kind, FakeFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.calls()[1].request.initialPath, fs::path());
    EXPECT_TRUE(commands.IsModified());

    const fs::path chosen = folder / "b.txt";
    dialogs.choose(chosen);
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(dialogs.calls().size(), 3u);
    EXPECT_EQ(ReadBytes(chosen), "n");
    EXPECT_EQ(commands.CurrentFile(), chosen);
    EXPECT_EQ(Shown(), u"b.txt - Velmora");
    EXPECT_FALSE(commands.IsModified());

    Type('m');
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(dialogs.calls().size(), 3u);
    EXPECT_EQ(ReadBytes(chosen), "nm");
    EXPECT_EQ(ReadBytes(opened), "a");
}

TEST_F(MainCommandsTest, AFailedOpenChangesNothingAndNamesTheFile)
{
    const fs::path good = File("good.txt", "keep");
    dialogs.choose(good);
    ASSERT_TRUE(commands.Open());
    const auto replacements = editor.replacements;

    const fs::path missing = folder / "missing.txt";
    dialogs.choose(missing);
    EXPECT_FALSE(commands.Open());
    EXPECT_TRUE(OnlyErrorNaming(missing));
    // Says what happened, and nothing that did not.
    EXPECT_NE(messages.messages()[0].text.find("ファイルが存在しません。"), std::string::npos);
    EXPECT_EQ(messages.messages()[0].text.find("1000"), std::string::npos);
    EXPECT_EQ(TextOf(editor.document), Lines{"keep"});
    EXPECT_EQ(Shown(), u"good.txt - Velmora");
    EXPECT_EQ(commands.CurrentFile(), good);
    EXPECT_EQ(editor.replacements, replacements);
    EXPECT_FALSE(commands.IsModified());
    EXPECT_EQ(commands.textSaveRecord().path(), good);

    // A line beyond the line length limit makes the whole file unreadable.
    messages.clear();
    const fs::path tooLong = File("long.txt", "ok\r\n" + std::string(1001, 'x'));
    dialogs.choose(tooLong);
    EXPECT_FALSE(commands.Open());
    EXPECT_TRUE(OnlyErrorNaming(tooLong));
    EXPECT_NE(messages.messages()[0].text.find("2 行目が 1000 文字を超えています。"), std::string::npos);
    EXPECT_EQ(TextOf(editor.document), Lines{"keep"});
    EXPECT_EQ(commands.CurrentFile(), good);

    // Latin-1 text is not taken for UTF-8.
    messages.clear();
    const fs::path latin1 = File("latin1.txt", "um-ma\ncaf\xE9\n");
    dialogs.choose(latin1);
    EXPECT_FALSE(commands.Open());
    EXPECT_TRUE(OnlyErrorNaming(latin1));
    EXPECT_NE(messages.messages()[0].text.find("UTF-8 のテキストではありません（2 行目）。"),
              std::string::npos);
    EXPECT_EQ(TextOf(editor.document), Lines{"keep"});

    // A folder chosen as a document.
    messages.clear();
    dialogs.choose(folder.path());
    EXPECT_FALSE(commands.Open());
    EXPECT_NE(messages.messages()[0].text.find("通常のファイルではありません"), std::string::npos);
}

TEST_F(MainCommandsTest, FailedSavesKeepFileTitleAndTheUnsavedState)
{
    const fs::path file = File("t.txt", "t");
    dialogs.choose(file);
    ASSERT_TRUE(commands.Open());
    Type('u');
    const fs::path unwritable = folder / "no such folder" / "x.txt";

    dialogs.choose(unwritable);
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_TRUE(OnlyErrorNaming(unwritable));
    EXPECT_TRUE(Says(kNoFolder));
    EXPECT_EQ(Shown(), u"t.txt - Velmora");
    EXPECT_EQ(commands.CurrentFile(), file);
    EXPECT_TRUE(commands.IsModified());
    // The dialogs remember the name typed, so that it can be corrected.
    EXPECT_EQ(commands.textOpenRecord().path(), unwritable);

    // A folder is no file to save into, and the message says so.
    messages.clear();
    dialogs.choose(folder.path());
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_TRUE(Says("通常のファイルではありません"));
    EXPECT_TRUE(fs::is_directory(folder.path()));

    // Save still writes to the current file, not to the failed choice.
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(ReadBytes(file), "tu");

    // A document without a file whose first save fails keeps no file.
    ASSERT_TRUE(commands.NewFile());
    Type('v');
    messages.clear();
    dialogs.choose(unwritable);
    EXPECT_FALSE(commands.Save());
    EXPECT_TRUE(OnlyErrorNaming(unwritable));
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_TRUE(commands.IsModified());
}

TEST_F(MainCommandsTest, SaveAsNamesTheTitleOnlyAfterTheFileIsWritten)
{
    Type('z');
    dialogs.cancel();
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_EQ(Shown(), u"new file - Velmora");
    EXPECT_TRUE(commands.CurrentFile().empty());

    const fs::path chosen = folder / "z.txt";
    dialogs.choose(chosen);
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_EQ(ReadBytes(chosen), "z");
    EXPECT_EQ(Shown(), u"z.txt - Velmora");
    EXPECT_EQ(commands.CurrentFile(), chosen);
    EXPECT_EQ(commands.textOpenRecord().path(), chosen);
    EXPECT_EQ(commands.textOpenRecord().fileTitle(), "z.txt");
    EXPECT_EQ(dialogs.calls()[1].request.title, "名前を付けてテキストを保存");

    // A cancelled SaveAs afterwards leaves the title naming the saved file.
    dialogs.cancel();
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_EQ(Shown(), u"z.txt - Velmora");
    EXPECT_EQ(dialogs.calls()[2].request.initialPath, chosen);
}

TEST_F(MainCommandsTest, NewFileAsksAboutChangedTextAndFollowsTheAnswer)
{
    // Unchanged: no question.
    EXPECT_TRUE(commands.NewFile());
    EXPECT_TRUE(question.questions().empty());

    Type('a');
    question.answer(Answer::Cancel);
    EXPECT_FALSE(commands.NewFile());
    ASSERT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(question.questions()[0].text, "ドキュメントは変更されています。保存しますか？");
    EXPECT_EQ(question.questions()[0].caption, "確認");
    EXPECT_EQ(question.questions()[0].owner, &owner);
    EXPECT_EQ(TextOf(editor.document), Lines{"a"});
    EXPECT_TRUE(commands.IsModified());

    question.answer(Answer::Discard);
    EXPECT_TRUE(commands.NewFile());
    EXPECT_EQ(TextOf(editor.document), Lines{""});
    EXPECT_FALSE(commands.IsModified());
}

TEST_F(MainCommandsTest, AnsweringSaveSavesFirstAndAFailedOrCancelledSaveKeepsTheDocument)
{
    Type('s');
    // Save without a file: the save dialog is cancelled, so nothing is lost.
    question.answer(Answer::Save);
    dialogs.cancel();
    EXPECT_FALSE(commands.NewFile());
    EXPECT_EQ(TextOf(editor.document), Lines{"s"});

    // The save fails: told, and kept.
    question.answer(Answer::Save);
    const fs::path unwritable = folder / "none" / "s.txt";
    dialogs.choose(unwritable);
    EXPECT_FALSE(commands.NewFile());
    EXPECT_TRUE(OnlyErrorNaming(unwritable));
    EXPECT_EQ(TextOf(editor.document), Lines{"s"});

    // The save succeeds: then the new document.
    question.answer(Answer::Save);
    const fs::path saved = folder / "s.txt";
    dialogs.choose(saved);
    EXPECT_TRUE(commands.NewFile());
    EXPECT_EQ(ReadBytes(saved), "s");
    EXPECT_EQ(TextOf(editor.document), Lines{""});
    EXPECT_TRUE(commands.CurrentFile().empty());
}

TEST_F(MainCommandsTest, OpenAsksBeforeShowingItsDialog)
{
    const fs::path file = File("o.txt", "o");
    Type('c');
    question.answer(Answer::Cancel);
    dialogs.choose(file);
    EXPECT_FALSE(commands.Open());
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(TextOf(editor.document), Lines{"c"});

    question.answer(Answer::Discard);
    EXPECT_TRUE(commands.Open());
    EXPECT_EQ(TextOf(editor.document), Lines{"o"});

    // With a current file, answering Save writes it without a dialog.
    Type('p');
    question.answer(Answer::Save);
    const fs::path other = File("q.txt", "q");
    dialogs.choose(other);
    EXPECT_TRUE(commands.Open());
    EXPECT_EQ(ReadBytes(file), "op");
    EXPECT_EQ(TextOf(editor.document), Lines{"q"});
    EXPECT_EQ(dialogs.calls().size(), 2u);
}

TEST_F(MainCommandsTest, ConfirmDiscardBeforeExitFollowsEachAnswer)
{
    EXPECT_TRUE(commands.ConfirmDiscard());
    EXPECT_TRUE(question.questions().empty());

    Type('e');
    question.answer(Answer::Cancel);
    EXPECT_FALSE(commands.ConfirmDiscard());
    question.answer(Answer::Discard);
    EXPECT_TRUE(commands.ConfirmDiscard());
    question.answer(Answer::Save);
    dialogs.cancel();
    EXPECT_FALSE(commands.ConfirmDiscard());
    question.answer(Answer::Save);
    dialogs.choose(folder / "e.txt");
    EXPECT_TRUE(commands.ConfirmDiscard());
    EXPECT_EQ(ReadBytes(folder / "e.txt"), "e");
    EXPECT_EQ(question.questions().size(), 4u);
    // Saved: nothing to ask any more.
    EXPECT_TRUE(commands.ConfirmDiscard());
    EXPECT_EQ(question.questions().size(), 4u);
}

TEST_F(MainCommandsTest, OpenFileOpensAFileNamedByTheCaller)
{
    const fs::path file = File("arg.txt", "arg");
    EXPECT_TRUE(commands.OpenFile(file));
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(TextOf(editor.document), Lines{"arg"});
    EXPECT_EQ(Shown(), u"arg.txt - Velmora");
    EXPECT_EQ(commands.textOpenRecord().path(), file);

    EXPECT_FALSE(commands.OpenFile(folder / "absent.txt"));
    EXPECT_TRUE(OnlyErrorNaming(folder / "absent.txt"));
    EXPECT_EQ(commands.CurrentFile(), file);
}

TEST_F(MainCommandsTest, SaveHtmlExportsAndReportsAFailureWithoutTouchingTheTextFile)
{
    Type('A');
    const fs::path page = folder / "p.html";
    dialogs.choose(page);
    EXPECT_TRUE(commands.SaveHtml());
    EXPECT_EQ(dialogs.calls()[0].request.title, "名前を付けてHTML形式で保存");
    EXPECT_NE(ReadBytes(page).find("&#65;"), std::string::npos);
    EXPECT_TRUE(commands.IsModified());
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_EQ(Shown(), u"new file - Velmora");

    const fs::path bad = folder / "nowhere" / "p.html";
    dialogs.choose(bad);
    EXPECT_FALSE(commands.SaveHtml());
    EXPECT_TRUE(OnlyErrorNaming(bad));
    EXPECT_TRUE(Says(kNoFolder));

    // A document with a file: its name with .html, in the folder of the
    // last page chosen, or beside the document before any.
    dialogs.choose(folder / "letter.txt");
    ASSERT_TRUE(commands.SaveAs());
    dialogs.cancel();
    EXPECT_FALSE(commands.SaveHtml());
    EXPECT_EQ(dialogs.calls().back().request.initialPath, folder / "nowhere" / "letter.html");
    MainCommands later{
        {editor, dialogs, messages, question, fontDialog, dictionary, signFont, &owner, {}, {}}};
    ASSERT_TRUE(later.OpenFile(folder / "letter.txt"));
    dialogs.cancel();
    EXPECT_FALSE(later.SaveHtml());
    EXPECT_EQ(dialogs.calls().back().request.initialPath, folder / "letter.html");
}

TEST_F(MainCommandsTest, LoadWorddataReplacesTheDictionaryOnlyWhenTheWholeFileLoads)
{
    dictionary.AddWord(0, Key("LUGAL"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12217}));
    // The registered word may go, each time it is asked.
    for (int i = 0; i < 3; ++i)
        question.answer(Answer::Discard);

    const fs::path broken = File("broken.cfd", "A 12000\r\nQ! 12000\r\n");
    dialogs.choose(broken);
    EXPECT_FALSE(commands.LoadWorddata());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。\n" + broken.string()
                  + "\n2 行目の書式が正しくありません。");
    EXPECT_EQ(messages.messages()[0].caption, "エラー");
    EXPECT_EQ(dictionary.CountCandidates(Key("LUGAL")), 1u);
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 0u);
    EXPECT_EQ(commands.wordDataSaveRecord().path(), broken);

    messages.clear();
    dialogs.choose(folder / "absent.cfd");
    EXPECT_FALSE(commands.LoadWorddata());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "文字変換ファイルが開けません。\n" + (folder / "absent.cfd").string()
                  + "\nファイルが存在しません。");
    EXPECT_EQ(dictionary.EntryCount(), 1u);

    messages.clear();
    dialogs.choose(File("good.cfd", "DU3 12109\r\nA 12000\r\n"));
    EXPECT_TRUE(commands.LoadWorddata());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dictionary.CountCandidates(Key("LUGAL")), 0u);
    EXPECT_EQ(dictionary.CountCandidates(Key("DU")), 1u);
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);

    const auto& request = dialogs.calls()[0].request;
    EXPECT_EQ(request.title, "単語データを開く");
    EXPECT_EQ(request.defaultSuffix, "cfd");
    EXPECT_EQ(dialogs.calls()[0].kind, FakeFileDialogs::Kind::Open);
}

TEST_F(MainCommandsTest, SaveWorddataWritesTheDictionaryAndReportsAFailure)
{
    dictionary.AddWord(3, Key("DU"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12109}));
    const fs::path out = folder / "out.cfd";
    dialogs.choose(out);
    EXPECT_TRUE(commands.SaveWorddata());
    EXPECT_EQ(ReadBytes(out), "DU3 12109\r\n");
    EXPECT_EQ(commands.wordDataOpenRecord().path(), out);
    EXPECT_EQ(dialogs.calls()[0].request.title, "名前を付けてデータを保存");

    const fs::path bad = folder / "nowhere" / "out.cfd";
    dialogs.choose(bad);
    EXPECT_FALSE(commands.SaveWorddata());
    EXPECT_TRUE(OnlyErrorNaming(bad));
    EXPECT_TRUE(Says(kNoFolder));

    // Cancelled: the open dialog still takes over the last name chosen.
    dialogs.cancel();
    EXPECT_FALSE(commands.SaveWorddata());
    EXPECT_EQ(commands.wordDataOpenRecord().path(), bad);
}

TEST_F(MainCommandsTest, RegisteredWordsAreNotLostOnExitOrWhenOtherWordDataIsLoaded)
{
    // Nothing registered: no question.
    EXPECT_TRUE(commands.ConfirmExit());
    EXPECT_TRUE(question.questions().empty());

    // A word registered, as the registration window does.
    dictionary.AddWord(0, Key("LUGAL"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12217}));
    EXPECT_TRUE(commands.IsDictionaryModified());
    question.answer(Answer::Cancel);
    EXPECT_FALSE(commands.ConfirmExit());
    ASSERT_EQ(question.questions().size(), 1u);
    EXPECT_EQ(question.questions()[0].text, "文字変換データは変更されています。保存しますか？");
    EXPECT_EQ(question.questions()[0].caption, "確認");

    // Changed text too: the document is asked about first, then the words.
    Type('a');
    question.answer(Answer::Discard);
    question.answer(Answer::Cancel);
    EXPECT_FALSE(commands.ConfirmExit());
    ASSERT_EQ(question.questions().size(), 3u);
    EXPECT_EQ(question.questions()[1].text, "ドキュメントは変更されています。保存しますか？");
    EXPECT_EQ(question.questions()[2].text, "文字変換データは変更されています。保存しますか？");

    // Save without a known sign data file asks for a name; cancelled, the
    // program stays.
    question.answer(Answer::Discard);
    question.answer(Answer::Save);
    dialogs.cancel();
    EXPECT_FALSE(commands.ConfirmExit());
    EXPECT_EQ(dialogs.calls().back().request.title, "名前を付けてデータを保存");

    question.answer(Answer::Discard);
    question.answer(Answer::Save);
    const fs::path words = folder / "words.cfd";
    dialogs.choose(words);
    EXPECT_TRUE(commands.ConfirmExit());
    EXPECT_EQ(ReadBytes(words), "LUGAL0 12217\r\n");
    EXPECT_FALSE(commands.IsDictionaryModified());

    // Now the file is known: the next save goes there without a dialog.
    const auto dialogCount = dialogs.calls().size();
    dictionary.AddWord(2, Key("DU"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12109}));
    question.answer(Answer::Discard);
    question.answer(Answer::Save);
    EXPECT_TRUE(commands.ConfirmExit());
    EXPECT_EQ(dialogs.calls().size(), dialogCount);
    EXPECT_EQ(ReadBytes(words), "DU2 12109\r\nLUGAL0 12217\r\n");

    // Load Worddata would replace the registered words: it asks first.
    dictionary.AddWord(0, Key("A"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12000}));
    question.answer(Answer::Cancel);
    dialogs.choose(File("other.cfd", "E 12313\r\n"));
    EXPECT_FALSE(commands.LoadWorddata());
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);
    question.answer(Answer::Discard);
    EXPECT_TRUE(commands.LoadWorddata());
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 0u);
    EXPECT_FALSE(commands.IsDictionaryModified());
}

TEST_F(MainCommandsTest, WordsTheSignDataFileCannotExpressAreNotSaved)
{
    // A plain C (from the "Alphabet" setting) would read back as Š.
    dictionary.AddWord(0, Key("CA"), CFWordSign::FromCells(std::vector<std::uint32_t>{0x12000}));
    const fs::path out = File("keep.cfd", "A1 12000\r\n");
    dialogs.choose(out);
    EXPECT_FALSE(commands.SaveWorddata());
    EXPECT_TRUE(OnlyErrorNaming(out));
    EXPECT_NE(messages.messages()[0].text.find("書き表せない"), std::string::npos);
    EXPECT_EQ(ReadBytes(out), "A1 12000\r\n");
    EXPECT_TRUE(commands.IsDictionaryModified());
}

TEST_F(MainCommandsTest, FontStartsFromTheCurrentSignFontAndAChoiceAppliesToEveryEditor)
{
    settings.set("SignFont", "Name", "Noto Sans Cuneiform");
    EXPECT_FALSE(commands.Font());
    ASSERT_EQ(fontDialog.initials.size(), 1u);
    EXPECT_EQ(fontDialog.initials[0], CFSignFont::DefaultSignFont("Noto Sans Cuneiform"));
    EXPECT_EQ(fontDialog.owners[0], &owner);
    EXPECT_FALSE(signFont.useChosenSignFont());
    EXPECT_EQ(editor.viewResets, 0);

    FontAttributes chosen;
    chosen.faceName = "Akkadian";
    chosen.height = -40;
    chosen.weight = 400;
    fontDialog.choice = chosen;
    EXPECT_TRUE(commands.Font());
    EXPECT_TRUE(signFont.useChosenSignFont());
    EXPECT_EQ(signFont.signAttributes(), chosen);
    EXPECT_EQ(editor.viewResets, 1);

    // The next dialog starts from the chosen font.
    fontDialog.choice.reset();
    commands.Font();
    EXPECT_EQ(fontDialog.initials.back(), chosen);
}

// A letter in Oracc's ATF: text lines with labels, structure, a state
// line, a comment and a translation that give no line, a reading the sign
// list does not know and a line without a label.
constexpr std::string_view kLetter = "&P000001 = a letter\n"
                                     "#atf: lang akk\n"
                                     "@obverse\n"
                                     "1. a-na be-li₂-ia\n"
                                     "2. qi₂-bi₂-ma\n"
                                     "$ rest of obverse broken\n"
                                     "# a comment\n"
                                     "3'. um-ma qqq-ma\n"
                                     "words without a label\n"
                                     "#tr.en: To my lord\n";

TEST_F(MainCommandsTest, ImportAtfMakesAnUnsavedDocumentThatIsNeverSavedOverTheAtfFile)
{
    const fs::path atf = File("letter.atf", std::string(kLetter));
    Type('a');
    question.answer(Answer::Cancel);
    EXPECT_FALSE(commands.ImportAtf());
    EXPECT_TRUE(dialogs.calls().empty());

    question.answer(Answer::Discard);
    dialogs.choose(atf);
    EXPECT_TRUE(commands.ImportAtf());
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, FakeFileDialogs::Kind::Open);
    EXPECT_EQ(dialogs.calls()[0].request.title, "ATFをインポート");
    EXPECT_EQ(dialogs.calls()[0].request.filters.at(0).pattern, "*.atf;*.txt");
    const std::u32string expected[] = {U"𒀀𒈾 𒁁𒉌𒅀", U"𒆠𒉈𒈠", U"𒌝𒈠 qqq𒈠"};
    ASSERT_EQ(editor.document.LineCount(), 3u);
    for (std::uint32_t l = 0; l < 3; ++l) {
        const auto cells = editor.document.Line(l).Cells();
        EXPECT_EQ(std::u32string(cells.begin(), cells.end()), expected[l]) << l;
    }
    EXPECT_EQ(editor.replacements, 1);
    EXPECT_EQ(editor.focusRequests, 1);
    EXPECT_EQ(Shown(), u"letter.atf (imported) - Velmora");
    EXPECT_TRUE(commands.IsModified());
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_TRUE(used.empty()); // not a document for Recent Files
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "Velmora");
    EXPECT_EQ(messages.messages()[0].text,
              "1 個の読みを変換できませんでした。\n3 行目: qqq\n"
              "1 行は行番号がないため変換しませんでした。");

    // The first Save asks, offering the ATF name with .txt, and refuses the
    // ATF file itself.
    messages.clear();
    dialogs.choose(atf);
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(dialogs.calls().back().kind, FakeFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.calls().back().request.initialPath, folder / "letter.txt");
    EXPECT_EQ(ReadBytes(atf), kLetter);
    EXPECT_TRUE(OnlyErrorNaming(atf));
    EXPECT_NE(messages.messages().at(0).text.find("インポート元"), std::string::npos);
    EXPECT_TRUE(commands.IsModified());

    dialogs.choose(folder / "letter.txt");
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(ReadBytes(folder / "letter.txt"), "𒀀𒈾 𒁁𒉌𒅀\r\n𒆠𒉈𒈠\r\n𒌝𒈠 qqq𒈠");
    EXPECT_EQ(Shown(), u"letter.txt - Velmora");
    EXPECT_FALSE(commands.IsModified());
    EXPECT_EQ(commands.CurrentFile(), folder / "letter.txt");
}

TEST_F(MainCommandsTest, AnAtfFileOpenedByNameOrInTheOpenDialogIsImported)
{
    // The program's argument, a dropped file, a file from the file manager:
    // the transliteration is converted, never taken as text.
    const fs::path atf = File("letter.atf", std::string(kLetter));
    EXPECT_TRUE(commands.OpenFile(atf));
    EXPECT_TRUE(dialogs.calls().empty());
    ASSERT_EQ(editor.document.LineCount(), 3u);
    const auto first = editor.document.Line(0).Cells();
    EXPECT_EQ(std::u32string(first.begin(), first.end()), U"𒀀𒈾 𒁁𒉌𒅀");
    EXPECT_EQ(Shown(), u"letter.atf (imported) - Velmora");
    EXPECT_TRUE(commands.CurrentFile().empty());
    EXPECT_TRUE(commands.IsModified());
    EXPECT_EQ(commands.atfOpenRecord().path(), atf);
    EXPECT_TRUE(used.empty());
    // Saving never writes over it.
    dialogs.choose(atf);
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(ReadBytes(atf), kLetter);

    // Chosen in Open's dialog (any case of the extension): imported too,
    // after the question about the changed text.
    const fs::path upper = File("TABLET.ATF", std::string(kLetter));
    messages.clear();
    question.answer(Answer::Discard);
    dialogs.choose(upper);
    EXPECT_TRUE(commands.Open());
    EXPECT_EQ(Shown(), u"TABLET.ATF (imported) - Velmora");
    EXPECT_EQ(editor.document.LineCount(), 3u);

    // Anything else is opened as text.
    const fs::path text = File("notes.atf.txt", "&P1 = x");
    question.answer(Answer::Discard);
    EXPECT_TRUE(commands.OpenFile(text));
    EXPECT_EQ(TextOf(editor.document), Lines{"&P1 = x"});
    EXPECT_EQ(commands.CurrentFile(), text);
}

TEST_F(MainCommandsTest, ExportAtfWritesTheReadingsOfAnImportedTextBesideItNeverOverIt)
{
    const fs::path atf = File("letter.atf", std::string(kLetter));
    dialogs.choose(atf);
    ASSERT_TRUE(commands.ImportAtf());
    messages.clear();

    dialogs.choose(folder / "out.atf");
    EXPECT_TRUE(commands.ExportAtf());
    EXPECT_EQ(dialogs.calls().back().kind, FakeFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.calls().back().request.title, "名前を付けてATF形式で保存");
    EXPECT_EQ(dialogs.calls().back().request.defaultSuffix, "atf");
    EXPECT_EQ(dialogs.calls().back().request.initialPath, folder / "letter.export.atf");
    EXPECT_EQ(ReadBytes(folder / "out.atf"),
              "&X000001 = letter\n#atf: lang akk\n#atf: use unicode\n"
              "1. a-na be-li₂-ia\n2. qi₂-bi₂-ma\n3. um-ma qqq-ma\n");
    EXPECT_EQ(ReadBytes(atf), kLetter);
    EXPECT_TRUE(messages.messages().empty());
    // Exporting is no save: the document stays unsaved, without a file.
    EXPECT_TRUE(commands.IsModified());
    EXPECT_EQ(Shown(), u"letter.atf (imported) - Velmora");

    // The HTML page with the transliteration under the lines.
    dialogs.choose(folder / "t.html");
    EXPECT_TRUE(commands.SaveHtml(true));
    EXPECT_NE(ReadBytes(folder / "t.html").find("a-na be-li&#8322;-ia"), std::string::npos);

    dialogs.choose(folder / "nowhere" / "x.atf");
    EXPECT_FALSE(commands.ExportAtf());
    EXPECT_TRUE(OnlyErrorNaming(folder / "nowhere" / "x.atf"));
    EXPECT_TRUE(Says(kNoFolder));
}

TEST_F(MainCommandsTest, AnAtfFileThatCannotBeImportedLeavesTheDocumentAsItWas)
{
    Type('k');
    const std::u16string title = Shown();
    const auto refused = [&](const fs::path& file, const std::string& why) {
        question.answer(Answer::Discard);
        dialogs.choose(file);
        messages.clear();
        EXPECT_FALSE(commands.ImportAtf()) << file;
        EXPECT_TRUE(OnlyErrorNaming(file)) << file;
        EXPECT_NE(messages.messages().at(0).text.find(why), std::string::npos)
            << messages.messages().at(0).text;
        EXPECT_EQ(TextOf(editor.document), (Lines{"k"}));
        EXPECT_EQ(Shown(), title);
    };
    refused(File("latin1.atf", "1. a-na\n2. \xe0-na\n"), "UTF-8 のテキストではありません（2 行目）");
    refused(File("notes.txt", "a note on the tablet\n@obverse\n"), "テキスト行がありません");
    refused(folder / "missing.atf", "ファイルが存在しません");

    // Everything converted: nothing to say. A .txt source is not offered
    // for saving either.
    question.answer(Answer::Discard);
    dialogs.choose(File("short.txt", "1. a-na\n"));
    messages.clear();
    EXPECT_TRUE(commands.ImportAtf());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(commands.textSaveRecord().path(), folder / "short.cuneiform.txt");
}

TEST(AtfImportTest, TextsTooLargeForTheEditorAreRefused)
{
    const std::string three = "1. a\n2. a-na\n3. a-na-ku\n";
    EXPECT_TRUE(AtfImport::Convert(three, 3, 3).ok());
    const AtfImport lines = AtfImport::Convert(three, 2, 3);
    EXPECT_EQ(lines.load.reason, FileLoadResult::Reason::TooManyLines);
    EXPECT_EQ(lines.Problem(), "行数が上限の 2 行を超えています。");
    const AtfImport cells = AtfImport::Convert(three, 3, 2);
    EXPECT_EQ(cells.load.reason, FileLoadResult::Reason::LineTooLong);
    EXPECT_EQ(cells.Problem(), "3 行目が 2 文字を超えています。");
}

TEST_F(MainCommandsTest, ZoomScalesBothFontsForTheSessionWithinBoundsAndAFontChoiceEndsIt)
{
    const auto sizes = [&] {
        const auto fonts = signFont.Fonts();
        const FontAttributes& sign = fonts->sign()->attributes();
        const FontAttributes& text = fonts->text()->attributes();
        return std::vector<int>{sign.height, sign.width, text.height, text.width};
    };
    EXPECT_EQ(sizes(), (std::vector<int>{50, 50, 20, 14}));
    EXPECT_FALSE(commands.ResetZoom());
    EXPECT_EQ(editor.fontChanges, 0);

    // 110, 125, 150 percent; the editor follows each step.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(commands.ZoomIn());
    EXPECT_EQ(signFont.zoomPercent(), 150);
    EXPECT_EQ(sizes(), (std::vector<int>{75, 75, 30, 21}));
    EXPECT_EQ(editor.fontChanges, 3);
    EXPECT_EQ(editor.viewResets, 0);

    // The font dialog offers the size that is kept, not the zoomed one.
    EXPECT_FALSE(commands.Font());
    EXPECT_EQ(fontDialog.initials.back(), CFSignFont::DefaultSignFont("Akkadian"));
    EXPECT_EQ(signFont.zoomPercent(), 150);

    // Back to the chosen size, then down to the smallest step and no further.
    EXPECT_TRUE(commands.ResetZoom());
    EXPECT_EQ(sizes(), (std::vector<int>{50, 50, 20, 14}));
    while (commands.ZoomOut()) {}
    EXPECT_EQ(signFont.zoomPercent(), CFSignFont::kZoomPercents[0]);
    EXPECT_EQ(sizes(), (std::vector<int>{25, 25, 10, 7}));
    while (commands.ZoomIn()) {}
    EXPECT_EQ(signFont.zoomPercent(), 300);
    EXPECT_EQ(sizes(), (std::vector<int>{150, 150, 60, 42}));
    EXPECT_EQ(editor.fontChanges, 3 + 1 + 4 + 11);

    // A font chosen in the dialog shows at its own size; a negative height
    // (a character height) keeps its sign when zoomed.
    FontAttributes chosen = CFSignFont::DefaultSignFont("Akkadian");
    chosen.height = -40;
    chosen.width = 0;
    fontDialog.choice = chosen;
    EXPECT_TRUE(commands.Font());
    EXPECT_EQ(signFont.zoomPercent(), 100);
    EXPECT_EQ(signFont.Fonts()->sign()->attributes(), chosen);
    EXPECT_TRUE(commands.ZoomIn());
    EXPECT_TRUE(commands.ZoomIn());
    EXPECT_EQ(signFont.Fonts()->sign()->attributes().height, -50);
    EXPECT_EQ(signFont.Fonts()->sign()->attributes().width, 0);

    // Nothing of it reaches the settings.
    EXPECT_TRUE(settings.writes().empty());
}

} // namespace
} // namespace velmora
