#include "core/files/DocumentFiles.h"
#include "core/document/CFDocument.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <sys/wait.h>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
using Lines = std::vector<std::vector<std::uint32_t>>;

CFDocument Doc(const Lines& lines)
{
    CFDocument d;
    for (std::uint32_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            d.InsertLine(i);
        d.InsertCells(static_cast<std::uint32_t>(lines[i].size()), i, 0, lines[i].data());
    }
    return d;
}

Lines Cells(const CFDocument& d)
{
    Lines out;
    for (std::uint32_t l = 0; l < d.LineCount(); ++l)
        out.emplace_back(d.Line(l).Cells().begin(), d.Line(l).Cells().end());
    return out;
}

// Loads bytes written to a file into a fresh document.
Lines Load(const ScratchFolder& dir, const std::string& bytes)
{
    WriteBytes(dir / "in.txt", bytes);
    CFDocument d;
    EXPECT_TRUE(LoadTextFile(dir / "in.txt", d));
    return Cells(d);
}

// The exported page up to its title, and from the title to the text.
constexpr const char* kPageHead = "<!DOCTYPE html>\r\n"
                                  "<html lang=\"akk-Xsux\">\r\n"
                                  "<head>\r\n"
                                  "<meta charset=\"utf-8\">\r\n"
                                  "<title>";
constexpr const char* kPageStyle =
    "</title>\r\n"
    "<style>\r\n"
    "body { font-family: \"Akkadian\", \"Noto Sans Cuneiform\", \"Segoe UI Historic\", sans-serif;"
    " font-size: 3em; }\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "<body>\r\n";

// Runs a shell command; its standard output, and its exit status (-1 when
// it could not be run).
std::pair<std::string, int> RunCommand(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {{}, -1};
    std::string out;
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, got);
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

// A letter's first lines as the editor holds them: "a-na be-li₂-ia" and
// "qi₂-bi₂-ma" in cuneiform, then "um-ma {d}marduk" left in Latin.
CFDocument Letter()
{
    const std::u32string lines[] = {U"𒀀𒈾 𒁁𒉌𒅀", U"𒆠𒉈𒈠", U"um-ma {d}marduk"};
    CFDocument d;
    for (std::uint32_t i = 0; i < 3; ++i) {
        if (i > 0)
            d.InsertLine(i);
        d.InsertCells(static_cast<std::uint32_t>(lines[i].size()), i, 0,
                      reinterpret_cast<const std::uint32_t*>(lines[i].data()));
    }
    return d;
}

// The page is valid HTML (the validator finds neither errors nor warnings)
// and a browser engine reads it as written: the title in UTF-8, the
// language, and every sign from its numeric reference.
TEST(DocumentFiles, TheExportedPageIsValidHtmlThatABrowserReadsAsTheDocument)
{
    ScratchFolder dir;
    const std::filesystem::path page = dir / "ṣibtu & co.html";
    ASSERT_TRUE(ExportHtml(page, Letter()));
    const std::string bytes = ReadBytes(page);
    EXPECT_NE(bytes.find("<title>ṣibtu &amp; co</title>"), std::string::npos);
    EXPECT_NE(bytes.find("<body>\r\n&#73728;&#74302;&#32;&#73793;"), std::string::npos);
    EXPECT_EQ(bytes.find("𒀀"), std::string::npos) << "a sign written as text";

    const auto [report, validity] = RunCommand("tidy -q -e " + Quoted(page) + " 2>&1");
    ASSERT_NE(validity, 127) << "tidy is missing: run scripts/setup-debian.sh";
    EXPECT_EQ(validity, 0) << report;

    const auto [dom, status] =
        RunCommand("timeout 90 chromium --headless --no-sandbox --disable-gpu --no-first-run "
                   "--user-data-dir="
                   + Quoted(dir / "profile") + " --dump-dom " + Quoted(page) + " 2>/dev/null");
    ASSERT_NE(status, 127) << "chromium is missing: run scripts/setup-debian.sh";
    ASSERT_EQ(status, 0);
    EXPECT_NE(dom.find("<html lang=\"akk-Xsux\">"), std::string::npos) << dom;
    EXPECT_NE(dom.find("<title>ṣibtu &amp; co</title>"), std::string::npos) << dom;
    EXPECT_NE(dom.find("<body>\n𒀀𒈾 𒁁𒉌𒅀<br>\n𒆠𒉈𒈠<br>\num-ma {d}marduk\n"), std::string::npos) << dom;
}

