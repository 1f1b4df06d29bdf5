// The sign data that comes with the editor, typed into the modes reading by
// reading as a user types the openings of a letter and of an inscription.

#include "core/files/AtfExport.h"
#include "core/modes/CFEditCommands.h"
#include "platform/VirtualKeys.h"
#include "tests/support/ModeTestEditor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

using test::ModeTestEditor;

struct Reading {
    std::u32string typed;             // as the user writes it
    std::vector<std::uint32_t> signs; // what the editor must insert
};
using Word = std::vector<Reading>;

constexpr std::uint32_t A = 0x12000, AN = 0x1202D, BAD = 0x12041, I = 0x1213F, IA = 0x12140, KAK = 0x12195,
                        KI = 0x121A0, LUGAL = 0x12217, MA = 0x12220, NA = 0x1223E, NE = 0x12248, NI = 0x1224C,
                        NU = 0x12261, NUN = 0x12263, RU = 0x12292, UM = 0x1231D, ZI = 0x12362;

class BundledSignDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        e.dictionary.Clear();
        ASSERT_TRUE(e.dictionary.Load(std::filesystem::path(VELMORA_DATA_DIR) / "signdata.cfd"))
            << e.dictionary.lastErrorReason();
        e.data->alphabetMode = false; // the "Sign" setting
    }

    // Presses the keys that type one transliteration character: letters
    // and digits their own keys, c for š, h for ḫ, Shift+s and Shift+t for
    // ṣ and ṭ, digits for the subscript index digits.
    void typeCharacter(char32_t c)
    {
        bool shift = false;
        std::uint32_t key = 0;
        if (c >= U'a' && c <= U'z')
            key = c - U'a' + 'A';
        else if (c >= U'₀' && c <= U'₉')
            key = '0' + (c - U'₀');
        else if (c >= U'A' && c <= U'Z') {
            key = c;
            e.keyboard.setCapsLock(true);
        } else if (c == U'š')
            key = 'C';
        else if (c == U'ḫ')
            key = 'H';
        else if (c == U'ṣ' || c == U'ṭ') {
            key = c == U'ṣ' ? 'S' : 'T';
            shift = true;
        }
        ASSERT_NE(key, 0u) << "no key for U+" << std::hex << static_cast<std::uint32_t>(c);
        e.keyboard.setShift(shift);
        e.press({key});
        e.keyboard.setShift(false);
        e.keyboard.setCapsLock(false);
    }

    // Types each reading of each word, converts it with Space, checks the
    // candidate the selection starts on and accepts it with Enter; a Space
    // between the words.
    std::vector<std::uint32_t> typeLine(const std::vector<Word>& words)
    {
        std::vector<std::uint32_t> expected;
        for (std::size_t w = 0; w < words.size(); ++w) {
            if (w > 0) {
                e.press({vk::Space});
                expected.push_back(' ');
            }
            for (const Reading& reading : words[w]) {
                for (const char32_t c : reading.typed)
                    typeCharacter(c);
                EXPECT_EQ(e.pending(), reading.typed);
                EXPECT_EQ(e.press({vk::Space}), kSignSelectionModeId) << "no sign for this reading";
                const auto shown = e.data->candidates.Cells();
                EXPECT_EQ(std::vector<std::uint32_t>(shown.begin(), shown.end()), reading.signs)
                    << "the candidate shown for the reading";
                EXPECT_EQ(e.press({vk::Return}), kNormalModeId);
                expected.insert(expected.end(), reading.signs.begin(), reading.signs.end());
            }
        }
        return expected;
    }

    std::vector<std::uint32_t> line(std::uint32_t index)
    {
        const auto cells = e.doc().Line(index).Cells();
        return {cells.begin(), cells.end()};
    }

    ModeTestEditor e;
};

TEST_F(BundledSignDataTest, TheOpeningOfALetterConvertsReadingByReading)
{
    // a-na be-li₂-ia qi₂-bi₂-ma: li₂ is NI and qi₂ KI, not the first
    // candidates of li and qi.
    const auto expected = typeLine({
        {{U"a", {A}}, {U"na", {NA}}},
        {{U"be", {BAD}}, {U"li₂", {NI}}, {U"ia", {IA}}},
        {{U"qi₂", {KI}}, {U"bi₂", {NE}}, {U"ma", {MA}}},
    });
    EXPECT_EQ(line(0), expected);
    EXPECT_EQ(e.undoCount(), expected.size());
}

