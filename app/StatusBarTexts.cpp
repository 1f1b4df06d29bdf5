#include "app/StatusBarTexts.h"

#include <utility>

namespace velmora {

StatusBarTexts StatusBarTexts::Initial()
{
    return {"Alphabet", "line:0", "column:0"};
}

StatusBarTexts StatusBarTexts::For(bool alphabetMode, Position cursor, std::string lookupStatus)
{
    std::string mode = lookupStatus.empty() ? (alphabetMode ? "Alphabet" : "Sign") : std::move(lookupStatus);
    return {std::move(mode), "line: " + std::to_string(cursor.line),
            "column: " + std::to_string(cursor.column)};
}

} // namespace velmora
