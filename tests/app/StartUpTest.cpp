#include "app/StartUp.h"

#include "dictionary/CFWordDictionary.h"
#include "platform/IniSettings.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

WordPtr Key(const std::string& text)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(text.begin(), text.end()));
}

class StartUpTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    IniSettings config{folder / "config.ini"};
    CFWordDictionary dictionary;
    MessageRecorder messages;
    FakeWindow owner;

    bool Start() { return StartUp(config, dictionary, messages, &owner); }
};

TEST_F(StartUpTest, MissingSettingsFileIsCreatedAndNamesTheSignDataBesideIt)
{
    WriteBytes(folder / "signdata.cfd", "LUGAL 12217\r\n");
    EXPECT_TRUE(Start());
    EXPECT_EQ(ReadBytes(folder / "config.ini"),
              "[SignFont]\r\nName=Akkadian\r\n\r\n[Worddata]\r\nFilename=.\\signdata.cfd\r\n");
    EXPECT_EQ(dictionary.CountCandidates(Key("LUGAL")), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(StartUpTest, ExistingSettingsFileIsLeftAloneAndItsMissingKeyReadsTheDefault)
{
    const std::string settings = "[SignFont]\nName=Noto Sans Cuneiform\n";
    WriteBytes(folder / "config.ini", settings);
    WriteBytes(folder / "signdata.cfd", "A 12000\r\n");
    EXPECT_TRUE(Start());
    EXPECT_EQ(ReadBytes(folder / "config.ini"), settings);
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);
}

TEST_F(StartUpTest, ConfiguredNameWithBackslashesIsAPathBesideTheSettings)
{
    std::filesystem::create_directories(folder / "data");
    WriteBytes(folder / "config.ini", "[Worddata]\r\nFilename=.\\data\\signs.cfd\r\n");
    WriteBytes(folder / "data" / "signs.cfd", "DU3 12109\r\n");
    EXPECT_EQ(ConfiguredWordDataPath(config), folder.path() / "data" / "signs.cfd");
    EXPECT_TRUE(Start());
    EXPECT_EQ(dictionary.CountCandidates(Key("DU")), 1u);
}

TEST_F(StartUpTest, EachLoadFailureHasItsMessageAndEndsTheProgram)
{
    const std::string path = (folder / "signdata.cfd").string();
    // No sign data file at all: the message, the file and what happened.
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0],
              (MessageRecorder::Message{&owner, "文字変換ファイルが開けません。\n" + path + "\nファイルが存在しません。",
                                        "エラー"}));

    // A malformed line, named by its number.
    messages.clear();
    WriteBytes(folder / "signdata.cfd", "A 12000\r\nQ! 12000\r\n");
    CFWordDictionary second;
    EXPECT_FALSE(StartUp(config, second, messages, &owner));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。\n" + path
                  + "\n2 行目の書式が正しくありません。");
    EXPECT_EQ(messages.messages()[0].caption, "エラー");

    // A pipe in the sign data file's place is refused at once.
    messages.clear();
    std::filesystem::remove(folder / "signdata.cfd");
    ASSERT_EQ(::mkfifo((folder / "signdata.cfd").c_str(), 0600), 0);
    CFWordDictionary third;
    EXPECT_FALSE(StartUp(config, third, messages, &owner));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("通常のファイルではありません"), std::string::npos);
}

TEST_F(StartUpTest, SettingsThatCannotBeReadAreReportedAndTheDefaultsUsed)
{
    std::filesystem::create_directory(folder / "config.ini");
    WriteBytes(folder / "signdata.cfd", "A 12000\r\n");
    EXPECT_TRUE(Start());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "設定ファイルを読み込めません。既定の設定を使います。\n"
                                               + (folder / "config.ini").string()
                                               + "\n通常のファイルではありません（フォルダーやデバイスなど）。");
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);
}

} // namespace
} // namespace velmora
