#include "core/dictionary/CFWordDictionary.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

using Codes = std::vector<std::uint32_t>;

const std::string kBom = "\xEF\xBB\xBF";

// A file path under the test directory, removed again at the end of scope.
class TempPath {
public:
    explicit TempPath(const std::string& stem)
    {
        static std::atomic<unsigned> counter{0};
        const fs::path dir = VELMORA_TEST_TMP_DIR;
        fs::create_directories(dir);
        std::random_device random;
        path_ = dir / (stem + "-" + std::to_string(random()) + "-" + std::to_string(counter++) + ".cfd");
    }
    ~TempPath()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

WordPtr KeyOf(const Codes& symbols)
{
    return CFWordSign::FromCells(symbols);
}

WordPtr AsciiKey(const std::string& text)
{
    return CFWordSign::FromCells(Codes(text.begin(), text.end()));
}

Codes CellsOf(const WordPtr& w)
{
    return Codes(w->Cells().begin(), w->Cells().end());
}

// The one candidate a single-line file yields.
struct OneLine {
    bool ok = false;
    Codes key;
    std::uint32_t number = 0;
    Codes signs;
    std::uint32_t signsLength = 0;
};

OneLine LoadOneLine(const std::string& line)
{
    CFWordDictionary d;
    OneLine r;
    r.ok = d.LoadFromBytes(line).ok();
    if (r.ok && d.CandidateCount() == 1) {
        d.ForEachEntry([&](const CFWordDictionary::Entry& e) {
            r.key = CellsOf(e.key);
            r.number = e.candidates->front()->number;
            r.signs = CellsOf(e.candidates->front());
            r.signsLength = e.candidates->front()->Length();
        });
    }
    return r;
}

TEST(SignDataFile, WorkedExamples)
{
    auto r = LoadOneLine("A 12000");
    EXPECT_EQ(r.key, Codes{'A'});
    EXPECT_EQ(r.number, 1u);
    EXPECT_EQ(r.signs, Codes{0x12000});

    r = LoadOneLine("#SA2 12038,1202d");
    EXPECT_EQ(r.key, (Codes{0x1E62, 'A'}));
    EXPECT_EQ(r.number, 2u);
    EXPECT_EQ(r.signs, (Codes{0x12038, 0x1202D}));

    r = LoadOneLine("-u11 0x1203A");
    EXPECT_EQ(r.key, Codes{0x016A});
    EXPECT_EQ(r.number, 11u);
    EXPECT_EQ(r.signs, Codes{0x1203A});

    r = LoadOneLine("CU3 12000,,12001");
    EXPECT_EQ(r.key, (Codes{0x0160, 'U'}));
    EXPECT_EQ(r.number, 3u);
    EXPECT_EQ(r.signs, Codes{0x12000}); // the empty field ends the candidate
}

TEST(SignDataFile, KeyNotationInEitherCase)
{
    const Codes all = {0x1E62, 0x1E6C, 0x0100, 0x0112, 0x012A, 0x016A, 0x00C2, 0x00CA,
                       0x00CE, 0x00DB, 0x0160, 0x1E2A, 0x27,   'Z',    'B'};
    EXPECT_EQ(LoadOneLine("#S#T-A-E-I-U^A^E^I^UCH'ZB 1").key, all);
    EXPECT_EQ(LoadOneLine("#s#t-a-e-i-u^a^e^i^uch'zb 1").key, all);

    CFWordDictionary d;
    ASSERT_TRUE(d.LoadFromBytes("lugal 12217\nLUGAL 12218\nLuGaL 12219\n"));
    EXPECT_EQ(d.EntryCount(), 1u);
    EXPECT_EQ(d.CountCandidates(AsciiKey("LUGAL")), 3u);
    // C in a key is Š: found by the key symbol, not by a plain C.
    ASSERT_TRUE(d.LoadFromBytes("C 12000\n"));
    EXPECT_EQ(d.CountCandidates(KeyOf({0x0160})), 1u);
    EXPECT_EQ(d.CountCandidates(AsciiKey("C")), 0u);
}

TEST(SignDataFile, SignNumbers)
{
    EXPECT_EQ(LoadOneLine("du 12000").number, 1u);
    EXPECT_EQ(LoadOneLine("du1 12000").number, 1u);
    EXPECT_EQ(LoadOneLine("du0 12000").number, 0u);
    EXPECT_EQ(LoadOneLine("du007 12000").number, 7u);
    EXPECT_EQ(LoadOneLine("du4294967295 12000").number, 4294967295u);
    EXPECT_EQ(LoadOneLine("00000000000000000000012 12000").number, 12u);
    EXPECT_EQ(LoadOneLine("00000000000000000000012 12000").key, Codes{});

    // A number that does not fit in 32 bits is refused rather than wrapped
    // around to a different number.
    for (const char* line : {"du4294967296 12000", "du99999999999999999999999 12000"}) {
        CFWordDictionary d;
        EXPECT_FALSE(d.LoadFromBytes(line)) << line;
        EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::SyntaxError);
    }
}

