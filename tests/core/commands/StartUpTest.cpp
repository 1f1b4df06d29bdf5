#include "core/commands/StartUp.h"

#include "core/commands/ProgramFolders.h"
#include "core/dictionary/CFWordDictionary.h"
#include "platform/IniSettings.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

WordPtr Key(const std::string& text)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>(text.begin(), text.end()));
}

// A user's machine in a scratch folder: the folder the program starts in, the
// user's configuration folder (not there yet), and an installation whose
// data lies in share/velmora beside bin/.
class StartUpTest : public ::testing::Test {
protected:
    ScratchFolder root;
    ProgramFolders folders{
        .start = root / "work",
        .userConfig = root / "home" / ".config" / "velmora",
        .userData = root / "home" / ".local" / "share" / "velmora",
        .installedData = root / "usr" / "share" / "velmora",
        .program = root / "usr" / "bin",
    };
    CFWordDictionary dictionary;
    MessageRecorder messages;
    FakeWindow owner;

    void SetUp() override
    {
        fs::create_directories(folders.start);
        fs::create_directories(folders.installedData);
        fs::create_directories(folders.program);
    }
    bool Start(IniSettings& config) { return StartUp(config, folders, dictionary, messages, &owner); }
};

TEST_F(StartUpTest, WithoutAPortableSettingsFileTheUsersIsCreatedAndTheInstalledDataFound)
{
    WriteBytes(folders.installedData / "signdata.cfd", "LUGAL 12217\r\n");
    const fs::path chosen = ChooseConfigFile(folders);
    EXPECT_EQ(chosen, folders.userConfig / "config.ini");

    IniSettings config(chosen);
    EXPECT_TRUE(Start(config));
    EXPECT_EQ(ReadBytes(folders.userConfig / "config.ini"),
              "[SignFont]\r\nName=Akkadian\r\n\r\n[Worddata]\r\nFilename=.\\signdata.cfd\r\n");
    EXPECT_EQ(dictionary.CountCandidates(Key("LUGAL")), 1u);
    EXPECT_TRUE(messages.empty());
    // Nothing is written into the folder the program started in.
    EXPECT_TRUE(fs::is_empty(folders.start));
}

TEST_F(StartUpTest, APortableSettingsFileIsUsedAsItIsAndItsDataBesideItComesFirst)
{
    const std::string settings = "[SignFont]\nName=Noto Sans Cuneiform\n";
    WriteBytes(folders.start / "config.ini", settings);
    WriteBytes(folders.start / "signdata.cfd", "A 12000\r\n");
    WriteBytes(folders.installedData / "signdata.cfd", "E 12313\r\n");
    WriteBytes(folders.program / "signdata.cfd", "I 1214A\r\n");

    IniSettings config(ChooseConfigFile(folders));
    EXPECT_EQ(config.path(), folders.start / "config.ini");
    EXPECT_TRUE(Start(config));
    EXPECT_EQ(ReadBytes(folders.start / "config.ini"), settings);
    EXPECT_FALSE(fs::exists(folders.userConfig));
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);
    EXPECT_EQ(dictionary.CountCandidates(Key("E")), 0u);
}

TEST_F(StartUpTest, ARelativeNameIsLookedForBesideTheSettingsThenInstalledThenBesideTheProgram)
{
    WriteBytes(folders.start / "config.ini", "[Worddata]\r\nFilename=.\\data\\signs.cfd\r\n");
    IniSettings config(folders.start / "config.ini");
    EXPECT_EQ(WordDataCandidates(config, folders),
              (std::vector<fs::path>{folders.start / "data" / "signs.cfd",
                                     folders.installedData / "data" / "signs.cfd",
                                     folders.program / "data" / "signs.cfd"}));

    // Run from the build folder, the data lies beside the program.
    fs::create_directories(folders.program / "data");
    WriteBytes(folders.program / "data" / "signs.cfd", "DU3 12109\r\n");
    EXPECT_TRUE(Start(config));
    EXPECT_EQ(dictionary.CountCandidates(Key("DU")), 1u);

    // A settings file beside the program names each folder once.
    ProgramFolders built = folders;
    built.start = built.program;
    IniSettings besideProgram(built.program / "config.ini");
    EXPECT_EQ(
        WordDataCandidates(besideProgram, built),
        (std::vector<fs::path>{folders.program / "signdata.cfd", folders.installedData / "signdata.cfd"}));

    // An absolute name is the only place.
    const fs::path absolute = root / "elsewhere.cfd";
    WriteBytes(folders.start / "config.ini", "[Worddata]\r\nFilename=" + absolute.string() + "\r\n");
    EXPECT_EQ(WordDataCandidates(config, folders), std::vector<fs::path>{absolute});
}

TEST_F(StartUpTest, EachLoadFailureHasItsMessageWithThePathsTriedAndEndsTheProgram)
{
    // No sign data file anywhere: every place tried is named.
    IniSettings config(ChooseConfigFile(folders));
    EXPECT_FALSE(Start(config));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0],
              (MessageRecorder::Message{
                  &owner,
                  "文字変換ファイルが開けません。\n" + (folders.userConfig / "signdata.cfd").string() + "\n"
                      + (folders.installedData / "signdata.cfd").string() + "\n"
                      + (folders.program / "signdata.cfd").string() + "\nファイルが存在しません。",
                  "エラー"}));

    // A malformed file where it was found: that file is named, and the line.
    messages.clear();
    WriteBytes(folders.installedData / "signdata.cfd", "A 12000\r\nQ! 12000\r\n");
    CFWordDictionary second;
    EXPECT_FALSE(StartUp(config, folders, second, messages, &owner));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "ファイル構文エラーです。\n文字変換ファイル読み取りに失敗しました。\n"
                  + (folders.installedData / "signdata.cfd").string() + "\n2 行目の書式が正しくありません。");
    EXPECT_EQ(messages.messages()[0].caption, "エラー");

    // A pipe in the sign data file's place is refused at once.
    messages.clear();
    fs::remove(folders.installedData / "signdata.cfd");
    ASSERT_EQ(::mkfifo((folders.installedData / "signdata.cfd").c_str(), 0600), 0);
    CFWordDictionary third;
    EXPECT_FALSE(StartUp(config, folders, third, messages, &owner));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "文字変換ファイルが開けません。\n" + (folders.installedData / "signdata.cfd").string()
                  + "\n通常のファイルではありません（フォルダーやデバイスなど）。");
}

TEST_F(StartUpTest, SettingsThatCannotBeReadAreReportedAndTheDefaultsUsed)
{
    fs::create_directory(folders.start / "config.ini");
    WriteBytes(folders.start / "signdata.cfd", "A 12000\r\n");
    IniSettings config(ChooseConfigFile(folders));
    EXPECT_TRUE(Start(config));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "設定ファイルを読み込めません。既定の設定を使います。\n"
                  + (folders.start / "config.ini").string()
                  + "\n通常のファイルではありません（フォルダーやデバイスなど）。");
    EXPECT_EQ(dictionary.CountCandidates(Key("A")), 1u);
}

} // namespace
} // namespace velmora
