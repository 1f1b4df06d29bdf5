#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The lines of an ATF text, in the Oracc and the CDLI (C-ATF) style, sorted
// into the kinds the conversion treats differently. Text lines begin with a
// line label (1. 12'. 1''. o 3. l.e. 2.) followed by a space; the other
// kinds are structure and apparatus that carry no signs. A line beginning
// with a space or a tab continues the line before it, as ATF allows.
class AtfReader {
public:
    enum class Kind {
        Blank,        // empty, or only spaces and tabs
        TextHeader,   // &P123456 = …: a new text
        Structure,    // @obverse, @column 2, @tablet …
        State,        // $ broken, $ (blank space)
        Protocol,     // #atf: use …, #atf: lang …
        Comment,      // # …, #tr.en: …, #note: …, #lem: …
        Apparatus,    // ==, >>, <<, ||: composite and link lines
        Text,         // a labelled text line
        Continuation, // the continuation of the line before
        Unlabelled,   // anything else: words without a line label
    };

    struct Line {
        Kind kind = Kind::Blank;
        std::uint32_t number = 0; // 1-based line number in the file
        std::u32string label;     // Text: the label (o 3.)
        std::u32string content;   // Text, Continuation: what follows the
                                  // label or the leading blanks; otherwise
                                  // the whole line
    };

    struct Result {
        std::vector<Line> lines;
        // 1-based number of the first line that is not well-formed UTF-8;
        // 0 when the whole text is. Lines are read up to that line only.
        std::uint32_t errorLine = 0;

        bool ok() const { return errorLine == 0; }
    };

    // Reads UTF-8 text (a byte-order mark at the start is skipped; LF or
    // CR LF line ends).
    static Result Read(std::string_view utf8);
    // Sorts one line (without its line end).
    static Line Classify(std::u32string_view line, std::uint32_t number);
    // The code points of well-formed UTF-8, or false when it is not (an
    // overlong form, a surrogate, a value above U+10FFFF, a cut sequence).
    static bool DecodeUtf8(std::string_view utf8, std::u32string& out);
};

} // namespace velmora