TEST(SignDataFile, SignFieldsConvertLikeStrtolBase16)
{
    EXPECT_EQ(LoadOneLine("A 0x12000").signs, LoadOneLine("A 12000").signs);
    EXPECT_EQ(LoadOneLine("A 0X1202D,1202d").signs, (Codes{0x1202D, 0x1202D}));
    EXPECT_EQ(LoadOneLine("A 12000,0,12001").signs, Codes{0x12000});
    EXPECT_EQ(LoadOneLine("A 12000zz,1g").signs, (Codes{0x12000, 1}));
    EXPECT_EQ(LoadOneLine("A 12000, 12001").signs, (Codes{0x12000, 0x12001}));
    EXPECT_EQ(LoadOneLine("A ffffffff,0x000012").signs, (Codes{0xFFFFFFFFu, 0x12}));
    EXPECT_EQ(LoadOneLine("A 12000,").signs, Codes{0x12000}); // trailing comma: no field
    EXPECT_EQ(LoadOneLine("A 12000,\r\n").signs, Codes{0x12000});

    // Empty sign list, or a first field giving 0: a candidate holding only
    // its terminator, which is not the empty word.
    for (const char* line : {"A ", "A ,", "A 0,12000", "A x"}) {
        const auto r = LoadOneLine(line);
        EXPECT_TRUE(r.ok) << line;
        EXPECT_EQ(r.signsLength, 1u) << line;
    }
}

std::string Fields(int count, bool trailingComma = false)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? "," : "") + std::to_string(12000 + i);
    return trailingComma ? s + "," : s;
}

TEST(SignDataFile, FieldAndKeyLimits)
{
    EXPECT_EQ(LoadOneLine("A " + Fields(49)).signs.size(), 49u);
    EXPECT_EQ(LoadOneLine("A " + Fields(49, true)).signs.size(), 49u);
    EXPECT_EQ(LoadOneLine(std::string(49, 'A') + " 12000").key.size(), 49u);
    EXPECT_EQ(LoadOneLine(std::string(48, 'A') + "#S 12000").key.size(), 49u);
    EXPECT_TRUE(LoadOneLine("A 12345678").ok);

    for (const std::string& line :
         {"A " + Fields(50), std::string(50, 'A') + " 12000", std::string(49, 'A') + "#S 12000",
          std::string("A 123456789"), std::string("A 0x1234567"), std::string("A 0,123456789"),
          "A 0," + Fields(49)}) {
        CFWordDictionary d;
        EXPECT_FALSE(d.LoadFromBytes(line)) << line;
        EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::SyntaxError) << line;
        EXPECT_EQ(d.CandidateCount(), 0u) << line;
    }
}

