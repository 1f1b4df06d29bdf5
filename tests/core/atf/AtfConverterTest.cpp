// ATF texts written for these tests (no text of a corpus is copied),
// converted with the bundled table and compared sign by sign.

#include "core/atf/AtfConverter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace velmora {
namespace {

using ::testing::ElementsAre;

using Cells = std::vector<std::uint32_t>;

// The signs of the Oracc Sign List the texts use.
constexpr std::uint32_t A = 0x12000, AN = 0x1202D, ARAD = 0x12034, AS = 0x12038, BAD = 0x12041, DIS = 0x12079,
                        DUMU = 0x12309, E2 = 0x1208D, GIN2 = 0x12086, GIS = 0x12111, HA = 0x12129,
                        IA = 0x12140, I = 0x1213F, KA = 0x12157, KAxME = 0x12174, KI = 0x121A0, KU3 = 0x121AC,
                        KUR = 0x121B3, LI = 0x121F7, LIM = 0x12146, LU = 0x121FB, LUGAL = 0x12217,
                        MA = 0x12220, MU = 0x1222C, NA = 0x1223E, NE = 0x12248, NI = 0x1224C, NU = 0x12261,
                        NUN = 0x12263, PI = 0x1227F, RA = 0x1228F, RU = 0x12292, SA = 0x122AD, SA2 = 0x120FB,
                        SES = 0x122C0, TUP = 0x1207E, UD = 0x12313, UM = 0x1231D, ZI = 0x12362,
                        N3DIS = 0x12408, N2U = 0x12399, N4GES2 = 0x12418, HALF = 0x12226;

Cells Text(std::u32string_view text)
{
    return Cells(text.begin(), text.end());
}

// Cells from signs and Latin pieces: Latin is given as a string.
Cells Join(std::initializer_list<std::variant<std::uint32_t, std::u32string_view>> parts)
{
    Cells cells;
    for (const auto& part : parts) {
        if (const auto* sign = std::get_if<std::uint32_t>(&part))
            cells.push_back(*sign);
        else
            for (const char32_t c : std::get<std::u32string_view>(part))
                cells.push_back(c);
    }
    return cells;
}

class AtfConverterTest : public ::testing::Test {
protected:
    std::vector<Cells> Lines(const AtfConverter::Conversion& conversion) const
    {
        std::vector<Cells> lines;
        for (const auto& line : conversion.lines)
            lines.push_back(line.cells);
        return lines;
    }

