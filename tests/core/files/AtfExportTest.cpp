// Documents written as ATF, and ATF texts that come back from the editor
// with the readings they went in with.
#include "core/files/AtfExport.h"
#include "core/atf/AtfReader.h"
#include "core/atf/AtfSpelling.h"
#include "core/atf/AtfWord.h"
#include "core/document/CFDocument.h"
#include "core/document/ReadingTable.h"
#include "core/files/AtfImport.h"
#include "core/files/DocumentFiles.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using test::ReadBytes;
using test::ScratchFolder;

// An Old Babylonian letter as Oracc writes one (greeting formula, a
// broken line, a line in CDLI's ASCII style among them).
constexpr std::string_view kLetter = R"(&X000002 = Old Babylonian letter
#atf: lang akk
@tablet
@obverse
1. a-na be-li₂-ia
2. qi₂-bi₂-ma
3. um-ma {d}UTU-na-ṣir ARAD-ka-a-ma
4. {d}UTU u₃ {d}AMAR.UTU aš-šu-mi-ia
5. da-ri-iš U₄-mi# li-ba-al-li-ṭu-ka
@reverse
6. aš-šum ŠE-im ša be-li₂ iš-pu-ra-am
7. SZE-am a-na KA2.DINGIR.RA{ki} u2-sza-bi-lam
8. [x x] a-na qa-ti-ka
$ rest broken
)";

// The opening of Ashurnasirpal II's Standard Inscription.
constexpr std::string_view kInscription = R"(&Q004455 = Ashurnasirpal II, Standard Inscription
#atf: lang akk
#atf: use unicode
1. E₂.GAL {m}aš-šur—PAB—A MAN GAL-u₂ MAN dan-nu MAN ŠU₂ MAN KUR aš-šur
2. A {m}tukul-ti—{d}MAŠ MAN GAL-e MAN dan-ni MAN ŠU₂ MAN KUR aš-šur
3. et-lu qar-du ša ina {giš}tukul-ti aš-šur EN-šu₂ DU.DU-ku-ma
4. ina mal-ki.MEŠ ša kib-rat 4-ta šá-nin-šu₂ la-a TUK-u₂
)";

// The readings of a transliteration, word by word, in the Oracc spelling
// with the editorial marks dropped; a determinative marked by its braces.
std::vector<std::u32string> ReadingsOf(std::u32string_view words)
{
    std::vector<std::u32string> out;
    std::size_t start = 0;
    while (start < words.size()) {
        std::size_t end = words.find(U' ', start);
        if (end == std::u32string_view::npos)
            end = words.size();
        for (const AtfWord::Piece& piece : AtfWord::Split(words.substr(start, end - start))) {
            const std::u32string reading = AtfSpelling::Oracc(piece.text);
            out.push_back(piece.determinative ? U"{" + reading + U"}" : reading);
        }
        start = end + 1;
    }
    return out;
}

// The text lines' transliterations (after the label) of an ATF text.
std::vector<std::u32string> TextLines(std::string_view atf)
{
    std::vector<std::u32string> out;
    const AtfReader::Result read = AtfReader::Read(atf);
    for (const AtfReader::Line& line : read.lines) {
        if (line.kind == AtfReader::Kind::Text)
            out.push_back(line.content);
    }
    return out;
}

// Imports an ATF text, exports it again and checks that every line gives
// back the source's readings.
std::string RoundTrip(std::string_view source, const char* name)
{
    const AtfImport imported = AtfImport::Convert(source, 60000, 1000);
    EXPECT_TRUE(imported.ok());
    EXPECT_EQ(imported.keptLatin, 0u) << name << ": every reading has a sign";
    const std::string exported = AtfExport::Text(imported.document, name);
    const auto before = TextLines(source);
    const auto after = TextLines(exported);
    EXPECT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        EXPECT_EQ(ReadingsOf(after[i]), ReadingsOf(before[i])) << name << " line " << i + 1;
    return exported;
}