TEST(SignDataFile, MalformedLinesStopLoadingAndNameTheLine)
{
    const char* malformed[] = {
        "/x 12000",       "/", "AB",      "A",        "A2", "A2B 12000", "^O 12000", "Q! 12000",
        "#X 12000",       "#", "- 12000", "-o 12000", "^",  "\tA 12000", "A\t12000", "A\r 12000",
        "\xC5\xA1 12000", // UTF-8 š: only ASCII notation is accepted
    };
    for (const char* bad : malformed) {
        CFWordDictionary d;
        const std::string text = "// header\n\nA 12000\r\nB2 12001\n" + std::string(bad) + "\nC 12002\n";
        EXPECT_FALSE(d.LoadFromBytes(text)) << bad;
        EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::SyntaxError) << bad;
        EXPECT_EQ(d.lastErrorLine(), 5u) << bad;
        EXPECT_FALSE(d.lastErrorReason().empty());
        // The lines before the malformed one stay; nothing after it is read.
        EXPECT_EQ(d.CandidateCount(), 2u) << bad;
        EXPECT_EQ(d.CountCandidates(AsciiKey("B")), 1u) << bad;
        EXPECT_EQ(d.CountCandidates(KeyOf({0x0160})), 0u) << bad;
    }
}

TEST(SignDataFile, EmptyCommentAndBlankLines)
{
    CFWordDictionary d;
    EXPECT_TRUE(d.LoadFromBytes(""));
    EXPECT_TRUE(d.LoadFromBytes("\n\r\n// comment \xff\xfe\n//\n\n"));
    EXPECT_EQ(d.CandidateCount(), 0u);

    // A line of spaces is an entry: empty key, number 1, no signs.
    ASSERT_TRUE(d.LoadFromBytes("   \n"));
    EXPECT_EQ(d.CountCandidates(KeyOf({})), 1u);
    EXPECT_EQ(d.GetCandidate(0, KeyOf({}))->number, 1u);
    EXPECT_EQ(d.GetCandidate(0, KeyOf({}))->Length(), 1u);
    // Leading digit: also the empty key.
    ASSERT_TRUE(d.LoadFromBytes("5 12000"));
    EXPECT_EQ(d.GetCandidate(1, KeyOf({}))->number, 5u);

    // CR LF and LF give the same entries; a last line may lack its end.
    CFWordDictionary lf, crlf;
    ASSERT_TRUE(lf.LoadFromBytes("A 12000\nB3 12001,12002\nC 0x12003"));
    ASSERT_TRUE(crlf.LoadFromBytes("A 12000\r\nB3 12001,12002\r\nC 0x12003\r\n"));
    EXPECT_EQ(lf.Serialize(), crlf.Serialize());
    EXPECT_EQ(lf.CandidateCount(), 3u);
}

TEST(SignDataFile, ByteOrderMark)
{
    CFWordDictionary d;
    EXPECT_TRUE(d.LoadFromBytes(kBom + "// comment\nA 12000\n"));
    EXPECT_TRUE(d.LoadFromBytes(kBom + "\r\n" + kBom + "\nB 12000\n"));
    EXPECT_TRUE(d.LoadFromBytes("\n\n" + kBom + "D 12000\n"));
    EXPECT_EQ(d.CountCandidates(AsciiKey("B")), 1u);
    EXPECT_EQ(d.CountCandidates(AsciiKey("D")), 1u);

    // Once a line with other content has been read, a mark is just a byte
    // outside the key notation.
    EXPECT_FALSE(d.LoadFromBytes("A 12000\n" + kBom + "E 12000\n"));
    EXPECT_EQ(d.lastErrorLine(), 2u);
    EXPECT_FALSE(d.LoadFromBytes(kBom + "A 12000\n" + kBom + "\n"));
    EXPECT_EQ(d.lastErrorLine(), 2u);
    // A mark not at the start of the line.
    EXPECT_FALSE(d.LoadFromBytes("A" + kBom + " 12000\n"));
    EXPECT_FALSE(d.LoadFromBytes(kBom + "/x\n"));
}

