#include "core/commands/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string> args)
{
    return CommandLine::Parse(args);
}

TEST(CommandLineTest, OneFileOrNoneRunsTheEditor)
{
    EXPECT_EQ(Parse({}).action, Action::Run);
    EXPECT_FALSE(Parse({}).file);

    const CommandLine letter = Parse({"letters/ša₂.txt"});
    EXPECT_EQ(letter.action, Action::Run);
    EXPECT_EQ(letter.file, std::filesystem::path(u8"letters/ša₂.txt"));

    // After "--" a name may start with "-"; "-" alone is a name too.
    EXPECT_EQ(Parse({"--", "-draft.txt"}).file, std::filesystem::path("-draft.txt"));
    EXPECT_EQ(Parse({"-"}).file, std::filesystem::path("-"));
}

TEST(CommandLineTest, HelpAndVersionWinOverEverythingElseAndMistakesAreNamed)
{
    EXPECT_EQ(Parse({"--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"-platform", "offscreen", "-h", "a.txt", "b.txt"}).action, Action::Help);
    EXPECT_EQ(Parse({"--version", "--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"-V", "--bogus"}).action, Action::Version);
    EXPECT_EQ(Parse({"--", "--help"}).action, Action::Run);
    EXPECT_TRUE(CommandLine::VersionText().starts_with("velmora 1.")) << CommandLine::VersionText();

    const CommandLine unknown = Parse({"a.txt", "--bogus"});
    EXPECT_EQ(unknown.action, Action::Error);
    EXPECT_EQ(unknown.error, "unknown option '--bogus'");
    const CommandLine two = Parse({"a.txt", "b.txt"});
    EXPECT_EQ(two.action, Action::Error);
    EXPECT_EQ(two.error, "one file at a time: 'b.txt' is one too many");
}

} // namespace
} // namespace velmora
