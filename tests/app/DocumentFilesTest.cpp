#include "app/DocumentFiles.h"
#include "document/CFDocument.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#if defined(__linux__)
#include <csignal>
#include <sys/resource.h>
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

TEST(DocumentFiles, TheExampleDocumentAsTextAndAsHtml)
{
    ScratchFolder dir;
    const auto doc = Doc({{0x12000, 0x12001}, {0x12038}});
    ASSERT_TRUE(SaveTextFile(dir / "a.txt", doc));
    EXPECT_EQ(ReadBytes(dir / "a.txt"),
              "\xF0\x92\x80\x80\xF0\x92\x80\x81\r\n\xF0\x92\x80\xB8");
    CFDocument back;
    ASSERT_TRUE(LoadTextFile(dir / "a.txt", back));
    EXPECT_EQ(back, doc);

    ASSERT_TRUE(ExportHtml(dir / "a.html", doc));
    EXPECT_EQ(ReadBytes(dir / "a.html"),
              "<html>\r\n"
              "<head><style type=\"text/css\">\r\n"
              "body {\r\n"
              "font-size: 3em;}</style>\r\n"
              "</head>\r\n"
              "&#73728;&#73729;<br/>\r\n"
              "&#73784;</html>");
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
              "<html>\r\n<head><style type=\"text/css\">\r\nbody {\r\nfont-size: 3em;}"
              "</style>\r\n</head>\r\n</html>");

    ASSERT_TRUE(SaveTextFile(dir / "t.txt", Doc({{'a'}, {}, {}})));
    EXPECT_EQ(ReadBytes(dir / "t.txt"), "a\r\n\r\n");
    EXPECT_EQ(Load(dir, "a\r\n\r\n"), (Lines{{'a'}, {}, {}}));
}

TEST(DocumentFiles, CodePointsUpToTheUnicodeLimitRoundTrip)
{
    ScratchFolder dir;
    Lines lines(1);
    for (std::uint32_t c = 0; c <= 0x10FFFF; c += (c < 0x1000 ? 1 : 61)) {
        if (c == 0x0D)
            continue;
        if (lines.back().size() == 1000)
            lines.emplace_back();
        lines.back().push_back(c);
    }
    lines.back().push_back(0x10FFFF);
    lines.push_back({0xFEFF, 0x0A, 0x00, 0xD800, 0xDFFF});
    ASSERT_TRUE(SaveTextFile(dir / "all.txt", Doc(lines)));
    CFDocument back;
    ASSERT_TRUE(LoadTextFile(dir / "all.txt", back));
    EXPECT_EQ(Cells(back), lines);

    // Values beyond Unicode have no encoding and are left out.
    ASSERT_TRUE(SaveTextFile(dir / "big.txt", Doc({{'A', 0x110000, 'B', 0xFFFFFFFF}})));
    EXPECT_EQ(ReadBytes(dir / "big.txt"), "AB");
}

TEST(DocumentFiles, LoadingTakesEveryDecodedValueAsACell)
{
    ScratchFolder dir;
    EXPECT_EQ(Load(dir, "a\nb\n"), (Lines{{'a', 0x0A, 'b', 0x0A}}));
    EXPECT_EQ(Load(dir, "\xEF\xBB\xBFx"), (Lines{{0xFEFF, 'x'}}));
    EXPECT_EQ(Load(dir, "a\r"), (Lines{{'a'}, {}}));
    EXPECT_EQ(Load(dir, "a\rbc\r\r\nd"), (Lines{{'a'}, {'c'}, {0x0A, 'd'}}));
    EXPECT_EQ(Load(dir, "\xC0\x8Dxy"), (Lines{{}, {'y'}})); // an overlong CR is a CR
    EXPECT_EQ(Load(dir, std::string("a\x80\xBF\xF8\0b", 6)), (Lines{{'a', 0, 0, 0, 0, 'b'}}));
    // A sequence cut off by the end of the file: the missing bytes count as 0.
    EXPECT_EQ(Load(dir, "a\xF0\x92"), (Lines{{'a', 0x12000}}));
    EXPECT_EQ(Load(dir, "\r\n\xE2\x82"), (Lines{{}, {0x2080}}));
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

    EXPECT_FALSE(LoadTextFile(dir / "missing.txt", doc));
    EXPECT_FALSE(LoadTextFile(dir.path(), doc));
    EXPECT_EQ(doc, original);
    EXPECT_EQ(doc.maxLineLength, 3u);
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
    std::filesystem::permissions(dir / "old.txt", std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_write);
#if defined(__linux__)
    // A write that fails half way (here: over the file size limit).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto large = Doc(Lines(200, Lines::value_type(999, 0x12000)));
    const bool savedLarge = SaveTextFile(dir / "old.txt", large);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(savedLarge);
    EXPECT_TRUE(ReadBytes(dir / "old.txt") == old) << "the old file was changed";
#endif
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"folder", "old.txt"}));

    ASSERT_TRUE(SaveTextFile(dir / "old.txt", doc));
    EXPECT_EQ(ReadBytes(dir / "old.txt"), "new");
}

} // namespace
} // namespace velmora