TEST(SignDataFile, LastLoadResultTellsTheLatestFailure)
{
    TempPath missing("missing");
    CFWordDictionary d;
    EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::CannotOpen);

    EXPECT_FALSE(d.LoadFromBytes("A 12000\n/x\n"));
    EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::SyntaxError);
    EXPECT_TRUE(d.LoadFromBytes("B 12000\n")); // success leaves it
    EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::SyntaxError);

    EXPECT_FALSE(d.LoadFromBytes("A 12000\nB 12000\n\n//\nQ!\n"));
    EXPECT_EQ(d.lastLoadFailure().reason, FileLoadResult::Reason::Syntax);
    EXPECT_EQ(d.lastLoadFailure().line, 5u);

    const FileLoadResult result = d.Load(missing.path());
    EXPECT_EQ(result.reason, FileLoadResult::Reason::Missing);
    EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::CannotOpen);
    EXPECT_EQ(d.lastLoadFailure().reason, FileLoadResult::Reason::Missing);
    EXPECT_EQ(d.lastErrorLine(), 0u);
    EXPECT_EQ(d.CandidateCount(), 4u); // a failed open changes nothing
}

TEST(SignDataFile, OnlyARegularFileOfASaneSizeIsRead)
{
    CFWordDictionary d;
    const auto refusedFor = [&](const fs::path& path) {
        const FileLoadResult result = d.Load(path);
        EXPECT_EQ(d.lastLoadResult(), CFWordDictionary::CannotOpen);
        EXPECT_EQ(d.lastLoadFailure().reason, result.reason);
        return result.reason;
    };
    TempPath dir("dir");
    fs::create_directories(dir.path());
    EXPECT_EQ(refusedFor(dir.path()), FileLoadResult::Reason::NotRegular);
    // Endless, or blocking until a writer comes: refused before reading.
    EXPECT_EQ(refusedFor("/dev/zero"), FileLoadResult::Reason::NotRegular);
    ASSERT_EQ(::mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(refusedFor(dir.path() / "fifo"), FileLoadResult::Reason::NotRegular);
    // Larger than any sign list: refused by its size (a sparse file).
    const fs::path huge = dir.path() / "huge.cfd";
    WriteBytes(huge, "A 12000\n");
    fs::resize_file(huge, CFWordDictionary::kMaxFileBytes + 1);
    EXPECT_EQ(refusedFor(huge), FileLoadResult::Reason::TooLarge);
    EXPECT_EQ(d.lastLoadFailure().limit, CFWordDictionary::kMaxFileBytes);
    EXPECT_EQ(d.CandidateCount(), 0u);
}

TEST(SignDataFile, SaveWritesTheFileNotation)
{
    CFWordDictionary d;
    d.AddWord(3, AsciiKey("DU"), CFWordSign::FromCells(Codes{0x12000, 0x1202D}));
    d.AddWord(0, AsciiKey("DU"), CFWordSign::FromCells(Codes{0x120FB}));
    d.AddWord(1, KeyOf({0x0160, 0x1E2A, 0x1E62, 0x1E6C, '\'', 0x0101, 0x0112, 0x012B, 0x016A}),
              CFWordSign::FromCells(Codes{0xFFFFFFFFu}));
    d.AddWord(12, KeyOf({0x00C2, 0x00EA, 0x00CE, 0x00FB}), CFWordSign::FromCells(Codes{0x1}));
    d.AddWord(2, AsciiKey("A"), CFWordSign::FromCells(Codes{})); // only the terminator
    d.AddWord(0, AsciiKey("A"), CFWordSign::FromCells(Codes{}));
    d.AddWord(4, AsciiKey("A"), WordPtr(new CFWordSign)); // Length 0: skipped
    d.AddWord(7, KeyOf({}), CFWordSign::FromCells(Codes{0x12000}));

    // Every number is written, 0 too (a line without digits reads as 1).
    const std::string expected = "7 12000\r\n"
                                 "A0 \r\n"
                                 "A2 \r\n"
                                 "DU0 120fb\r\n"
                                 "DU3 12000,1202d\r\n"
                                 "^A^E^I^U12 1\r\n"
                                 "CH#S#T'-A-E-I-U1 ffffffff\r\n";
    ASSERT_TRUE(d.Serialize().has_value());
    EXPECT_EQ(*d.Serialize(), expected);

    TempPath file("save");
    ASSERT_TRUE(d.Save(file.path()));
    EXPECT_EQ(ReadBytes(file.path()), expected);
    // Saving over an existing longer file truncates it.
    WriteBytes(file.path(), std::string(1000, 'x'));
    ASSERT_TRUE(d.Save(file.path()));
    EXPECT_EQ(ReadBytes(file.path()), expected);
}

TEST(SignDataFile, SaveAndLoadReproduceEveryList)
{
    CFWordDictionary d;
    std::mt19937 random(11);
    for (int i = 0; i < 3000; ++i) {
        // Plain C and H are left out: the file notation reads them as Š and Ḫ.
        static const std::string letters = "ABDEGIKLMNPQRSTUZ'";
        Codes key;
        const int length = static_cast<int>(random() % 4);
        for (int k = 0; k < length; ++k)
            key.push_back(static_cast<unsigned char>(letters[random() % letters.size()]));
        if (random() % 5 == 0)
            key.push_back(0x1E62);
        Codes signs;
        const int count = static_cast<int>(random() % 4);
        for (int k = 0; k < count; ++k)
            signs.push_back(0x12000 + random() % 0x400);
        d.AddWord(random() % 5, KeyOf(key), CFWordSign::FromCells(signs));
    }
    TempPath file("roundtrip");
    ASSERT_TRUE(d.Save(file.path()));
    const std::string first = ReadBytes(file.path());

    CFWordDictionary back;
    ASSERT_TRUE(back.Load(file.path()));
    EXPECT_EQ(back.EntryCount(), d.EntryCount());
    EXPECT_EQ(back.CandidateCount(), d.CandidateCount());
    d.ForEachEntry([&](const CFWordDictionary::Entry& e) {
        ASSERT_EQ(back.CountCandidates(e.key), e.candidates->size());
        std::uint32_t i = 0;
        for (const WordPtr& c : *e.candidates) {
            const WordPtr r = back.GetCandidate(i++, e.key);
            EXPECT_EQ(CellsOf(r), CellsOf(c));
            EXPECT_EQ(r->Length(), c->Length());
            EXPECT_EQ(r->number, c->number); // 0 included
        }
    });

    // Writing again gives the same bytes, also from the reloaded copy.
    ASSERT_TRUE(d.Save(file.path()));
    EXPECT_EQ(ReadBytes(file.path()), first);
    std::string again = *back.Serialize();
    CFWordDictionary third;
    ASSERT_TRUE(third.LoadFromBytes(again));
    EXPECT_EQ(*third.Serialize(), again);
}

// Loading a file adds its lines as AddWord would, one by one in file order,
// also onto what an earlier load left; the words it hands out outlive the
// dictionary's entries.
TEST(SignDataFile, LoadingAddsEveryLineAsAddingItAloneWould)
{
    std::mt19937 random(5);
    const char* keys[] = {"A", "DU", "LUGAL", "CU", "#SA"};
    const Codes keyCodes[] = {{'A'}, {'D', 'U'}, {'L', 'U', 'G', 'A', 'L'}, {0x160, 'U'}, {0x1E62, 'A'}};
    CFWordDictionary loaded, added;
    std::string files[2];
    for (std::string& file : files) {
        for (int i = 0; i < 400; ++i) {
            const std::size_t k = random() % 5;
            const std::uint32_t number = random() % 4;
            const std::uint32_t sign = 0x12000 + static_cast<std::uint32_t>(i);
            std::ostringstream line;
            line << keys[k] << number << ' ' << std::hex << sign << "\r\n";
            file += line.str();
        }
    }
    files[1] += "A1 12000\r\nQ! 12000\r\nA1 12001\r\n";
    for (const std::string& file : files) {
        std::istringstream lines(file);
        for (std::string line; std::getline(lines, line) && line != "Q! 12000\r";) {
            CFWordDictionary one;
            ASSERT_TRUE(one.LoadFromBytes(line + "\n"));
            one.ForEachEntry([&](const CFWordDictionary::Entry& e) {
                added.AddWord(e.candidates->front()->number, KeyOf(CellsOf(e.key)),
                              CFWordSign::FromCells(CellsOf(e.candidates->front())));
            });
        }
    }
    EXPECT_TRUE(loaded.LoadFromBytes(files[0]));
    const WordPtr kept = loaded.GetCandidate(0, KeyOf(keyCodes[1]));
    EXPECT_FALSE(loaded.LoadFromBytes(files[1]));
    EXPECT_EQ(loaded.lastErrorLine(), 402u);

    ASSERT_EQ(loaded.CandidateCount(), added.CandidateCount());
    for (const Codes& key : keyCodes) {
        ASSERT_EQ(loaded.CountCandidates(KeyOf(key)), added.CountCandidates(KeyOf(key)));
        for (std::uint32_t i = 0; i < added.CountCandidates(KeyOf(key)); ++i) {
            const WordPtr a = loaded.GetCandidate(i, KeyOf(key)), b = added.GetCandidate(i, KeyOf(key));
            ASSERT_EQ(a->number, b->number);
            ASSERT_EQ(CellsOf(a), CellsOf(b));
        }
    }
    EXPECT_EQ(*loaded.Serialize(), *added.Serialize());

    const Codes keptSigns = CellsOf(kept);
    loaded.Clear();
    EXPECT_EQ(CellsOf(kept), keptSigns);
    EXPECT_EQ(kept->Length(), 2u);
}

TEST(SignDataFile, SaveRefusesWhatCouldNotBeReadBack)
{
    TempPath file("refuse");
    WriteBytes(file.path(), "A 12000\r\n");

    const auto refused = [&](const WordPtr& key, const Codes& signs) {
        CFWordDictionary d;
        d.AddWord(1, AsciiKey("OK"), CFWordSign::FromCells(Codes{0x12000}));
        d.AddWord(1, key, CFWordSign::FromCells(signs));
        std::string problem;
        EXPECT_FALSE(d.Serialize(&problem).has_value());
        EXPECT_FALSE(problem.empty());
        EXPECT_FALSE(d.Save(file.path()));
        EXPECT_EQ(ReadBytes(file.path()), "A 12000\r\n"); // existing file untouched
    };
    refused(KeyOf({'A', 0x0A, 'B'}), Codes{0x12000}); // would split the line
    refused(KeyOf({0x00E9}), Codes{0x12000});
    refused(KeyOf({0x2083}), Codes{0x12000});
    refused(AsciiKey(std::string(50, 'A')), Codes{0x12000});
    // A plain C or H would read back as Š or Ḫ.
    refused(AsciiKey("CA"), Codes{0x12000});
    refused(AsciiKey("AH"), Codes{0x12000});
    refused(AsciiKey("A"), Codes(50, 0x12000));

    CFWordDictionary fine;
    fine.AddWord(1, AsciiKey(std::string(49, 'A')), CFWordSign::FromCells(Codes(49, 0x12000)));
    EXPECT_TRUE(fine.Save(file.path()));
    CFWordDictionary back;
    EXPECT_TRUE(back.Load(file.path()));
    EXPECT_EQ(back.CandidateCount(), 1u);
}

TEST(SignDataFile, SaveFailsWhenTheFileCannotBeCreated)
{
    TempPath dir("nodir");
    CFWordDictionary d;
    d.AddWord(1, AsciiKey("A"), CFWordSign::FromCells(Codes{0x12000}));
    EXPECT_FALSE(d.Save(dir.path() / "sub" / "signdata.cfd"));
    fs::create_directories(dir.path());
    EXPECT_FALSE(d.Save(dir.path())); // a directory
}

} // namespace
} // namespace velmora