TEST(AtfExportTest, AnImportedLetterAndInscriptionComeBackWithTheirReadings)
{
    EXPECT_EQ(RoundTrip(kLetter, "letter"),
              "&X000001 = letter\n"
              "#atf: lang akk\n"
              "#atf: use unicode\n"
              "1. a-na be-li₂-ia\n"
              "2. qi₂-bi₂-ma\n"
              "3. um-ma {d}UTU-na-ṣir ARAD-ka-a-ma\n"
              "4. {d}UTU u₃ {d}AMAR.UTU aš-šu-mi-ia\n"
              "5. da-ri-iš U₄-mi li-ba-al-li-ṭu-ka\n"
              "6. aš-šum ŠE-im ša be-li₂ iš-pu-ra-am\n"
              "7. ŠE-am a-na KA₂.DINGIR.RA{ki} u₂-ša-bi-lam\n"
              "8. x x a-na qa-ti-ka\n");
    // Names joined by — come back joined by - (and two logograms by ., a
    // logogram after a syllable by -), the accented šá as ša₂: the same
    // readings.
    const std::string inscription = RoundTrip(kInscription, "Ashurnasirpal II");
    EXPECT_NE(inscription.find("1. E₂.GAL {m}aš-šur-PAB.A MAN GAL-u₂ MAN dan-nu"), std::string::npos)
        << inscription;
    EXPECT_NE(inscription.find("4. ina mal-ki-MEŠ ša kib-rat 4-ta ša₂-nin-šu₂ la-a TUK-u₂"),
              std::string::npos)
        << inscription;
}

TEST(AtfExportTest, SignsWithoutReadingsAreWrittenByTheirNamesAndLatinAsItStands)
{
    CFDocument d;
    const std::vector<std::uint32_t> line = {0x12000, 0x1223E, ' ',  ' ', 0x1202D, 0x12313, 'q',
                                             'q',     0x12195, '\t', 'x', '-',     'x',     0x1243A};
    d.InsertCells(static_cast<std::uint32_t>(line.size()), 0, 0, line.data());
    d.InsertLine(1);
    EXPECT_EQ(AtfExport::Line(d.Line(0)), "A-NA  AN-UD-qq-KAK\tx-x-U+1243A");
    // An empty line keeps its number; the & line takes no line break.
    EXPECT_EQ(
        AtfExport::Text(d, "two\nlines"),
        "&X000001 = two lines\n#atf: lang akk\n#atf: use unicode\n1. A-NA  AN-UD-qq-KAK\tx-x-U+1243A\n2.\n");
    // A reading of several signs is written once; a determinative joins
    // without a hyphen on either side.
    d.SetReading(0, 0, 2, ReadingTable::Intern(std::string_view("|A.NA|")));
    d.SetReading(0, 4, 5, ReadingTable::Intern(std::string_view("{d}")));
    d.SetReading(0, 5, 6, ReadingTable::Intern(std::string_view("UTU")));
    d.SetReading(0, 8, 9, ReadingTable::Intern(std::string_view("{ki}")));
    EXPECT_EQ(AtfExport::Line(d.Line(0)), "|A.NA|  {d}UTU-qq{ki}\tx-x-U+1243A");
    EXPECT_EQ(AtfExport::Line(d.Line(0), false), "A-NA  AN-UD-qq-KAK\tx-x-U+1243A");

    ScratchFolder dir;
    ASSERT_TRUE(AtfExport::Save(dir / "d.atf", d, "d"));
    EXPECT_EQ(ReadBytes(dir / "d.atf"), AtfExport::Text(d, "d"));
    EXPECT_FALSE(AtfExport::Save(dir / "no" / "such.atf", d, "d"));

    // The HTML page can show the transliteration of the lines that know
    // readings, in character references like the signs.
    ASSERT_TRUE(ExportHtml(dir / "t.html", d, true));
    const std::string html = ReadBytes(dir / "t.html");
    EXPECT_NE(html.find("&#73728;&#74302;&#32;&#32;"), std::string::npos);
    EXPECT_NE(html.find("<br/>\r\n<span style=\"font-size: 0.4em\">|A.NA|  {d}UTU-qq{ki}\tx-x-U+1243A"
                        "</span><br/>\r\n\r\n</body>\r\n</html>"),
              std::string::npos)
        << html;
    ASSERT_TRUE(ExportHtml(dir / "p.html", d));
    EXPECT_EQ(ReadBytes(dir / "p.html").find("span"), std::string::npos);
}

} // namespace
} // namespace velmora
