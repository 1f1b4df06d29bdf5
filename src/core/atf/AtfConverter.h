#pragma once

#include "core/atf/AtfSignTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Converts ATF transliterations to cuneiform with an AtfSignTable: a whole
// ATF text into one line of cells per text line, or one transliteration
// (a line's words without a label) into cells.
//
// Each reading becomes its signs: values (ša₂, sza2, ŠA₂), sign names (KUR,
// |A.AN|), numbers (3(diš), 1/2(diš)), determinatives ({d}, {1}, {+ga}),
// qualified readings (ša₂!(KA) gives KA). A compound that the table has
// not as a whole is converted sign by sign. The signs of a word stand
// together, words are separated by one space. What has no sign stays in
// Latin, so that nothing is lost: a reading the table does not know (kept
// in Latin and reported), a bare number (80: the tablet's number signs are
// not known; counted apart), x, o and gaps (... …). Two such Latin pieces
// in a row keep the separator between them (x-x), a determinative in Latin
// its braces. Cuneiform already in the text is kept as it is.
class AtfConverter {
public:
    struct Unconverted {
        std::uint32_t line = 0; // 1-based line in the ATF text (0 for a
                                // single transliteration)
        std::u32string reading; // as written, editorial marks dropped
    };

    // The reading cells [begin, end) were converted from, in the Oracc
    // spelling with its case (ša₂ for sza2 and šá, KU₃, 3(diš), |A.AN|,
    // ša₂!(KA)), a determinative in braces ({d}, {+ga}).
    struct Reading {
        std::size_t begin = 0;
        std::size_t end = 0;
        std::u32string text;

        friend bool operator==(const Reading&, const Reading&) = default;
    };

    struct Counts {
        std::size_t readings = 0;    // readings that name a sign
        std::size_t keptLatin = 0;   // of them kept in Latin
        std::size_t bareNumbers = 0; // bare numbers left in digits
    };

    // One transliteration converted.
    struct Cells {
        std::vector<std::uint32_t> cells;
        // The reading of every sign or group of signs converted, in order.
        std::vector<Reading> readings;
        std::vector<Unconverted> unconverted;
        Counts counts;
    };

    // One text line of an ATF text.
    struct TextLine {
        std::uint32_t number = 0;       // its line in the file
        std::u32string label;           // 1. o 3.
        std::u32string transliteration; // the words after the label, with
                                        // any continuation lines
        std::vector<std::uint32_t> cells;
        std::vector<Reading> readings; // as Cells::readings
        std::size_t text = 0;          // index into Conversion::texts
    };

    // A text of the file, begun by an & line (the first may have none).
    struct Text {
        std::uint32_t number = 0; // line of the & line, 0 for none
        std::u32string header;    // the & line, empty for none
    };

    struct Conversion {
        std::vector<Text> texts;
        std::vector<TextLine> lines;
        std::vector<Unconverted> unconverted;
        // Lines that are neither text lines nor known structure or
        // apparatus (no line label): they are not converted.
        std::vector<std::uint32_t> unlabelled;
        Counts counts;
        // The first line that is not well-formed UTF-8, 0 when none; the
        // text is then not converted at all.
        std::uint32_t invalidUtf8Line = 0;

        bool ok() const { return invalidUtf8Line == 0; }
        // Everything converted: no reading in Latin, no unlabelled line.
        bool complete() const { return counts.keptLatin == 0 && unlabelled.empty(); }
    };

    explicit AtfConverter(const AtfSignTable& table = AtfSignTable::Bundled()) : table_(table) {}

    // Converts an ATF text given as UTF-8 (a file's whole content).
    Conversion ConvertText(std::string_view utf8) const;
    // Converts one transliteration, as a selection typed or pasted in the
    // editor holds it: words separated by spaces, no line label.
    Cells ConvertTransliteration(std::span<const std::uint32_t> text) const;

    // The signs of one piece of a word (a reading, number, compound or
    // qualified reading, editorial marks dropped), or null.
    std::optional<std::u32string> SignsOf(std::u32string_view piece) const;

private:
    // Converts the words of one text line. A line of the text given on
    // several lines (continuation lines) comes with '\n' between them;
    // lines[k] is the number of the line after the k-th of them.
    void convertWords(std::u32string_view words, std::span<const std::uint32_t> lines, Cells& out) const;
    std::optional<std::u32string> lookUp(std::u32string_view text, bool nameFirst) const;
    std::optional<std::u32string> compound(std::u32string_view text) const;

    const AtfSignTable& table_;
};

} // namespace velmora