TEST(DocumentFiles, CellsNoPageMayHoldAreExportedAsTheReplacementCharacter)
{
    ScratchFolder dir;
    // NUL, a C1 control a browser would show as €, a lone surrogate, a
    // noncharacter and a value beyond Unicode; a tab stays.
    ASSERT_TRUE(ExportHtml(dir / "odd.html", Doc({{0x00, 0x80, 0xD800, 0xFFFE, 0x110000, 0x09, 0x12000}})));
    const std::string bytes = ReadBytes(dir / "odd.html");
    EXPECT_NE(bytes.find("<body>\r\n&#65533;&#65533;&#65533;&#65533;&#65533;&#9;&#73728;\r\n</body>"),
              std::string::npos)
        << bytes;
}

TEST(DocumentFiles, TheExampleDocumentAsTextAndAsHtml)
{
    ScratchFolder dir;
    const auto doc = Doc({{0x12000, 0x12001}, {0x12038}});
    ASSERT_TRUE(SaveTextFile(dir / "a.txt", doc));
    EXPECT_EQ(ReadBytes(dir / "a.txt"), "\xF0\x92\x80\x80\xF0\x92\x80\x81\r\n\xF0\x92\x80\xB8");
    CFDocument back;
    ASSERT_TRUE(LoadTextFile(dir / "a.txt", back));
    EXPECT_EQ(back, doc);

    ASSERT_TRUE(ExportHtml(dir / "a.html", doc));
    EXPECT_EQ(ReadBytes(dir / "a.html"),
              std::string(kPageHead) + "a" + kPageStyle
                  + "&#73728;&#73729;<br/>\r\n"
                    "&#73784;\r\n</body>\r\n</html>\r\n");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"a.txt", "a.html"}));
}

TEST(DocumentFiles, EmptyDocumentsAndEmptyLastLines)
{
    ScratchFolder dir;
    ASSERT_TRUE(SaveTextFile(dir / "e.txt", CFDocument{}));
    EXPECT_EQ(ReadBytes(dir / "e.txt"), "");
    EXPECT_EQ(Load(dir, ""), (Lines{{}}));

    ASSERT_TRUE(ExportHtml(dir / "e.html", CFDocument{}));
    EXPECT_EQ(ReadBytes(dir / "e.html"),
              std::string(kPageHead) + "e" + kPageStyle + "\r\n</body>\r\n</html>\r\n");

    ASSERT_TRUE(SaveTextFile(dir / "t.txt", Doc({{'a'}, {}, {}})));
    EXPECT_EQ(ReadBytes(dir / "t.txt"), "a\r\n\r\n");
    EXPECT_EQ(Load(dir, "a\r\n\r\n"), (Lines{{'a'}, {}, {}}));
}

TEST(DocumentFiles, CodePointsUpToTheUnicodeLimitRoundTrip)
{
    ScratchFolder dir;
    Lines lines(1);
    for (std::uint32_t c = 0; c <= 0x10FFFF; c += (c < 0x1000 ? 1 : 61)) {
        if (c == 0x0D || c == 0x0A)
            continue;
        if (lines.back().size() == 1000)
            lines.emplace_back();
        lines.back().push_back(c);
    }
    lines.back().push_back(0x10FFFF);
    // A byte-order mark, control characters and lone surrogates are cells
    // like any other and come back as they were.
    lines.push_back({0xFEFF, 0x00, 0x09, 0x7F, 0xD800, 0xDFFF});
    ASSERT_TRUE(SaveTextFile(dir / "all.txt", Doc(lines)));
    CFDocument back;
    ASSERT_TRUE(LoadTextFile(dir / "all.txt", back));
    EXPECT_EQ(Cells(back), lines);

    // Values beyond Unicode have no encoding and are left out.
    ASSERT_TRUE(SaveTextFile(dir / "big.txt", Doc({{'A', 0x110000, 'B', 0xFFFFFFFF}})));
    EXPECT_EQ(ReadBytes(dir / "big.txt"), "AB");
}

