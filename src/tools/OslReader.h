#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The signs, forms and values of a sign list in the Oracc Sign List format
// (osl.asl), as the sign data, the sign names and the ATF table are made
// from them.
//
// The list is read line by line. A line beginning with "@" and a tag opens,
// continues or closes a block: "@sign NAME" opens a sign, "@form NAME" a
// form inside it (ended by "@@", by the next form or by the end of the
// sign), "@end sign" closes the sign. A tag ending in "-" (@sign-, @form-,
// @v-) marks a deprecated entry, one ending in "+" is read like the plain
// tag. @pcun, @compoundonly and @lref entries are not signs: they close the
// sign before them and their lines are skipped. Lines that do not begin
// with "@" continue notes and are skipped, as are the other tags.
class OslReader {
public:
    using Text = std::vector<std::uint32_t>;

    // A sign or one of its forms.
    struct Block {
        bool form = false;
        // The block is deprecated, or is a form of a deprecated sign.
        bool deprecated = false;
        Text name;              // after @sign or @form
        std::vector<Text> akas; // @aka: other names of the block
        bool hasUcun = false;   // the block has an @ucun line (the first counts)
        Text ucun;              // its code points
    };

    // A value (@v) in file order, with the block it belongs to.
    struct Value {
        std::size_t block = 0;
        bool deprecated = false; // @v-
        Text text;               // as it stands after the tag
    };

    struct Result {
        std::vector<Block> blocks;
        std::vector<Value> values;
        // 1-based line of the first line that could not be read, 0 if none.
        std::uint32_t errorLine = 0;
        std::string error;

        bool ok() const { return error.empty(); }
        std::size_t signCount() const;
        std::size_t formCount() const;
    };

    // Reads the list. Stops at the first line of a sign that is not
    // well-formed UTF-8; the blocks and values before it stay.
    static Result Read(std::string_view text);
};

} // namespace velmora