    AtfConverter converter;
};

TEST_F(AtfConverterTest, AnOraccLetterBecomesOneLineOfSignsPerTextLine)
{
    const auto conversion = converter.ConvertText("&X000001 = Letter of Ṣilli-Šamaš\n"
                                                  "#atf: lang akk\n"
                                                  "#atf: use unicode\n"
                                                  "@tablet\n"
                                                  "@obverse\n"
                                                  "1. a-na be-li₂-ia\n"
                                                  "2. qi₂-bi₂-ma\n"
                                                  "3. um-ma {m}ṣi-li₂-{d}UTU ARAD-ka-a-ma\n"
                                                  "$ two lines broken\n"
                                                  "#tr.en: To my lord say: thus Ṣilli-Šamaš, your servant.\n"
                                                  "@reverse\n"
                                                  "1'. i-nu an-um ṣi-ru-um LUGAL {d}a-nun-na-ki\n");
    ASSERT_TRUE(conversion.ok());
    EXPECT_TRUE(conversion.complete());
    EXPECT_THAT(Lines(conversion),
                ElementsAre(Cells{A, NA, ' ', BAD, NI, IA},                                //
                            Cells{KI, NE, MA},                                             //
                            Cells{UM, MA, ' ', DIS, ZI, NI, AN, UD, ' ', ARAD, KA, A, MA}, //
                            Cells{I, NU, ' ', AN, UM, ' ', ZI, RU, UM, ' ', LUGAL, ' ', AN, A, NUN, NA, KI}));
    EXPECT_EQ(conversion.lines[0].label, U"1.");
    EXPECT_EQ(conversion.lines[3].label, U"1'.");
    EXPECT_EQ(conversion.lines[3].transliteration, U"i-nu an-um ṣi-ru-um LUGAL {d}a-nun-na-ki");
    EXPECT_EQ(conversion.lines[3].number, 12u);
    ASSERT_EQ(conversion.texts.size(), 1u);
    EXPECT_EQ(conversion.texts[0].header, U"&X000001 = Letter of Ṣilli-Šamaš");
    EXPECT_EQ(conversion.counts.readings, 32u);
    EXPECT_EQ(conversion.counts.keptLatin, 0u);
}

TEST_F(AtfConverterTest, TheSameTextInCAtfGivesTheSameSigns)
{
    // C-ATF: sz s, t, h for š ṣ ṭ ḫ, ASCII index digits, logograms in lower
    // case between underscores, {disz} for the man's determinative.
    const auto oracc = converter.ConvertText("1. a-na be-li₂-ia ša₂ {m}ṣi-li₂-{d}UTU ṭup-pi ha-am-mu-ra-pi\n"
                                             "2. {giš}KUR ŠA₂ DUMU.E₂.GAL\n");
    const auto catf =
        converter.ConvertText("#atf: use legacy\n"
                              "1. a-na be-li2-ia sza2 {disz}s,i-li2-_{d}utu_ t,up-pi ha-am-mu-ra-pi\n"
                              "2. {gesz}KUR _sza2_ _dumu-e2-gal_\n");
    ASSERT_TRUE(oracc.complete());
    ASSERT_TRUE(catf.complete());
    const std::vector<Cells> expected{Cells{A,  NA, ' ', BAD,     NI, IA,  ' ', SA2,     ' ', DIS, ZI, NI,
                                            AN, UD, ' ', 0x1207E, PI, ' ', HA,  0x12120, MU,  RA,  PI},
                                      Cells{GIS, KUR, ' ', SA2, ' ', DUMU, E2, 0x120F2}};
    EXPECT_EQ(Lines(oracc), expected);
    EXPECT_EQ(Lines(catf), expected);
}

TEST_F(AtfConverterTest, NumbersCompoundsAndQualifiedReadingsGiveTheirSigns)
{
    const auto conversion = converter.ConvertText(
        "1. 3(diš) GIN₂ KU₃ 2(u) 4(geš₂) 1/2(diš) 3(disz) 80 LIM\n"
        "2. ša₂!(KA) geštuₓ(|PI.NUN|) gesztux(|PI.NUN|) |KA×ME| |KAxME| |A.AN| |LUGAL.KUR|\n"
        "3. {1}lu {f}ša {+ša}lu\n");
    ASSERT_TRUE(conversion.ok());
    EXPECT_THAT(Lines(conversion),
                ElementsAre(Join({N3DIS, U" ", GIN2, U" ", KU3, U" ", N2U, U" ", N4GES2, U" ", HALF, U" ",
                                  N3DIS, U" 80 ", LIM}),
                            Cells{KA, ' ', PI, NUN, ' ', PI, NUN, ' ', KAxME, ' ', KAxME, ' ', A, AN, ' ',
                                  LUGAL, KUR},
                            Cells{DIS, LU, ' ', 0x122A9, SA, ' ', SA, LU}));
    // The bare number stays in digits and is counted apart.
    EXPECT_EQ(conversion.counts.bareNumbers, 1u);
    EXPECT_EQ(conversion.counts.keptLatin, 0u);
    EXPECT_TRUE(conversion.complete());
}

TEST_F(AtfConverterTest, EditorialMarksAreDroppedAndUnknownSignsStayAsWritten)
{
    const auto conversion =
        converter.ConvertText("1. [a]-na# be-li₂?-ia* ⸢qi₂⸣-bi₂!-ma <a>-na <<a>>-na (a)-na a\\a-na ša₂—ma\n"
                              "2. [x x] x-x-ma [...] … o\n");
    ASSERT_TRUE(conversion.ok());
    EXPECT_THAT(Lines(conversion),
                ElementsAre(Cells{A,   NA, ' ', BAD, NI, IA, ' ', KI, NE, MA,  ' ', A, NA,
                                  ' ', A,  NA,  ' ', A,  NA, ' ', A,  NA, ' ', SA2, MA},
                            Join({U"x x x-x", MA, U" ... … o"})));
    EXPECT_TRUE(conversion.complete());
    EXPECT_EQ(conversion.counts.readings, 19u); // x, o and gaps are no readings
}

TEST_F(AtfConverterTest, ReadingsWithoutSignStayInLatinAndAreReportedWithTheirLine)
{
    const auto conversion = converter.ConvertText("1. a-na\n"
                                                  "\n"
                                                  "2. a-qqq-zzz-na {qqq}ma\n"
                                                  "  qqq-ma\n"
                                                  "3. n(diš)\n");
    ASSERT_TRUE(conversion.ok());
    // Two Latin readings in a row keep their hyphen; a determinative its
    // braces; the continuation line joins its text line.
    EXPECT_THAT(
        Lines(conversion),
        ElementsAre(Cells{A, NA}, Join({A, U"qqq-zzz", NA, U" {qqq}", MA, U" qqq", MA}), Text(U"n(diš)")));
    ASSERT_EQ(conversion.unconverted.size(), 5u);
    EXPECT_EQ(conversion.unconverted[0].line, 3u);
    EXPECT_EQ(conversion.unconverted[0].reading, U"qqq");
    EXPECT_EQ(conversion.unconverted[2].reading, U"{qqq}");
    EXPECT_EQ(conversion.unconverted[3].line, 4u);
    EXPECT_EQ(conversion.unconverted[4].line, 5u);
    EXPECT_EQ(conversion.unconverted[4].reading, U"n(diš)");
    EXPECT_EQ(conversion.counts.keptLatin, 5u);
    EXPECT_EQ(conversion.counts.readings, 11u);
    EXPECT_FALSE(conversion.complete());
    EXPECT_EQ(conversion.lines[1].transliteration, U"a-qqq-zzz-na {qqq}ma qqq-ma");
}

TEST_F(AtfConverterTest, StructureAndApparatusGiveNoLinesAndUnlabelledLinesAreNamed)
{
    const auto conversion = converter.ConvertText("\xEF\xBB\xBF"
                                                  "&P100001 = first\r\n"
                                                  "@obverse\r\n"
                                                  "o 1. a\r\n"
                                                  "l.e. 2. na\r\n"
                                                  "# a note\r\n"
                                                  "#note: na\r\n"
                                                  "== parallel\r\n"
                                                  ">> Q000001 1\r\n"
                                                  "a-na without a label\r\n"
                                                  "$ (blank space)\r\n"
                                                  "&P100002 = second\r\n"
                                                  "12''. ma ($ erasure $) ma\r\n"
                                                  "#tr.en: a translation\r\n"
                                                  "   that goes on\r\n");
    ASSERT_TRUE(conversion.ok());
    ASSERT_EQ(conversion.lines.size(), 3u);
    EXPECT_EQ(conversion.lines[0].label, U"o 1.");
    EXPECT_EQ(conversion.lines[1].label, U"l.e. 2.");
    EXPECT_EQ(conversion.lines[2].label, U"12''.");
    EXPECT_EQ(conversion.lines[2].cells, (Cells{MA, ' ', MA}));
    EXPECT_EQ(conversion.lines[2].text, 1u);
    ASSERT_EQ(conversion.texts.size(), 2u);
    EXPECT_EQ(conversion.texts[1].header, U"&P100002 = second");
    EXPECT_EQ(conversion.texts[1].number, 11u);
    EXPECT_THAT(conversion.unlabelled, ElementsAre(9u));
    EXPECT_FALSE(conversion.complete());

    using namespace std::string_view_literals;
    const auto nul = converter.ConvertText("1. ma\0ma\n"sv);
    ASSERT_TRUE(nul.ok());
    ASSERT_EQ(nul.lines.size(), 1u);
    EXPECT_EQ(nul.lines[0].cells, (Cells{MA, ' ', MA}));

    // A note that goes on over a continuation line is dropped as a whole,
    // and the reading after it is reported on its own line.
    const auto note = converter.ConvertText("1. a ($ a\n  blank $) na qqq\n");
    ASSERT_EQ(note.lines.size(), 1u);
    EXPECT_EQ(note.lines[0].cells, Join({A, U" ", NA, U" qqq"}));
    ASSERT_EQ(note.unconverted.size(), 1u);
    EXPECT_EQ(note.unconverted[0].line, 2u);

    const auto broken = converter.ConvertText("1. a\n2. n\xC3\n");
    EXPECT_FALSE(broken.ok());
    EXPECT_EQ(broken.invalidUtf8Line, 2u);
    EXPECT_TRUE(broken.lines.empty());
}

TEST_F(AtfConverterTest, ATransliterationTypedInTheEditorConvertsInOneGo)
{
    // Typed in the "Alphabet" setting (ASCII), in the "Sign" setting
    // (subscript digits), or pasted from a book (accents for the index).
    const Cells typed = Text(U"a-na be-li2-ia qi2-bi2-ma sza2 ka");
    const auto ascii = converter.ConvertTransliteration(typed);
    EXPECT_EQ(ascii.cells, (Cells{A, NA, ' ', BAD, NI, IA, ' ', KI, NE, MA, ' ', SA2, ' ', KA}));
    EXPECT_TRUE(ascii.unconverted.empty());

    const Cells book = Text(U"šá ú-ul ù LUGAL.E");
    EXPECT_EQ(converter.ConvertTransliteration(book).cells,
              (Cells{SA2, ' ', 0x12311, 0x1230C, ' ', 0x12147, ' ', LUGAL, 0x1208A}));

    // Signs already in the text stay; what has no sign is reported.
    const auto mixed = converter.ConvertTransliteration(Join({A, NA, U"  qqq-ma\u3000x"}));
    EXPECT_EQ(mixed.cells, Join({A, NA, U" qqq", MA, U" x"}));
    ASSERT_EQ(mixed.unconverted.size(), 1u);
    EXPECT_EQ(mixed.unconverted[0].reading, U"qqq");
    EXPECT_EQ(mixed.unconverted[0].line, 0u);
    EXPECT_EQ(mixed.counts.readings, 2u);
}

} // namespace
} // namespace velmora