TEST(DocumentFiles, LfCrLfAndALoneCrEachEndALine)
{
    ScratchFolder dir;
    // A letter in the usual Linux form: LF after every line.
    EXPECT_EQ(Load(dir, "a-na be-li\nqi-bi-ma\n"),
              (Lines{{'a', '-', 'n', 'a', ' ', 'b', 'e', '-', 'l', 'i'},
                     {'q', 'i', '-', 'b', 'i', '-', 'm', 'a'},
                     {}}));
    EXPECT_EQ(Load(dir, "a\r\nb\rc\n\rd"), (Lines{{'a'}, {'b'}, {'c'}, {}, {'d'}}));
    EXPECT_EQ(Load(dir, "\n\r\n\r"), (Lines{{}, {}, {}, {}}));
    // Saving writes CR LF whatever the file had.
    CFDocument doc;
    WriteBytes(dir / "lf.txt", "\xF0\x92\x88\x97\nx\n");
    ASSERT_TRUE(LoadTextFile(dir / "lf.txt", doc));
    ASSERT_TRUE(SaveTextFile(dir / "lf.txt", doc));
    EXPECT_EQ(ReadBytes(dir / "lf.txt"), "\xF0\x92\x88\x97\r\nx\r\n");
}

TEST(DocumentFiles, AFileThatIsNotUtf8IsRefusedNamingTheLineOfTheFirstBadByte)
{
    ScratchFolder dir;
    const auto original = Doc({{0x12217}});
    const auto refused = [&](const std::string& bytes) {
        WriteBytes(dir / "bad.txt", bytes);
        CFDocument doc = original;
        const FileLoadResult result = LoadTextFile(dir / "bad.txt", doc);
        EXPECT_EQ(doc, original);
        return result.reason == FileLoadResult::Reason::NotUtf8 ? result.line : 0u;
    };
    // Latin-1: the é would once have swallowed the line break after it.
    EXPECT_EQ(refused("caf\xE9\r\nnext"), 1u);
    EXPECT_EQ(refused("um-ma\r\nlugal\nsar-ru caf\xE9"), 3u);
    EXPECT_EQ(refused("a\x80"), 1u);            // stray continuation byte
    EXPECT_EQ(refused("\xC0\x8D"), 1u);         // overlong CR
    EXPECT_EQ(refused("\xE0\x80\x80"), 1u);     // overlong
    EXPECT_EQ(refused("\xF4\x90\x80\x80"), 1u); // above U+10FFFF
    EXPECT_EQ(refused("\xF8\x88\x80\x80\x80"), 1u);
    EXPECT_EQ(refused("x\r\n\xF0\x92\x80"), 2u); // cut off by the end
    EXPECT_EQ(refused("\xF0\x92\x80\r\n"), 1u);  // cut off by a line end
}

TEST(DocumentFiles, TheLimitsOfTheEditorApplyBeforeAnythingIsReplaced)
{
    ScratchFolder dir;
    const auto original = Doc({{'o', 'l', 'd'}});
    CFDocument doc = original;

    // 60000 lines fill the main editor; one more line is refused.
    std::string lines;
    for (int i = 1; i < 60000; ++i)
        lines += "\r\n";
    WriteBytes(dir / "full.txt", lines);
    ASSERT_TRUE(LoadTextFile(dir / "full.txt", doc));
    EXPECT_EQ(doc.LineCount(), 60000u);
    doc = original;
    WriteBytes(dir / "more.txt", lines + "\n");
    FileLoadResult result = LoadTextFile(dir / "more.txt", doc);
    EXPECT_EQ(result.reason, FileLoadResult::Reason::TooManyLines);
    EXPECT_EQ(result.limit, 60000u);
    EXPECT_EQ(doc, original);

    // A line one cell too long, named by its number.
    WriteBytes(dir / "long.txt", "a\nb\n" + std::string(1001, 'x') + "\nc");
    result = LoadTextFile(dir / "long.txt", doc);
    EXPECT_EQ(result.reason, FileLoadResult::Reason::LineTooLong);
    EXPECT_EQ(result.line, 3u);
    EXPECT_EQ(result.limit, 1000u);
    EXPECT_EQ(doc, original);

    // Larger than any document of 60000 lines of 1000 signs can be: refused
    // from its size alone (the file is sparse; reading it would take long).
    const std::uint64_t largest = MaxTextFileBytes(1000, 60000);
    EXPECT_EQ(largest, 4ull * 1000 * 60000 + 2 * 59999);
    std::ofstream(dir / "huge.txt").close();
    std::filesystem::resize_file(dir / "huge.txt", largest + 1);
    result = LoadTextFile(dir / "huge.txt", doc);
    EXPECT_EQ(result.reason, FileLoadResult::Reason::TooLarge);
    EXPECT_EQ(result.limit, largest);
    EXPECT_EQ(doc, original);
}

