#pragma once

#include "core/atf/AtfSignTable.h"
#include "tools/OslReader.h"

#include <string>
#include <vector>

namespace velmora {

// The table the ATF conversion uses, made from a sign list in the Oracc Sign
// List format. Every sign or form with encoded cuneiform signs (@ucun)
// gives its name and its other names (@aka) as sign names, and its values
// as values: the language tag and the "?" of an uncertain value dropped.
// Values with the index ₓ (they need the sign named after them) and
// writings of several signs (a-ra₂, {kaš}dida) give nothing. Of two entries
// with the same spelling the first wins: current names and certain values
// come first, then uncertain values, then the determinatives d, m and f
// for a list that lacks them, then deprecated entries, which are left out
// where a current one has the same spelling (ŋ and g taken as one).
class OslAtfTable {
public:
    struct Row {
        AtfSignTable::Kind kind;
        OslReader::Text text;
        OslReader::Text signs;
    };

    // The rows in the order of precedence, each spelling once.
    static std::vector<Row> Rows(const OslReader::Result& list);
    // A table of the rows.
    static AtfSignTable Table(const std::vector<Row>& rows);
    // The rows as the lines of a C++ initializer list of
    // AtfSignTable::Entry ({V, U"ša₂", U"\U000120FB"},), after the header
    // comment.
    static std::string Include(const std::vector<Row>& rows, const std::string& header);
};

} // namespace velmora