TEST_F(BundledSignDataTest, TheOpeningOfAnInscriptionConvertsWithItsDeterminative)
{
    // i-nu an-um ṣi-ru-um lugal {d}a-nun-na-ki: ṣ typed with Shift+S, the
    // determinative d as a reading of its own.
    const auto expected = typeLine({
        {{U"i", {I}}, {U"nu", {NU}}},
        {{U"an", {AN}}, {U"um", {UM}}},
        {{U"ṣi", {ZI}}, {U"ru", {RU}}, {U"um", {UM}}},
        {{U"lugal", {LUGAL}}},
        {{U"d", {AN}}, {U"a", {A}}, {U"nun", {NUN}}, {U"na", {NA}}, {U"ki", {KI}}},
    });
    EXPECT_EQ(line(0), expected);
}

TEST_F(BundledSignDataTest, TypedReadingsStayWithTheirSignsThroughEditingAndGoIntoAtf)
{
    typeLine({
        {{U"a", {A}}, {U"na", {NA}}},
        {{U"be", {BAD}}, {U"li₂", {NI}}, {U"ia", {IA}}},
        {{U"qi₂", {KI}}, {U"bi₂", {NE}}, {U"ma", {MA}}},
    });
    e.press({vk::Return});
    // du converted and the third candidate taken is du₃; KAK typed in
    // capitals stays a sign name; d is the determinative.
    for (const char32_t c : std::u32string(U"du"))
        typeCharacter(c);
    e.press({vk::Space, vk::Space, vk::Space, vk::Return});
    e.press({vk::Space});
    typeLine({{{U"KAK", {KAK}}}, {{U"d", {AN}}, {U"a", {A}}, {U"nun", {NUN}}, {U"na", {NA}}, {U"ki", {KI}}}});
    ASSERT_EQ(line(1), (std::vector<std::uint32_t>{KAK, ' ', KAK, ' ', AN, A, NUN, NA, KI}));
    const auto atf = [&](std::uint32_t l) { return AtfExport::Line(e.doc().Line(l)); };
    EXPECT_EQ(atf(0), "a-na be-li₂-ia qi₂-bi₂-ma");
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki");

    // Cut a word, paste it at the end of the next line: its readings go
    // with it, through the clipboard's data beside the text.
    e.cursor().setPosition({0, 3});
    e.keyboard.setShift(true);
    e.press({vk::Right, vk::Right, vk::Right});
    e.keyboard.setShift(false);
    e.ctrlPress('X');
    e.press({vk::Down, vk::End, vk::Space});
    e.ctrlPress('V');
    EXPECT_EQ(atf(0), "a-na  qi₂-bi₂-ma");
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki be-li₂-ia");

    // Undo and redo take the readings back and forth with the signs.
    e.ctrlPress('Z');
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki ");
    e.ctrlPress('Y');
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki be-li₂-ia");
    e.ctrlPress('Z');
    e.ctrlPress('Z');
    e.ctrlPress('Z');
    EXPECT_EQ(atf(0), "a-na be-li₂-ia qi₂-bi₂-ma");
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki");

    // The same signs pasted from another program carry no readings: the
    // export names them.
    e.clipboard.setText(u"\U00012000\U0001223E");
    e.press({vk::Down, vk::End});
    e.ctrlPress('V');
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki-A-NA");

    // Latin typed in the "Alphabet" setting and converted: the new signs
    // get the readings they were converted from, the typed ones keep theirs.
    e.ctrlPress('Z');
    e.data->alphabetMode = true;
    e.press({vk::Space});
    for (const char c : std::string("um-ma 3(disz) KU3.BABBAR"))
        CFEditCommands(*e.data).TypeCell(static_cast<unsigned char>(c));
    EXPECT_TRUE(CFEditCommands(*e.data).ConvertTransliteration());
    EXPECT_EQ(atf(1), "du₃ KAK {d}a-nun-na-ki um-ma 3(diš) KU₃.BABBAR");
    EXPECT_EQ(AtfExport::Text(e.doc(), "letter"),
              "&X000001 = letter\n#atf: lang akk\n#atf: use unicode\n"
              "1. a-na be-li₂-ia qi₂-bi₂-ma\n"
              "2. du₃ KAK {d}a-nun-na-ki um-ma 3(diš) KU₃.BABBAR\n");
    // A text file keeps no readings: written by sign names.
    EXPECT_EQ(AtfExport::Line(e.doc().Line(0), false), "A-NA BAD-NI-|I.A| KI-NE-MA");
}

} // namespace
} // namespace velmora
