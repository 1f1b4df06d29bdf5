#include "app/StartUp.h"

#include "dictionary/CFWordDictionary.h"
#include "platform/IniSettings.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

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
    // No sign data file at all.
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0],
              (MessageRecorder::Message{&owner, "文字変換ファイルが開けません。", "エラー"}));

    // A malformed line.
    messages.clear();
    WriteBytes(folder / "signdata.cfd", "A 12000\r\nQ! 12000\r\n");
    CFWordDictionary second;
    EXPECT_FALSE(StartUp(config, second, messages, &owner));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。");
    EXPECT_EQ(messages.messages()[0].caption, "エラー");
}

} // namespace
} // namespace velmora
