#include "core/view/EditorFontPair.h"

#include <utility>

namespace velmora {

EditorFontPair::EditorFontPair(std::unique_ptr<Font> sign, std::unique_ptr<Font> text)
    : sign_(std::move(sign))
    , text_(std::move(text))
{
}

} // namespace velmora
