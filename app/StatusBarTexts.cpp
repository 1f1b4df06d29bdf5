#include "app/StatusBarTexts.h"

namespace velmora {

StatusBarTexts StatusBarTexts::Initial()
{
    return {"Alphabet", "line:0", "column:0"};
}

StatusBarTexts StatusBarTexts::For(bool alphabetMode, Position cursor)
{
    return {alphabetMode ? "Alphabet" : "Sign", "line: " + std::to_string(cursor.line),
            "column: " + std::to_string(cursor.column)};
}

} // namespace velmora
