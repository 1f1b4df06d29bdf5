// Runs the built velmora-signs as a user would and checks its output, its
// messages and its exit statuses.

#include "core/dictionary/CFWordDictionary.h"
#include "tests/support/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
using ::testing::HasSubstr;
using ::testing::StartsWith;

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
    for (const std::string command :
         {"from-unicode", "from-osl", "lookup", "resave", "make-data", "convert"}) {
        const ToolRun run = RunTool(folder, {command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_THAT(run.out, StartsWith("Usage: velmora-signs " + command)) << command;
    }

    const ToolRun unknown = RunTool(folder, {"translate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("unknown command 'translate'"));
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
    WriteBytes(in,
               "// hand-written\nDU3 12195\nDU 1207a\n#SA2 12038,1202d\nDU3 12000\nDU0 12001\n-u11 1203a\n");

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
    // The determinatives d, f and m come with every list that lacks them;
    // the deprecated šag is kept, as no current value reads šag.
    EXPECT_EQ(ReadBytes(out),
              "D1 1202d\r\nF1 122a9\r\nM1 12079\r\nSA20 122ad\r\nCA1 122ad\r\nCAG1 122ad\r\n");
    EXPECT_THAT(run.out,
                HasSubstr(out
                          + ": 6 readings under 6 keys (0 uncertain and 1 deprecated values kept, "
                            "3 determinatives added)"));
    EXPECT_THAT(run.out, HasSubstr("unknown index (ₓ): 1\n"));

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

TEST(SignsToolTest, MakeDataWritesTheBundledDataWithItsSourceAndLicence)
{
    ScratchFolder folder;
    const std::string list = (folder / "excerpt.asl").string();
    WriteBytes(list, "@sign ŠA\n@ucun\t𒊭\n@v\tša\n@end sign\n");
    const ToolRun run = RunTool(folder, {"make-data", "--date", "2026-01-02", list, folder.path().string()});
    ASSERT_EQ(run.status, 0) << run.err;

    const std::string signData = ReadBytes(folder / "signdata.cfd");
    EXPECT_THAT(signData, StartsWith("// The sign data Velmora starts with"));
    EXPECT_THAT(signData,
                HasSubstr("from excerpt.asl, a copy of the\r\n// Oracc Sign List taken on 2026-01-02."));
    EXPECT_THAT(signData, HasSubstr("CC0 1.0"));
    EXPECT_THAT(signData, HasSubstr("\r\nCA1 122ad\r\n"));
    CFWordDictionary dictionary;
    ASSERT_TRUE(dictionary.LoadFromBytes(signData));
    EXPECT_EQ(dictionary.CandidateCount(), 4u); // ša and the determinatives
    EXPECT_THAT(ReadBytes(folder / "SignNames.inc"), HasSubstr("\n{0x122AD, \"ŠA\"},\n"));
    EXPECT_THAT(ReadBytes(folder / "AtfSigns.inc"), HasSubstr("\n{V, U\"ša\", U\"\\U000122AD\"},\n"));

    EXPECT_EQ(RunTool(folder, {"make-data", "--date", "January", list, folder.path().string()}).status, 2);
    EXPECT_EQ(RunTool(folder, {"make-data", list, (folder / "none").string()}).status, 2);
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

// An ATF file written for these tests: a letter's opening in both styles.
constexpr const char* kLetter = "&X000001 = A letter\n"
                                "@obverse\n"
                                "1. a-na be-li₂-ia\n"
                                "2. qi2-bi2-ma\n"
                                "$ rest broken\n";

TEST(SignsToolConvertTest, ConvertsAnAtfFileToLinesOfSignsWithOrWithoutLabels)
{
    ScratchFolder folder;
    const std::string atf = (folder / "letter.atf").string();
    WriteBytes(atf, kLetter);

    const ToolRun run = RunTool(folder, {"convert", atf});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.\t𒀀𒈾 𒁁𒉌𒅀\r\n2.\t𒆠𒉈𒈠\r\n");
    EXPECT_EQ(run.err, atf + ": 8 readings, 0 kept in Latin\n");
    const ToolRun dash = RunTool(folder, {"convert", atf, "-"});
    EXPECT_EQ(dash.out, run.out);
    EXPECT_FALSE(std::filesystem::exists(folder / "-"));

    const std::string txt = (folder / "letter.txt").string();
    const ToolRun noLabels = RunTool(folder, {"convert", "--no-labels", atf, txt});
    EXPECT_EQ(noLabels.status, 0) << noLabels.err;
    EXPECT_EQ(noLabels.out, "");
    EXPECT_EQ(ReadBytes(txt), "𒀀𒈾 𒁁𒉌𒅀\r\n𒆠𒉈𒈠\r\n");

    // The output never replaces the input.
    const ToolRun onItself = RunTool(folder, {"convert", atf, atf});
    EXPECT_EQ(onItself.status, 2);
    EXPECT_THAT(onItself.err, HasSubstr("would replace the input"));
    EXPECT_EQ(ReadBytes(atf), kLetter);
}

TEST(SignsToolConvertTest, ReadingsKeptInLatinAreReportedWithFileAndLine)
{
    ScratchFolder folder;
    const std::string atf = (folder / "broken.atf").string();
    WriteBytes(atf, "1. a-qqq-na 80 LIM\nno label here\n2. {zzz}ma\n");

    const ToolRun run = RunTool(folder, {"convert", atf});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1.\t𒀀qqq𒈾 80 𒅆\r\n2.\t{zzz}𒈠\r\n");
    EXPECT_EQ(run.err,
              atf + ":1: no sign for qqq\n" +                              //
                  atf + ":2: no line label; the line is not converted\n" + //
                  atf + ":3: no sign for {zzz}\n" +                        //
                  atf
                  + ": 6 readings, 2 kept in Latin, 1 bare numbers left in digits, "
                    "1 lines without a label\n");

    WriteBytes(atf, "1. a\n2. a\xff\n");
    const ToolRun invalid = RunTool(folder, {"convert", atf});
    EXPECT_EQ(invalid.status, 2);
    EXPECT_EQ(invalid.out, "");
    EXPECT_THAT(invalid.err, HasSubstr(atf + ":2: not valid UTF-8"));
}

TEST(SignsToolConvertTest, SeveralInputsGoIntoAFolderAsTextOrHtml)
{
    ScratchFolder folder;
    const std::string letter = (folder / "letter.atf").string();
    const std::string other = (folder / "other.atf").string();
    const std::string absent = (folder / "absent.atf").string();
    WriteBytes(letter, kLetter);
    WriteBytes(other, "1. <a> & [x]\n");
    std::filesystem::create_directory(folder / "out");
    const std::string out = (folder / "out").string();

    const ToolRun run = RunTool(
        folder, {"convert", "--html", "--with-transliteration", "--output-dir", out, letter, absent, other});
    // The missing input is reported; the others are converted.
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr(absent + ": cannot open or read the file"));
    const std::string html = ReadBytes(folder / "out" / "letter.html");
    EXPECT_THAT(html, HasSubstr("<h2>&amp;X000001 = A letter</h2>"));
    EXPECT_THAT(html, HasSubstr("font-family: \"Akkadian\", \"Noto Sans Cuneiform\""));
    EXPECT_THAT(html,
                HasSubstr("<td class=\"label\">2.</td><td><div class=\"cuneiform\">𒆠𒉈𒈠</div>"
                          "<div class=\"transliteration\">qi2-bi2-ma</div>"));
    EXPECT_THAT(ReadBytes(folder / "out" / "other.html"),
                HasSubstr("<div class=\"transliteration\">&lt;a&gt; &amp; [x]</div>"));
    EXPECT_FALSE(std::filesystem::exists(folder / "out" / "absent.html"));

    const ToolRun text = RunTool(folder, {"convert", "--output-dir", out, letter});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(ReadBytes(folder / "out" / "letter.txt"), "1.\t𒀀𒈾 𒁁𒉌𒅀\r\n2.\t𒆠𒉈𒈠\r\n");

    EXPECT_EQ(RunTool(folder, {"convert", "--with-transliteration", letter}).status, 2);
    EXPECT_EQ(RunTool(folder, {"convert", letter, other, absent}).status, 2);
    EXPECT_EQ(RunTool(folder, {"convert", "--output-dir", (folder / "none").string(), letter}).status, 2);
}

TEST(SignsToolConvertTest, OnlyRegularFilesAreReadAndAnEmptyResultIsNoSuccess)
{
    ScratchFolder folder;
    // Lone CR line ends, as the editor reads them; a text longer than a
    // piece of the reader, so that it is converted in pieces.
    const std::string atf = (folder / "cr.atf").string();
    std::string text = "&X000001 = A letter\r";
    for (int line = 1; line <= 40000; ++line)
        text += std::to_string(line) + ". a-na be-li₂-ia qi2-bi2-ma\r";
    WriteBytes(atf, text);
    const ToolRun run = RunTool(folder, {"convert", "--no-labels", atf});
    EXPECT_EQ(run.status, 0) << run.err;
    std::string expected;
    for (int line = 1; line <= 40000; ++line)
        expected += "𒀀𒈾 𒁁𒉌𒅀 𒆠𒉈𒈠\r\n";
    EXPECT_EQ(run.out, expected);
    const ToolRun html = RunTool(folder, {"convert", "--html", atf});
    EXPECT_EQ(html.status, 0) << html.err;
    // One text, one heading and one table, however many pieces it took.
    EXPECT_EQ(html.out.find("<table>"), html.out.rfind("<table>"));

    // Nothing to convert: told, and no success.
    const std::string structure = (folder / "structure.atf").string();
    WriteBytes(structure, "&P000001 = Letter\n@obverse\n$ broken\n");
    const ToolRun empty = RunTool(folder, {"convert", structure, (folder / "out.txt").string()});
    EXPECT_EQ(empty.status, 2);
    EXPECT_THAT(empty.err, HasSubstr("no text lines"));
    EXPECT_FALSE(std::filesystem::exists(folder / "out.txt"));

    // A pipe without a writer, and a device: refused at once.
    const std::string pipe = (folder / "pipe.atf").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const ToolRun fromPipe = RunTool(folder, {"convert", pipe});
    EXPECT_EQ(fromPipe.status, 2);
    EXPECT_THAT(fromPipe.err, HasSubstr("not a regular file"));
    const ToolRun fromDevice = RunTool(folder, {"convert", "/dev/zero"});
    EXPECT_EQ(fromDevice.status, 2);
    const ToolRun listFromPipe = RunTool(folder, {"convert", "--sign-list", pipe, atf});
    EXPECT_EQ(listFromPipe.status, 2);
    EXPECT_THAT(listFromPipe.err, HasSubstr("not a regular file"));
}

TEST(SignsToolConvertTest, AnotherCopyOfTheSignListCanBeUsed)
{
    ScratchFolder folder;
    const std::string atf = (folder / "a.atf").string();
    const std::string list = (folder / "mini.asl").string();
    WriteBytes(atf, "1. a-na\n");
    // A list in which na is the sign DU.
    WriteBytes(list, "@sign A\n@ucun\t𒀀\n@v\ta\n@end sign\n@sign DU\n@ucun\t𒁺\n@v\tna\n@end sign\n");
    const ToolRun run = RunTool(folder, {"convert", "--sign-list", list, "--no-labels", atf});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "𒀀𒁺\r\n");

    const ToolRun missing = RunTool(folder, {"convert", "--sign-list", (folder / "no.asl").string(), atf});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("no.asl: cannot open or read the sign list"));
}

} // namespace
} // namespace velmora