TEST(DocumentFiles, OnlyRegularFilesAreOpenedAndNeverWaitedFor)
{
    ScratchFolder dir;
    const auto original = Doc({{'o', 'l', 'd'}});
    CFDocument doc = original;
    EXPECT_EQ(LoadTextFile(dir / "missing.txt", doc).reason, FileLoadResult::Reason::Missing);
    EXPECT_EQ(LoadTextFile(dir / "no" / "such.txt", doc).reason, FileLoadResult::Reason::Missing);
    EXPECT_EQ(LoadTextFile(dir.path(), doc).reason, FileLoadResult::Reason::NotRegular);
#if defined(__unix__)
    // A pipe without a writer would block an ordinary open for ever.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(LoadTextFile(dir / "pipe", doc).reason, FileLoadResult::Reason::NotRegular);
    EXPECT_EQ(LoadTextFile("/dev/zero", doc).reason, FileLoadResult::Reason::NotRegular);
    std::filesystem::create_symlink(dir / "pipe", dir / "link");
    EXPECT_EQ(LoadTextFile(dir / "link", doc).reason, FileLoadResult::Reason::NotRegular);
#endif
    EXPECT_EQ(doc, original);
}

TEST(DocumentFiles, LoadReplacesTheDocumentOnlyWhenTheWholeFileWasRead)
{
    ScratchFolder dir;
    const auto original = Doc({{'o', 'l', 'd'}, {'t', 'e', 'x', 't'}});
    CFDocument doc = original;
    const std::string full(1000, 'x'), tooLong(1001, 'x');

    WriteBytes(dir / "ok.txt", "a\r\n" + full);
    ASSERT_TRUE(LoadTextFile(dir / "ok.txt", doc));
    EXPECT_EQ(Cells(doc), (Lines{{'a'}, Lines::value_type(1000, 'x')}));

    doc = original;
    WriteBytes(dir / "long.txt", "a\r\nb\r\n" + tooLong + "\r\nc");
    EXPECT_FALSE(LoadTextFile(dir / "long.txt", doc));
    EXPECT_EQ(doc, original);

    doc.maxLineLength = 3; // the limit is the document's own
    WriteBytes(dir / "four.txt", "abcd");
    EXPECT_FALSE(LoadTextFile(dir / "four.txt", doc));
    EXPECT_EQ(doc, original);
    EXPECT_EQ(doc.maxLineLength, 3u);
    // So is the line limit (a one-line word field).
    doc.maxLineLength = 1000;
    WriteBytes(dir / "two.txt", "a\nb");
    EXPECT_EQ(LoadTextFile(dir / "two.txt", doc, 1).reason, FileLoadResult::Reason::TooManyLines);
    EXPECT_EQ(doc, original);
}

TEST(DocumentFiles, FailedSavesLeaveTheOldFileAndNoLitter)
{
    ScratchFolder dir;
    const auto doc = Doc({{'n', 'e', 'w'}});
    EXPECT_FALSE(SaveTextFile(dir / "no" / "such.txt", doc));
    EXPECT_FALSE(ExportHtml(dir / "no" / "such.html", doc));

    std::filesystem::create_directory(dir / "folder");
    WriteBytes(dir / "folder" / "inside", "kept");
    EXPECT_FALSE(SaveTextFile(dir / "folder", doc));
    EXPECT_EQ(ReadBytes(dir / "folder" / "inside"), "kept");

    const std::string old = "old content, longer than the new one";
    WriteBytes(dir / "old.txt", old);
    std::filesystem::permissions(dir / "old.txt", std::filesystem::perms::owner_read);
    if (std::ofstream(dir / "old.txt", std::ios::app)) {
        std::cout << "[ skipped ] read-only files are writable for this user\n";
    } else {
        EXPECT_FALSE(SaveTextFile(dir / "old.txt", doc));
        EXPECT_EQ(ReadBytes(dir / "old.txt"), old);
    }
    std::filesystem::permissions(dir / "old.txt",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#if defined(__linux__)
    // A write that fails half way (here: over the file size limit).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto large = Doc(Lines(200, Lines::value_type(999, 0x12000)));
    const FileWriteResult savedLarge = SaveTextFile(dir / "old.txt", large);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    // The file system's refusal is kept for the message, as a full disk's.
    EXPECT_EQ(savedLarge.reason, FileWriteResult::Reason::CannotWrite);
    EXPECT_EQ(savedLarge.error, EFBIG);
    EXPECT_TRUE(ReadBytes(dir / "old.txt") == old) << "the old file was changed";
#endif
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"folder", "old.txt"}));

    ASSERT_TRUE(SaveTextFile(dir / "old.txt", doc));
    EXPECT_EQ(ReadBytes(dir / "old.txt"), "new");
}

} // namespace
} // namespace velmora
