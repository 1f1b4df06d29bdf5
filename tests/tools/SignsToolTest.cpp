// Runs the built velmora-signs as a user would and checks its output, its
// messages and its exit statuses.

#include "dictionary/CFWordDictionary.h"
#include "support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

ToolRun RunTool(const ScratchFolder& folder, const std::vector<std::string>& args)
{
    const std::filesystem::path errPath = folder / "stderr.txt";
    std::string command = Quoted(VELMORA_SIGNS_EXECUTABLE);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " 2>" + Quoted(errPath.string());

    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadBytes(errPath);
    return run;
}

TEST(SignsToolTest, HelpIsGivenForTheToolAndEachCommand)
{
    ScratchFolder folder;
    const ToolRun help = RunTool(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: velmora-signs COMMAND"));
    for (const std::string command : {"from-unicode", "from-osl", "lookup", "resave"}) {
        const ToolRun run = RunTool(folder, {command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_THAT(run.out, StartsWith("Usage: velmora-signs " + command)) << command;
    }

    const ToolRun unknown = RunTool(folder, {"convert"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("unknown command 'convert'"));
    EXPECT_EQ(RunTool(folder, {}).status, 2);
    const ToolRun missing = RunTool(folder, {"lookup", "only-one.cfd"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("lookup --help"));
}

TEST(SignsToolTest, LookupListsTheCandidatesOrExitsWithOne)
{
    ScratchFolder folder;
    const std::string dictionary = (folder / "signs.cfd").string();
    WriteBytes(dictionary, "DU3 12195\r\nDU 1207a\r\n");

    const ToolRun du3 = RunTool(folder, {"lookup", dictionary, "du3"});
    EXPECT_EQ(du3.status, 0) << du3.err;
    EXPECT_EQ(du3.out, " \t1\tU+1207A\t𒁺\n*\t3\tU+12195\t𒆕\n");

    const ToolRun none = RunTool(folder, {"lookup", dictionary, "ša"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    const ToolRun tooLong = RunTool(folder, {"lookup", dictionary, "dudududududududududu"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_THAT(tooLong.err, HasSubstr("more than 18 characters"));
}

TEST(SignsToolTest, ABadDictionaryExitsWithTwoNamingFileAndLine)
{
    ScratchFolder folder;
    const std::string bad = (folder / "bad.cfd").string();
    WriteBytes(bad, "A 12000\n// note\nQ! 12000\nB 12001\n");

    const ToolRun lookup = RunTool(folder, {"lookup", bad, "a"});
    EXPECT_EQ(lookup.status, 2);
    EXPECT_EQ(lookup.out, "");
    EXPECT_THAT(lookup.err, HasSubstr(bad + ":3: malformed sign data: character outside the key notation"));

    const std::string absent = (folder / "absent.cfd").string();
    const ToolRun missing = RunTool(folder, {"lookup", absent, "a"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr(absent + ": no such file"));
    const ToolRun folderGiven = RunTool(folder, {"lookup", folder.path().string(), "a"});
    EXPECT_EQ(folderGiven.status, 2);
    EXPECT_THAT(folderGiven.err, HasSubstr(": not a regular file"));

    const std::string out = (folder / "out.cfd").string();
    const ToolRun resave = RunTool(folder, {"resave", bad, out});
    EXPECT_EQ(resave.status, 2);
    EXPECT_THAT(resave.err, HasSubstr(bad + ":3:"));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(SignsToolTest, ResavedDataReadsBackWithTheSameCandidates)
{
    ScratchFolder folder;
    const std::string in = (folder / "in.cfd").string();
    const std::string out = (folder / "out.cfd").string();
    WriteBytes(in, "// hand-written\nDU3 12195\nDU 1207a\n#SA2 12038,1202d\nDU3 12000\nDU0 12001\n-u11 1203a\n");

    const ToolRun run = RunTool(folder, {"resave", in, out});
    ASSERT_EQ(run.status, 0) << run.err;

    CFWordDictionary original;
    CFWordDictionary resaved;
    ASSERT_TRUE(original.Load(in));
    ASSERT_TRUE(resaved.Load(out));
    ASSERT_EQ(resaved.EntryCount(), original.EntryCount());
    ASSERT_EQ(resaved.CandidateCount(), original.CandidateCount());
    original.ForEachEntry([&](const CFWordDictionary::Entry& entry) {
        const auto* other = resaved.FindEntry(entry.key);
        ASSERT_NE(other, nullptr);
        ASSERT_EQ(other->candidates->size(), entry.candidates->size());
        auto it = other->candidates->begin();
        for (const WordPtr& word : *entry.candidates) {
            EXPECT_EQ((*it)->number, word->number); // 0 included
            EXPECT_TRUE(std::ranges::equal((*it)->Cells(), word->Cells()));
            ++it;
        }
    });
}

TEST(SignsToolTest, FromOslWritesTheReadingsAndSummarisesWhatWasLeftOut)
{
    ScratchFolder folder;
    const std::string list = (folder / "excerpt.asl").string();
    const std::string out = (folder / "excerpt.cfd").string();
    WriteBytes(list, "@sign ŠA\n@ucun\t𒊭\n@v\tša\n@v\tsa₂₀\n@v\tšaₓ\n@v-\tšag\n@end sign\n");

    const ToolRun run = RunTool(folder, {"from-osl", list, out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), "SA20 122ad\r\nCA1 122ad\r\n");
    EXPECT_THAT(run.out, HasSubstr(out + ": 2 readings under 2 keys"));
    EXPECT_THAT(run.out, HasSubstr("unknown index (ₓ): 1\n"));
    EXPECT_THAT(run.out, HasSubstr("deprecated value (@v-): 1\n"));

    const std::string absent = (folder / "absent.asl").string();
    const ToolRun missing = RunTool(folder, {"from-osl", absent, out});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr(absent + ": cannot open or read the file"));
    const ToolRun folderAsList = RunTool(folder, {"from-osl", folder.path().string(), out});
    EXPECT_EQ(folderAsList.status, 2);
    EXPECT_THAT(folderAsList.err, HasSubstr(folder.path().string() + ": cannot open or read the file"));

    const std::string unwritable = (folder / "no-such-folder" / "x.cfd").string();
    const ToolRun cannotWrite = RunTool(folder, {"from-osl", list, unwritable});
    EXPECT_EQ(cannotWrite.status, 2);
    EXPECT_THAT(cannotWrite.err, HasSubstr(unwritable + ": cannot write the file"));

    WriteBytes(list, "@sign A\n@ucun\t𒀀\n@v\ta\xC0\n@end sign\n");
    const ToolRun malformed = RunTool(folder, {"from-osl", list, out});
    EXPECT_EQ(malformed.status, 2);
    EXPECT_THAT(malformed.err, HasSubstr(list + ":3: not valid UTF-8"));
}

TEST(SignsToolTest, FromUnicodeWritesTheReadingsOfTheSignNames)
{
    ScratchFolder folder;
    const std::string out = (folder / "signdata.cfd").string();
    const ToolRun run = RunTool(folder, {"from-unicode", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(ReadBytes(out), HasSubstr("\r\nCA3 122ae\r\n"));

    // A generated file is already in the form Save writes.
    const std::string resaved = (folder / "resaved.cfd").string();
    ASSERT_EQ(RunTool(folder, {"resave", out, resaved}).status, 0);
    EXPECT_EQ(ReadBytes(resaved), ReadBytes(out));

    const ToolRun sha3 = RunTool(folder, {"lookup", out, "ša3"});
    EXPECT_EQ(sha3.status, 0);
    EXPECT_THAT(sha3.out, HasSubstr("*\t3\tU+122AE\t𒊮\n"));
}

TEST(SignsToolTest, ThePublicSignListConvertsForTheCommonReadings)
{
    ScratchFolder folder;
    const std::filesystem::path list = std::filesystem::path(VELMORA_SHARED_DATA_DIR) / "osl.asl";
    if (!std::filesystem::exists(list))
        GTEST_SKIP() << "no sign list at " << list;
    const std::string out = (folder / "osl.cfd").string();
    const ToolRun run = RunTool(folder, {"from-osl", list.string(), out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Left out:\n"));

    const ToolRun sha = RunTool(folder, {"lookup", out, "ša"});
    EXPECT_THAT(sha.out, StartsWith("*\t1\tU+122AD\t"));
    const ToolRun sha2 = RunTool(folder, {"lookup", out, "ša₂"});
    EXPECT_THAT(sha2.out, HasSubstr("\n*\t2\tU+120FB\t𒃻\n"));
    const ToolRun lugal = RunTool(folder, {"lookup", out, "lugal"});
    EXPECT_THAT(lugal.out, StartsWith("*\t1\tU+12217\t"));
    const ToolRun du3 = RunTool(folder, {"lookup", out, "du3"});
    EXPECT_EQ(du3.status, 0);
    EXPECT_THAT(du3.out, HasSubstr("\n*\t3\t"));
}

} // namespace
} // namespace velmora
